#include "plane_green.h"

#include <utility>

namespace quirlweg::theory::detail {

PlaneGreen::PlaneGreen(const Setting& s)
    : radius_(s.radius),
      dimension_(s.dimension),
      axes_{AxisModes(s.radius, true), AxisModes(s.radius, true),
            AxisModes(s.radius, s.dimension == 3)},
      decays_{axes_[0].Decays(), axes_[1].Decays(), axes_[2].Decays()} {
  const int n = width();
  modeAt_.resize(static_cast<std::size_t>(n * n));
  for (int x = 0; x < n; ++x) {
    for (int k = 0; k < n; ++k) {
      modeAt_[static_cast<std::size_t>(x * n + k)] = axes_[0].Mode(k, x - radius_ + 1);
    }
  }
}

Axes PlaneGreen::AtPoint(const Point& p) const {
  return {axes_[0].AtPoint(p[0]), axes_[1].AtPoint(p[1]), axes_[2].AtPoint(p[2])};
}

Axes PlaneGreen::OntoBoundary(Ending ending) const {
  const double q = 1.0 / (2 * dimension_);
  switch (ending) {
    case kTop:
      return FaceSource(axes_, radius_, q, 1, -1);
    case kRight:
      return FaceSource(axes_, radius_, q, 0, 1);
    case kBottom:
      return FaceSource(axes_, radius_, q, 1, 1);
    case kLeft:
      return FaceSource(axes_, radius_, q, 0, -1);
    default: {
      Axes both = FaceSource(axes_, radius_, q, 2, 1);
      const Axes below = FaceSource(axes_, radius_, q, 2, -1);
      for (std::size_t k = 0; k < both[2].size(); ++k) {
        both[2][k] = dimension_ == 3 ? both[2][k] + below[2][k] : 0.0;
      }
      return both;
    }
  }
}

double PlaneGreen::Sum(const Axes& source, const Axes& at) const {
  const std::size_t nz = decays_[2].size();
  Table z(nz);
  for (std::size_t c = 0; c < nz; ++c) z[c] = source[2][c] * at[2][c];
  double total = 0;
  for (std::size_t a = 0; a < decays_[0].size(); ++a) {
    for (std::size_t b = 0; b < decays_[1].size(); ++b) {
      const double outer = source[0][a] * at[0][a] * source[1][b] * at[1][b];
      if (outer == 0) continue;
      const double inPlane = decays_[0][a] + decays_[1][b];
      double s = 0;
      for (std::size_t c = 0; c < nz; ++c) s += z[c] / (inPlane + decays_[2][c]);
      total += outer * s;
    }
  }
  return dimension_ * total;
}

std::optional<std::vector<double>> PlaneGreen::OnPlane(const Axes& source, const Table& atZ,
                                                       const Cancellation& cancel) const {
  const std::size_t n = static_cast<std::size_t>(width());
  const std::size_t nz = decays_[2].size();
  Table z(nz);
  for (std::size_t c = 0; c < nz; ++c) z[c] = source[2][c] * atZ[c];
  // In modes: m[a][b] = source_x[a] source_y[b] sum_c z[c] / lambda(a, b, c).
  std::vector<double> modes(n * n, 0.0);
  for (std::size_t a = 0; a < n; ++a) {
    if (cancel.Requested()) return std::nullopt;
    for (std::size_t b = 0; b < n; ++b) {
      const double outer = source[0][a] * source[1][b];
      if (outer == 0) continue;
      const double inPlane = decays_[0][a] + decays_[1][b];
      double s = 0;
      for (std::size_t c = 0; c < nz; ++c) s += z[c] / (inPlane + decays_[2][c]);
      modes[a * n + b] = dimension_ * outer * s;
    }
  }
  // Back to points: y first (half[a][y]), then x.
  std::vector<double> half(n * n, 0.0), values(n * n, 0.0);
  for (std::size_t a = 0; a < n; ++a) {
    for (std::size_t y = 0; y < n; ++y) {
      double s = 0;
      for (std::size_t b = 0; b < n; ++b) s += modes[a * n + b] * modeAt_[y * n + b];
      half[a * n + y] = s;
    }
  }
  if (cancel.Requested()) return std::nullopt;
  for (std::size_t y = 0; y < n; ++y) {
    for (std::size_t x = 0; x < n; ++x) {
      double s = 0;
      for (std::size_t a = 0; a < n; ++a) s += modeAt_[x * n + a] * half[a * n + y];
      values[y * n + x] = s;
    }
  }
  return values;
}

std::vector<double> HomeCut::Cut(const std::vector<double>& g, std::size_t origin) const {
  std::vector<double> v(g.size());
  for (std::size_t i = 0; i < g.size(); ++i) v[i] = g[i] - towardsHome[i] * g[origin];
  return v;
}

std::optional<HomeCut> HomeCutOf(const PlaneGreen& green, const Setting& s,
                                 const Cancellation& cancel) {
  HomeCut cut;
  const std::size_t origin = green.IndexOf(0, 0);
  if (!s.homeAbsorbs) {
    cut.towardsHome.assign(origin * 2 + 1, 0.0);
    return cut;
  }
  auto toOrigin = green.OnPlane(green.AtPoint({}), green.axes()[2].AtPoint(0), cancel);
  if (!toOrigin) return std::nullopt;
  const double originToOrigin = (*toOrigin)[origin];
  for (double& v : *toOrigin) v /= originToOrigin;
  (*toOrigin)[origin] = 1 - 1 / originToOrigin;
  cut.towardsHome = *std::move(toOrigin);
  return cut;
}

}  // namespace quirlweg::theory::detail
