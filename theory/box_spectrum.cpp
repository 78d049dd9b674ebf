#include "box_spectrum.h"

#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

#include "axis_modes.h"

namespace quirlweg::theory::detail {

namespace {

// Sources in mode space: what enters (I - Q) x = f on the right, projected on the modes.
enum SourceKind { kOnes, kOrigin, kTopFace, kRightFace, kBottomFace, kLeftFace, kZFaces, kSources };

std::array<Axes, kSources> SourcesInModes(const std::array<AxisModes, 3>& axes, int radius,
                                          int dimension) {
  std::array<Axes, kSources> sources;
  const double q = 1.0 / (2 * dimension);
  for (int a = 0; a < 3; ++a) {
    sources[kOnes][a] = axes[a].Sums();
    sources[kOrigin][a] = axes[a].AtPoint(0);
  }
  const auto face = [&](int axis, int side) { return FaceSource(axes, radius, q, axis, side); };
  sources[kTopFace] = face(1, -1);
  sources[kRightFace] = face(0, 1);
  sources[kBottomFace] = face(1, 1);
  sources[kLeftFace] = face(0, -1);
  sources[kZFaces] = face(2, 1);
  const Axes below = face(2, -1);
  for (std::size_t k = 0; k < below[2].size(); ++k) sources[kZFaces][2][k] += below[2][k];
  if (dimension < 3) sources[kZFaces][2] = Table{0.0};  // no z-faces on a plane
  return sources;
}

// sum over modes of x-table * y-table * z-table / lambda^power, for one (point, source, power).
struct Term {
  Axes factor;
  int power;
  double sum = 0;
};

// One pass over all modes for every term at once; false when stopped.
bool SumOverModes(const std::array<AxisModes, 3>& axes, int dimension, std::vector<Term>& terms,
                  const Cancellation& cancel) {
  const std::array<Table, 3> decays{axes[0].Decays(), axes[1].Decays(), axes[2].Decays()};
  const int inner = axes[2].count();
  Table inverse(inner), inverseSquared(inner);
  for (int a = 0; a < axes[0].count(); ++a) {
    if (cancel.Requested()) return false;
    for (int b = 0; b < axes[1].count(); ++b) {
      for (int c = 0; c < inner; ++c) {
        inverse[c] = dimension / (decays[0][a] + decays[1][b] + decays[2][c]);
        inverseSquared[c] = inverse[c] * inverse[c];
      }
      for (Term& t : terms) {
        const double outer = t.factor[0][a] * t.factor[1][b];
        if (outer == 0) continue;
        const double* z = t.factor[2].data();
        const double* w = t.power == 1 ? inverse.data() : inverseSquared.data();
        double s = 0;
        for (int c = 0; c < inner; ++c) s += z[c] * w[c];
        t.sum += outer * s;
      }
    }
  }
  return true;
}

// Sums of one point: G f for every source, and G^2 1 and G^2 e0.
struct PointSums {
  std::array<double, kSources> green{};
  double greenSquaredOnes = 0;
  double greenSquaredOrigin = 0;
};

}  // namespace

std::optional<std::vector<ValuesAhead>> BoxValuesAt(const Setting& s,
                                                    const std::vector<Point>& points,
                                                    const Cancellation& cancel) {
  const int d = s.dimension;
  const std::array<AxisModes, 3> axes{AxisModes(s.radius, true), AxisModes(s.radius, true),
                                      AxisModes(s.radius, d == 3)};
  const auto sources = SourcesInModes(axes, s.radius, d);

  // The origin goes last: its sums fix the rank-one correction.
  std::vector<Point> where = points;
  where.push_back(Point{});
  std::vector<Term> terms;
  for (const Point& p : where) {
    Axes at;
    for (int a = 0; a < 3; ++a) at[a] = axes[a].AtPoint(p[a]);
    const auto term = [&](SourceKind kind, int power) {
      Axes f;
      for (int a = 0; a < 3; ++a) f[a] = Times(at[a], sources[kind][a]);
      terms.push_back({f, power});
    };
    for (int kind = 0; kind < kSources; ++kind) term(static_cast<SourceKind>(kind), 1);
    term(kOnes, 2);
    term(kOrigin, 2);
  }
  if (!SumOverModes(axes, d, terms, cancel)) return std::nullopt;

  const std::size_t perPoint = kSources + 2;
  const auto sumsAt = [&](std::size_t i) {
    PointSums p;
    for (int kind = 0; kind < kSources; ++kind) p.green[kind] = terms[i * perPoint + kind].sum;
    p.greenSquaredOnes = terms[i * perPoint + kSources].sum;
    p.greenSquaredOrigin = terms[i * perPoint + kSources + 1].sum;
    return p;
  };
  const PointSums origin = sumsAt(points.size());
  const double originToOrigin = origin.green[kOrigin];
  // With home absorbing, v = G f + alpha G e0 with alpha such that v(0) is home's value.
  const bool home = s.homeAbsorbs;
  const double meanAlpha = home ? -origin.green[kOnes] / originToOrigin : 0.0;
  const auto secondSource = [&](const PointSums& p) {
    return 2 * p.greenSquaredOnes + 2 * meanAlpha * p.greenSquaredOrigin - p.green[kOnes];
  };
  const double secondAlpha = home ? -secondSource(origin) / originToOrigin : 0.0;

  std::vector<ValuesAhead> values;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PointSums p = sumsAt(i);
    const double towardsOrigin = home ? p.green[kOrigin] / originToOrigin : 0.0;
    ValuesAhead v;
    v.endings[kHome] = towardsOrigin;
    const std::array<std::pair<int, SourceKind>, 5> faces{{{kTop, kTopFace},
                                                           {kRight, kRightFace},
                                                           {kBottom, kBottomFace},
                                                           {kLeft, kLeftFace},
                                                           {kZFace, kZFaces}}};
    for (const auto& [ending, kind] : faces) {
      v.endings[ending] = p.green[kind] - origin.green[kind] * towardsOrigin;
    }
    v.meanSteps = p.green[kOnes] + meanAlpha * p.green[kOrigin];
    v.secondMoment = secondSource(p) + secondAlpha * p.green[kOrigin];
    values.push_back(v);
  }
  return values;
}

}  // namespace quirlweg::theory::detail
