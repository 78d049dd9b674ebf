#include "length_distribution.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

#include "walk_chain.h"

namespace quirlweg::theory::detail {

namespace {

// Point updates the distribution may cost: about 0.1 to 0.3 s on one core.
constexpr double kWorkLimit = 2.5e8;

constexpr char kTooCostly[] =
    "Die Verteilung der Weglängen ist für dieses Gitter zu aufwendig; Mittelwert und Streuung "
    "sind exakt.";

// The lattice with its boundary as a flat array, x fastest. Boundary cells stay zero: mass that
// steps onto them is counted as ended instead.
class FlatLattice {
 public:
  explicit FlatLattice(const Setting& s) : s_(s), width_(2 * s.radius + 1) {
    stride_ = {1, s.dimension >= 2 ? width_ : 0, s.dimension >= 3 ? width_ * width_ : 0};
    int cells = width_;
    for (int a = 1; a < s.dimension; ++a) cells *= width_;
    cells_ = static_cast<std::size_t>(cells);
  }

  std::size_t cells() const { return cells_; }
  std::size_t inner() const {
    std::size_t n = 1;
    for (int a = 0; a < s_.dimension; ++a) n *= static_cast<std::size_t>(width_ - 2);
    return n;
  }

  std::ptrdiff_t IndexOf(const Point& p) const {
    std::ptrdiff_t i = 0;
    for (int a = 0; a < s_.dimension; ++a)
      i += static_cast<std::ptrdiff_t>(p[a] + s_.radius) * stride_[a];
    return i;
  }

  std::ptrdiff_t OffsetOf(const Point& delta) const { return IndexOf(delta) - IndexOf(Point{}); }

  // The first cell of every inner row along x.
  std::vector<std::ptrdiff_t> RowStarts() const {
    std::vector<std::ptrdiff_t> rows;
    const int inside = s_.radius - 1;
    const int yLast = s_.dimension >= 2 ? inside : -inside;
    const int zLast = s_.dimension >= 3 ? inside : -inside;
    for (int z = -inside; z <= zLast; ++z) {
      for (int y = -inside; y <= yLast; ++y) rows.push_back(IndexOf({-inside, y, z}));
    }
    return rows;
  }

  // Each inner cell with its one-step chance of reaching the boundary, where that is not 0.
  std::vector<std::pair<std::ptrdiff_t, double>> Exits(const std::vector<Move>& moves) const {
    std::vector<std::pair<std::ptrdiff_t, double>> exits;
    const int n = 2 * s_.radius - 1;
    for (const std::ptrdiff_t row : RowStarts()) {
      const Point first = PointOf(row);
      for (int i = 0; i < n; ++i) {
        Point p = first;
        p[0] += i;
        double chance = 0;
        for (const Move& m : moves) {
          const int ending = EndingAfterStepOnto(s_, Neighbour(p, m.delta));
          if (ending != kGoesOn && ending != kHome) chance += m.probability;
        }
        if (chance > 0) exits.push_back({row + i, chance});
      }
    }
    return exits;
  }

 private:
  Point PointOf(std::ptrdiff_t index) const {
    Point p{};
    for (int a = s_.dimension - 1; a >= 0; --a) {
      p[a] = static_cast<int>(index / stride_[a]) - s_.radius;
      index %= stride_[a];
    }
    return p;
  }

