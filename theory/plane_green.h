#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "axis_modes.h"
#include "walk_chain.h"

namespace quirlweg::theory::detail {

// The Green's function G = (I - Q)^-1 of the plane or box walk without home, in its sine
// modes, for every point of the plane z = 0 at once. A source that is a product of one table
// per axis makes G f separable: one pass over the modes folds z in, and two matrix products
// bring x and y back from mode space, (2R - 1)^3 products each, about 1e6 at R = 50.
class PlaneGreen {
 public:
  explicit PlaneGreen(const Setting& s);

  int width() const { return 2 * radius_ - 1; }
  const std::array<AxisModes, 3>& axes() const { return axes_; }
  Axes AtPoint(const Point& p) const;
  Table ZRowSums() const { return axes_[2].Sums(); }
  // One step onto an ending's part of the boundary (not home), as a source in modes.
  Axes OntoBoundary(Ending ending) const;
  Axes Ones() const { return {axes_[0].Sums(), axes_[1].Sums(), axes_[2].Sums()}; }

  // sum over the modes of source * at / lambda: (G f) at a point, or summed over points,
  // given in modes by `at`.
  double Sum(const Axes& source, const Axes& at) const;

  // (G f)(x, y, .) for every inner (x, y), at the z that `atZ` picks in modes (the point
  // z = 0, or the sum over the z row). Index (y + R - 1) * width + x + R - 1. Empty when
  // cancelled.
  std::optional<std::vector<double>> OnPlane(const Axes& source, const Table& atZ,
                                             const Cancellation& cancel) const;

  std::size_t IndexOf(int x, int y) const {
    return static_cast<std::size_t>((y + radius_ - 1) * width() + x + radius_ - 1);
  }

 private:
  int radius_;
  int dimension_;
  std::array<AxisModes, 3> axes_;
  std::array<Table, 3> decays_;
  std::vector<double> modeAt_;  // [x + R - 1][mode] of an in-plane axis
};

// The chance of every ending and the mean length from every start (x, y) of the plane z = 0,
// with the first step taken by hand from an absorbing origin. Without home the values of a
// walker at x are those of the walk without home; with it, a walk that reaches the origin
// stops there: v = g - beta g(0), beta(x) = G(x, 0) / G(0, 0) the chance to reach the origin
// (at the origin itself, the chance to come back to it: 1 - 1 / G(0, 0)).
struct HomeCut {
  std::vector<double> towardsHome;  // beta on the plane
  // The value of a journey from each start for a field g of the walk without home.
  std::vector<double> Cut(const std::vector<double>& g, std::size_t origin) const;
};
std::optional<HomeCut> HomeCutOf(const PlaneGreen& green, const Setting& s,
                                 const Cancellation& cancel);

}  // namespace quirlweg::theory::detail
