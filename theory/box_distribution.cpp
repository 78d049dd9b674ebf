#include "box_distribution.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <numbers>

#include "home_renewal.h"
#include "step_mixture.h"
#include "walk_sequences.h"

namespace quirlweg::theory::detail {

namespace {

// sum over the row's sine modes of |mode at the start| |sum of the mode over the row|: the
// mass of a walk on the row after n steps is at most this times cos(pi / 2R)^n.
double ModeWeightOf(int radius, int start) {
  double total = 0;
  for (int wave = 1; wave < 2 * radius; wave += 2) {
    const double angle = std::numbers::pi * wave / (2 * radius);
    const double atStart = std::abs(std::sin(angle * (start + radius)));
    total += atStart / std::tan(angle / 2) / radius;
  }
  return total;
}

// Steps after which even the walk without home (whose mass is never smaller) has left less
// than 1 - coverage inside, with a factor e to spare for rounding.
std::size_t StepBound(const Setting& s, double coverage) {
  double weight = ModeWeightOf(s.radius, s.startX) * ModeWeightOf(s.radius, s.startY);
  if (s.dimension == 3) weight *= ModeWeightOf(s.radius, 0);
  const double half = std::sin(std::numbers::pi / (4 * s.radius));
  const double slowestDecay = 2 * half * half;  // 1 - cos(pi / 2R)
  const double logs = std::log(weight) + std::log(1 / (1 - coverage)) + 1;
  return static_cast<std::size_t>(std::ceil(std::max(logs, 1.0) / slowestDecay)) + 2;
}

constexpr double kPlaneShare = 0.5;      // x of the plane's steps
constexpr double kBoxShare = 2.0 / 3.0;  // the plane's of the box's steps

// The rows, the plane and (in 3-D) the box of the start and, with home and a start off the
// origin, of the origin too, grown as far as the caller asks.
class BoxWalk {
 public:
  // `steps`: the most step counts Reach will be asked for.
  BoxWalk(const Setting& s, std::size_t steps)
      : box_(s.dimension == 3),
        separateOrigin_(s.homeAbsorbs && (s.startX != 0 || s.startY != 0)),
        rows_{AxisSequences(s.radius, s.startX, RowLength(steps)),
              AxisSequences(s.radius, s.startY, RowLength(steps)),
              AxisSequences(s.radius, 0, RowLength(steps))},
        plane_(kPlaneShare, PlanePairs(), {box_, s.homeAbsorbs}),
        inBox_(kBoxShare, box_ ? BoxPairs() : std::vector<StepMixture::Pair>{},
               {false, s.homeAbsorbs}) {}

  BoxWalk(const BoxWalk&) = delete;
  BoxWalk& operator=(const BoxWalk&) = delete;

  // Makes step n's entries available.
  void Reach(std::size_t n) {
    if (!box_) {
      plane_.ExtendTo(n + 1);
      return;
    }
    plane_.ExtendTo(StepMixture::LengthOfAFor(kBoxShare, n + 1));
    inBox_.ExtendTo(n + 1);
  }

  const WalkSequences& FromStart() const { return Walk().Mixed(0); }
  const WalkSequences& FromOrigin() const { return Walk().Mixed(separateOrigin_ ? 1 : 0); }

 private:
  const StepMixture& Walk() const { return box_ ? inBox_ : plane_; }
  std::size_t RowLength(std::size_t steps) const {
    if (!box_) {
      return std::max(StepMixture::LengthOfAFor(kPlaneShare, steps + 1),
                      StepMixture::LengthOfBFor(kPlaneShare, steps + 1));
    }
    const std::size_t plane = StepMixture::LengthOfAFor(kBoxShare, steps + 1);
    return std::max({StepMixture::LengthOfAFor(kPlaneShare, plane),
                     StepMixture::LengthOfBFor(kPlaneShare, plane),
                     StepMixture::LengthOfBFor(kBoxShare, steps + 1)});
  }
  std::vector<StepMixture::Pair> PlanePairs() const {
    std::vector<StepMixture::Pair> pairs{{&rows_[0], &rows_[1]}};
    if (separateOrigin_) pairs.push_back({&rows_[2], &rows_[2]});
    return pairs;
  }
  std::vector<StepMixture::Pair> BoxPairs() const {
    std::vector<StepMixture::Pair> pairs{{&plane_.Mixed(0), &rows_[2]}};
    if (separateOrigin_) pairs.push_back({&plane_.Mixed(1), &rows_[2]});
    return pairs;
  }

  bool box_;
  bool separateOrigin_;
  WalkSequences rows_[3];  // along x and y from the start, and from 0
  StepMixture plane_;
  StepMixture inBox_;
};

}  // namespace

std::optional<std::vector<double>> BoxLengthDistribution(const Setting& s,
                                                         const Cancellation& cancel,
                                                         double coverage) {
  const std::size_t bound = StepBound(s, coverage);
  BoxWalk walk(s, bound);
  const bool startOnOrigin = s.startX == 0 && s.startY == 0;
  HomeRenewal renewal(startOnOrigin, std::abs(s.startX + s.startY), bound);

  std::vector<double> probabilities{0.0};
  double covered = 0;
  for (std::size_t n = 1; covered < coverage && n <= bound; ++n) {
    if (n % 256 == 0 && cancel.Requested()) return std::nullopt;
    walk.Reach(n);
    const WalkSequences& start = walk.FromStart();
    double p = start.exit[n];
    if (s.homeAbsorbs) {
      const WalkSequences& origin = walk.FromOrigin();
      p = renewal.Next(origin.atOrigin[n], start.atOrigin[n], origin.exit[n], p);
    }
    probabilities.push_back(p);
    covered += p;
  }
  return probabilities;
}

}  // namespace quirlweg::theory::detail