  Setting s_;
  int width_;
  std::array<int, 3> stride_;
  std::size_t cells_;
};

// One step of the mass on every inner row; the move count is fixed so the loop unrolls.
template <std::size_t kMoves>
void StepRows(const std::vector<std::ptrdiff_t>& rows, int rowLength,
              const std::array<std::ptrdiff_t, kMoves>& offsets,
              const std::array<double, kMoves>& chances, const double* before, double* after) {
  for (const std::ptrdiff_t row : rows) {
    const double* from = before + row;
    double* to = after + row;
    for (int i = 0; i < rowLength; ++i) {
      double sum = 0;
      for (std::size_t m = 0; m < kMoves; ++m) sum += chances[m] * from[i - offsets[m]];
      to[i] = sum;
    }
  }
}

template <std::size_t kMoves>
class MassStepper {
 public:
  MassStepper(const FlatLattice& lattice, const std::vector<Move>& moves, int rowLength)
      : rows_(lattice.RowStarts()), rowLength_(rowLength) {
    for (std::size_t m = 0; m < kMoves; ++m) {
      offsets_[m] = lattice.OffsetOf(moves[m].delta);
      chances_[m] = moves[m].probability;
    }
  }
  void Step(const std::vector<double>& before, std::vector<double>& after) const {
    StepRows<kMoves>(rows_, rowLength_, offsets_, chances_, before.data(), after.data());
  }

 private:
  std::vector<std::ptrdiff_t> rows_;
  int rowLength_;
  std::array<std::ptrdiff_t, kMoves> offsets_{};
  std::array<double, kMoves> chances_{};
};

// The steps after which the mass left is below `1 - coverage` at the latest (up to the
// mode-sum factor, allowed for by `slack`).
double StepsToCover(const Setting& s, double slack) {
  const double half = std::sin(std::numbers::pi / (4 * s.radius));
  const double slowestDecay = 2 * half * half;  // 1 - cos(pi / 2R)
  return (std::log(1 / (1 - s.distributionCoverage)) + slack) / slowestDecay;
}

template <std::size_t kMoves>
std::optional<LengthDistribution> StepMass(const Setting& s, const std::vector<Move>& moves,
                                           const std::stop_token& stop) {
  const FlatLattice lattice(s);
  const MassStepper<kMoves> stepper(lattice, moves, 2 * s.radius - 1);
  const auto exits = lattice.Exits(moves);
  const bool home = s.homeAbsorbs && (s.dimension > 1 || s.startY == 0);
  const std::ptrdiff_t origin = lattice.IndexOf(Point{});
  // A cap that is never reached in exact arithmetic; it keeps rounding from looping forever.
  const auto stepCap = static_cast<std::size_t>(StepsToCover(s, 3.0 * s.dimension + 5)) +
                       4 * static_cast<std::size_t>(s.radius);

  std::vector<double> before(lattice.cells(), 0.0), after(lattice.cells(), 0.0);
  before[static_cast<std::size_t>(lattice.IndexOf(StartOf(s)))] = 1;
  LengthDistribution result;
  result.probabilities.push_back(0);
  double covered = 0;
  while (covered < s.distributionCoverage) {
    if (result.probabilities.size() % 64 == 0 && stop.stop_requested()) return std::nullopt;
    if (result.probabilities.size() > stepCap) {
      result.probabilities.clear();
      result.whyNot = kTooCostly;
      return result;
    }
    double ended = 0;
    for (const auto& [cell, chance] : exits)
      ended += before[static_cast<std::size_t>(cell)] * chance;
    stepper.Step(before, after);
    if (home) {
      ended += after[static_cast<std::size_t>(origin)];
      after[static_cast<std::size_t>(origin)] = 0;
    }
    result.probabilities.push_back(ended);
    covered += ended;
    std::swap(before, after);
  }
  result.computed = true;
  return result;
}

}  // namespace

std::optional<LengthDistribution> ComputeLengthDistribution(const Setting& s,
                                                            std::stop_token stop) {
  const double work = StepsToCover(s, 0) * static_cast<double>(FlatLattice(s).inner());
  if (work > kWorkLimit) return LengthDistribution{{}, false, kTooCostly};
  const auto moves = MovesOf(s);
  switch (moves.size()) {
    case 2:
      return StepMass<2>(s, moves, stop);
    case 4:
      return StepMass<4>(s, moves, stop);
    default:
      return StepMass<6>(s, moves, stop);
  }
}

}  // namespace quirlweg::theory::detail
