#include "length_distribution.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

#include "box_distribution.h"
#include "walk_chain.h"

namespace quirlweg::theory::detail {

namespace {

// The lattice with its boundary, split like a chessboard: a step always changes the colour
// (the parity of x + y + z), so all mass sits on one colour at a time and each colour is stored
// by itself, half a row per row, x fastest. That halves the work of a step. Boundary cells stay
// zero: mass that steps onto them is counted as ended instead.
class CheckerLattice {
 public:
  struct Cell {
    int colour;
    std::size_t index;
  };

  explicit CheckerLattice(const Setting& s)
      : s_(s), width_(2 * s.radius + 1), half_(static_cast<std::size_t>(s.radius + 1)) {
    rows_ = 1;
    for (int a = 1; a < s.dimension; ++a) rows_ *= static_cast<std::size_t>(width_);
  }

  std::size_t cellsPerColour() const { return rows_ * half_; }
  std::size_t half() const { return half_; }
  std::size_t rowStride(int axis) const {
    return axis == 1 ? half_ : half_ * static_cast<std::size_t>(width_);
  }

  std::size_t InnerCells() const {
    std::size_t n = 1;
    for (int a = 0; a < s_.dimension; ++a) n *= static_cast<std::size_t>(width_ - 2);
    return n;
  }

  Cell CellOf(const Point& p) const {
    const int i = p[0] + s_.radius;
    const int j = s_.dimension >= 2 ? p[1] + s_.radius : 0;
    const int k = s_.dimension >= 3 ? p[2] + s_.radius : 0;
    const auto row = static_cast<std::size_t>(j + k * width_);
    return {(i + j + k) & 1, row * half_ + static_cast<std::size_t>(i / 2)};
  }

  // Calls visit(y, z) for every inner row; a plane's z and a line's y and z are 0.
  template <class Visit>
  void ForInnerRows(Visit&& visit) const {
    const int inside = s_.radius - 1;
    const int yInside = s_.dimension >= 2 ? inside : 0;
    const int zInside = s_.dimension >= 3 ? inside : 0;
    for (int z = -zInside; z <= zInside; ++z) {
      for (int y = -yInside; y <= yInside; ++y) visit(y, z);
    }
  }

 private:
  Setting s_;
  int width_;
  std::size_t half_;
  std::size_t rows_;
};

// The cells of one colour in one inner row, and where their x-neighbours sit in the row of the
// other colour: x + 1 at h + shift, x - 1 at h + shift - 1.
struct HalfRow {
  std::size_t first;
  std::size_t last;
  std::size_t shift;
};

template <int kDimension>
class MassStepper {
 public:
  MassStepper(const Setting& s, const CheckerLattice& lattice) : lattice_(lattice) {
    const auto moves = MovesOf(s);
    toRight_ = moves[0].probability;
    toLeft_ = moves[1].probability;
    sideways_ = 1.0 / (2 * kDimension);
    for (int colour = 0; colour < 2; ++colour) {
      lattice.ForInnerRows([&](int y, int z) {
        const CheckerLattice::Cell a = lattice.CellOf({1 - s.radius, y, z});
        const CheckerLattice::Cell b = lattice.CellOf({2 - s.radius, y, z});
        const CheckerLattice::Cell firstCell = a.colour == colour ? a : b;
        const CheckerLattice::Cell c = lattice.CellOf({s.radius - 1, y, z});
        const CheckerLattice::Cell d = lattice.CellOf({s.radius - 2, y, z});
        const CheckerLattice::Cell lastCell = c.colour == colour ? c : d;
        const std::size_t shift = (a.colour == colour) ? 1 : 0;  // x = -R + 1 is odd in i
        rows_[colour].push_back({firstCell.index, lastCell.index, shift});
      });
    }
  }

  // Moves all mass from the other colour onto `colour`.
  void Step(int colour, const std::vector<double>& from, std::vector<double>& to) const {
    const std::size_t up = lattice_.rowStride(1);
    const std::size_t deep = kDimension >= 3 ? lattice_.rowStride(2) : 0;
    for (const HalfRow& row : rows_[colour]) {
      // The neighbour at +x of the cell `first` sits at first + shift, the one at -x just before.
      const double* atRight = from.data() + row.first + row.shift;
      const double* middle = from.data() + row.first;
      StepRow(atRight - 1, atRight, middle, up, deep, to.data() + row.first,
              row.last - row.first + 1);
    }
  }

 private:
  // Plain pointers that do not overlap, so the compiler can use vector instructions.
  void StepRow(const double* __restrict atLeft, const double* __restrict atRight,
               const double* __restrict middle, std::size_t up, std::size_t deep,
               double* __restrict to, std::size_t count) const {
    const double right = toRight_, left = toLeft_, side = sideways_;
    for (std::size_t h = 0; h < count; ++h) {
      double sum = right * atLeft[h] + left * atRight[h];
      if constexpr (kDimension >= 2) sum += side * (middle[h - up] + middle[h + up]);
      if constexpr (kDimension >= 3) sum += side * (middle[h - deep] + middle[h + deep]);
      to[h] = sum;
    }
  }

