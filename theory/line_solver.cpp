#include "line_solver.h"

#include <cstddef>

namespace quirlweg::theory::detail {

namespace {

// Solves v(x) - p v(x+1) - (1-p) v(x-1) = f(x) on the inner points of the row, with v = 0
// beyond them and v pinned to `homeValue` on the origin when it absorbs. Without pivoting: the
// pivots stay at or above 1/2 because p (1-p) <= 1/4.
class LineSystem {
 public:
  LineSystem(const Setting& s)
      : p_(s.rightProbability),
        radius_(s.radius),
        homeIndex_(s.homeAbsorbs && s.startY == 0 ? s.radius - 1 : -1) {}

  std::size_t size() const { return static_cast<std::size_t>(2 * radius_ - 1); }

  std::vector<double> Solve(std::vector<double> f, double homeValue) const {
    const std::size_t n = size();
    std::vector<double> upper(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
      const bool pinned = static_cast<int>(i) == homeIndex_;
      const double below = pinned || i == 0 ? 0.0 : -(1 - p_);
      const double above = pinned || i + 1 == n ? 0.0 : -p_;
      if (pinned) f[i] = homeValue;
      const double pivot = 1 - (i > 0 ? below * upper[i - 1] : 0.0);
      upper[i] = above / pivot;
      f[i] = (f[i] - (i > 0 ? below * f[i - 1] : 0.0)) / pivot;
    }
    for (std::size_t i = n - 1; i-- > 0;) f[i] -= upper[i] * f[i + 1];
    return f;
  }

  std::size_t IndexOf(const Point& p) const { return static_cast<std::size_t>(p[0] + radius_ - 1); }

 private:
  double p_;
  int radius_;
  int homeIndex_;
};

}  // namespace

std::optional<std::vector<ValuesAhead>> LineValuesAt(const Setting& s,
                                                     const std::vector<Point>& points,
                                                     const Cancellation& cancel) {
  const LineSystem line(s);
  const std::size_t n = line.size();
  std::vector<double> toRight(n, 0.0), toLeft(n, 0.0), zero(n, 0.0);
  toRight[n - 1] = s.rightProbability;
  toLeft[0] = 1 - s.rightProbability;
  const auto right = line.Solve(toRight, 0);
  const auto left = line.Solve(toLeft, 0);
  const auto home = line.Solve(zero, 1);
  const auto mean = line.Solve(std::vector<double>(n, 1.0), 0);
  // E[T^2] solves the same system with 2 m - 1 on the right (from T = 1 + T').
  std::vector<double> twiceMeanLessOne(n);
  for (std::size_t i = 0; i < n; ++i) twiceMeanLessOne[i] = 2 * mean[i] - 1;
  const auto second = line.Solve(twiceMeanLessOne, 0);
  if (cancel.Requested()) return std::nullopt;

  std::vector<ValuesAhead> values;
  for (const Point& p : points) {
    const std::size_t i = line.IndexOf(p);
    ValuesAhead v;
    v.endings[kRight] = right[i];
    v.endings[kLeft] = left[i];
    v.endings[kHome] = home[i];
    v.meanSteps = mean[i];
    v.secondMoment = second[i];
    values.push_back(v);
  }
  return values;
}

}  // namespace quirlweg::theory::detail
