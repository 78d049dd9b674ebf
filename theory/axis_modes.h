#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace quirlweg::theory::detail {

using Table = std::vector<double>;  // one value per mode of an axis
using Axes = std::array<Table, 3>;  // a product of one table per axis

// The sine modes of one axis with points -R+1 .. R-1 and the boundary at +-R. An axis the walk
// does not use has one mode, constant 1, that adds nothing to the decay.
class AxisModes {
 public:
  AxisModes(int radius, bool used)
      : radius_(radius), count_(used ? 2 * radius - 1 : 1), used_(used) {}

  int count() const { return count_; }

  // Mode k at x: sin(pi w (x + R) / 2R) / sqrt(R) with wave number w = k + 1, the angle reduced
  // in integers so the zeros (even w at the origin) come out exactly zero.
  double Mode(int k, int x) const {
    if (!used_) return 1;
    const int period = 4 * radius_;
    const int m = ((k + 1) * (x + radius_)) % period;
    if (m % (2 * radius_) == 0) return 0;
    return std::sin(std::numbers::pi * m / (2 * radius_)) / std::sqrt(radius_);
  }

  Table AtPoint(int x) const {
    Table t(count_);
    for (int k = 0; k < count_; ++k) t[k] = Mode(k, x);
    return t;
  }

  // The sum of a mode over the whole row: cot(pi w / 4R) / sqrt(R) for odd w, else 0.
  Table Sums() const {
    Table t(count_, 1.0);
    if (!used_) return t;
    for (int k = 0; k < count_; ++k) {
      const int wave = k + 1;
      t[k] = wave % 2 == 0
                 ? 0.0
                 : 1 / std::tan(std::numbers::pi * wave / (4 * radius_)) / std::sqrt(radius_);
    }
    return t;
  }

  // 1 - cos(pi w / 2R), written as 2 sin^2 so the slowest modes keep their digits.
  Table Decays() const {
    Table t(count_, 0.0);
    if (!used_) return t;
    for (int k = 0; k < count_; ++k) {
      const double half = std::sin(std::numbers::pi * (k + 1) / (4 * radius_));
      t[k] = 2 * half * half;
    }
    return t;
  }

 private:
  int radius_;
  int count_;
  bool used_;
};

inline Table Times(const Table& a, const Table& b) {
  Table t(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) t[i] = a[i] * b[i];
  return t;
}

// One step onto the face of `axis` at side * R: probability q from the layer next to it,
// summed over the whole row along the other axes.
inline Axes FaceSource(const std::array<AxisModes, 3>& axes, int radius, double q, int axis,
                       int side) {
  Axes f{axes[0].Sums(), axes[1].Sums(), axes[2].Sums()};
  f[axis] = axes[axis].AtPoint(side * (radius - 1));
  for (double& v : f[axis]) v *= q;
  return f;
}

}  // namespace quirlweg::theory::detail