  const CheckerLattice& lattice_;
  std::array<std::vector<HalfRow>, 2> rows_;
  double toRight_ = 0, toLeft_ = 0, sideways_ = 0;
};

// Each inner cell with its one-step chance of reaching the boundary, where that is not 0, by
// colour.
std::array<std::vector<std::pair<std::size_t, double>>, 2> ExitsOf(const Setting& s,
                                                                   const CheckerLattice& lattice) {
  std::array<std::vector<std::pair<std::size_t, double>>, 2> exits;
  const auto moves = MovesOf(s);
  lattice.ForInnerRows([&](int y, int z) {
    for (int x = 1 - s.radius; x < s.radius; ++x) {
      const Point p{x, y, z};
      double chance = 0;
      for (const Move& m : moves) {
        const int ending = EndingAfterStepOnto(s, Neighbour(p, m.delta));
        if (ending != kGoesOn && ending != kHome) chance += m.probability;
      }
      const CheckerLattice::Cell cell = lattice.CellOf(p);
      if (chance > 0) exits[static_cast<std::size_t>(cell.colour)].push_back({cell.index, chance});
    }
  });
  return exits;
}

// The steps after which the mass left is below `1 - coverage` at the latest (up to the
// mode-sum factor, allowed for by `slack`).
double StepsToCover(const Setting& s, double slack, double coverage) {
  const double half = std::sin(std::numbers::pi / (4 * s.radius));
  const double slowestDecay = 2 * half * half;  // 1 - cos(pi / 2R)
  return (std::log(1 / (1 - coverage)) + slack) / slowestDecay;
}

template <int kDimension>
std::optional<std::vector<double>> StepMass(const Setting& s, const Cancellation& cancel,
                                            double coverage) {
  const CheckerLattice lattice(s);
  const MassStepper<kDimension> stepper(s, lattice);
  const auto exits = ExitsOf(s, lattice);
  // A 1-D walk off row 0 never meets the origin.
  const bool home = s.homeAbsorbs && (s.dimension > 1 || s.startY == 0);
  const CheckerLattice::Cell origin = lattice.CellOf(Point{});
  // A cap that is never reached in exact arithmetic; it keeps rounding from looping forever.
  const auto stepCap = static_cast<std::size_t>(StepsToCover(s, 3.0 * s.dimension + 5, coverage)) +
                       4 * static_cast<std::size_t>(s.radius);

  std::array<std::vector<double>, 2> mass{std::vector<double>(lattice.cellsPerColour(), 0.0),
                                          std::vector<double>(lattice.cellsPerColour(), 0.0)};
  const CheckerLattice::Cell start = lattice.CellOf(StartOf(s));
  int now = start.colour;
  mass[static_cast<std::size_t>(now)][start.index] = 1;
  std::vector<double> probabilities{0.0};
  double covered = 0;
  while (covered < coverage && probabilities.size() <= stepCap) {
    if (probabilities.size() % 64 == 0 && cancel.Requested()) return std::nullopt;
    const auto& before = mass[static_cast<std::size_t>(now)];
    auto& after = mass[static_cast<std::size_t>(1 - now)];
    double ended = 0;
    for (const auto& [cell, chance] : exits[static_cast<std::size_t>(now)]) {
      ended += before[cell] * chance;
    }
    stepper.Step(1 - now, before, after);
    if (home && origin.colour == 1 - now) {
      ended += after[origin.index];
      after[origin.index] = 0;
    }
    probabilities.push_back(ended);
    covered += ended;
    now = 1 - now;
  }
  return probabilities;
}

}  // namespace

std::optional<std::vector<double>> SteppedLengthDistribution(const Setting& s,
                                                             const Cancellation& cancel,
                                                             double coverage) {
  switch (s.dimension) {
    case 1:
      return StepMass<1>(s, cancel, coverage);
    case 2:
      return StepMass<2>(s, cancel, coverage);
    default:
      return StepMass<3>(s, cancel, coverage);
  }
}

std::optional<std::vector<double>> ComputeLengthDistribution(const Setting& s,
                                                             const Cancellation& cancel,
                                                             double coverage) {
  // In the plane with home the renewal's products of series cost more than stepping the few
  // cells; on a row stepping is cheapest anyway.
  const bool mixed = s.dimension == 3 || (s.dimension == 2 && !s.homeAbsorbs);
  return mixed ? BoxLengthDistribution(s, cancel, coverage)
               : SteppedLengthDistribution(s, cancel, coverage);
}

}  // namespace quirlweg::theory::detail
