#pragma once

// Exact journey statistics of the lattice walk, from its absorbing Markov chain: how a journey
// from the start point ends (at home, on each side of the boundary, at |z| = R) and how long it
// is on average, with the variance of its length.

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace quirlweg::testing {

using Point = std::array<int, 3>;

struct Lattice {
  int dimension;
  int radius;
  double rightProbability;
  bool homeAbsorbs;
  Point start;  // x and y as stored: y grows downward
};

// How a journey ends; top is y = -R, the upper edge on screen.
enum Ending { kEndsHome, kEndsTop, kEndsRight, kEndsBottom, kEndsLeft, kEndsZ, kEndingCount };

struct Outcome {
  std::array<double, kEndingCount> shares{};
  double meanLength = 0;
  double lengthVariance = 0;
};

namespace absorbing_detail {

inline std::vector<std::pair<Point, double>> Moves(const Lattice& l) {
  if (l.dimension == 1) {
    return {{{1, 0, 0}, l.rightProbability}, {{-1, 0, 0}, 1 - l.rightProbability}};
  }
  std::vector<std::pair<Point, double>> moves;
  for (int axis = 0; axis < l.dimension; ++axis) {
    for (const int sign : {1, -1}) {
      Point delta{};
      delta[axis] = sign;
      moves.push_back({delta, 1.0 / (2 * l.dimension)});
    }
  }
  return moves;
}

inline Point Add(Point a, const Point& b) {
  for (int i = 0; i < 3; ++i) a[i] += b[i];
  return a;
}

inline bool AbsorbedAtHome(const Lattice& l, const Point& p) {
  return l.homeAbsorbs && p == Point{};
}

// The ending a step onto `p` makes, or kEndingCount when the journey goes on. A step from
// inside changes one coordinate, so at most one side is reached.
inline int EndingAt(const Lattice& l, const Point& p) {
  const int r = l.radius;
  if (AbsorbedAtHome(l, p)) return kEndsHome;
  if (p[1] == -r) return kEndsTop;
  if (p[0] == r) return kEndsRight;
  if (p[1] == r) return kEndsBottom;
  if (p[0] == -r) return kEndsLeft;
  if (std::abs(p[2]) == r) return kEndsZ;
  return kEndingCount;
}

// Gauss-Jordan with partial pivoting on a square system with several right-hand sides.
inline void Solve(std::vector<std::vector<double>>& a, std::size_t n) {
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < n; ++row) {
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
    }
    std::swap(a[col], a[pivot]);
    for (std::size_t row = 0; row < n; ++row) {
      if (row == col || a[row][col] == 0) continue;
      const double f = a[row][col] / a[col][col];
      for (std::size_t k = col; k < a[row].size(); ++k) a[row][k] -= f * a[col][k];
    }
  }
  for (std::size_t row = 0; row < n; ++row) {
    for (std::size_t k = n; k < a[row].size(); ++k) a[row][k] /= a[row][row];
    a[row][row] = 1;
  }
}

}  // namespace absorbing_detail

// Solves (I - Q) x = b over the states inside the boundary that do not end a journey: b is the
// one-step chance of each ending, then 1 for the expected length m, then, in a second pass,
// m itself for N m, which gives the second moment E[T^2] = 2 N m - m. A journey from an
// absorbing home point first takes one step away, as the walk does.
inline Outcome ExactOutcome(const Lattice& l) {
  using namespace absorbing_detail;
  const int r = l.radius - 1;
  const bool flat = l.dimension < 3;
  std::map<Point, std::size_t> index;
  for (int x = -r; x <= r; ++x) {
    for (int y = l.dimension >= 2 ? -r : 0; y <= (l.dimension >= 2 ? r : 0); ++y) {
      for (int z = flat ? 0 : -r; z <= (flat ? 0 : r); ++z) {
        const Point p{x, y, z};
        if (!AbsorbedAtHome(l, p)) index.emplace(p, index.size());
      }
    }
  }
  const std::size_t n = index.size();
  const auto moves = Moves(l);
  const std::size_t lengthColumn = n + kEndingCount;
  // The chain's matrix with the right-hand sides after column n.
  const auto system = [&](std::size_t sides) {
    std::vector<std::vector<double>> a(n, std::vector<double>(n + sides, 0.0));
    for (const auto& [p, i] : index) {
      a[i][i] += 1;
      for (const auto& [delta, q] : moves) {
        const Point next = Add(p, delta);
        const int ending = EndingAt(l, next);
        if (ending == kEndingCount) {
          a[i][index.at(next)] -= q;
        } else if (sides > 1) {
          a[i][n + static_cast<std::size_t>(ending)] += q;
        }
      }
    }
    return a;
  };
  auto first = system(kEndingCount + 1);
  for (auto& row : first) row[lengthColumn] = 1;
  Solve(first, n);
  auto second = system(1);
  for (std::size_t i = 0; i < n; ++i) second[i][n] = first[i][lengthColumn];
  Solve(second, n);

  // Per state: the ending shares, m and E[T^2].
  const auto from = [&](const Point& p) {
    Outcome o;
    const std::size_t i = index.at(p);
    for (int e = 0; e < kEndingCount; ++e) o.shares[e] = first[i][n + static_cast<std::size_t>(e)];
    o.meanLength = first[i][lengthColumn];
    o.lengthVariance = 2 * second[i][n] - o.meanLength;  // the second moment for now
    return o;
  };
  Outcome o;
  if (!AbsorbedAtHome(l, l.start)) {
    o = from(l.start);
  } else {
    // One step away first: T = 1 + T' with T' = 0 where that step ends the journey.
    double secondMoment = 0;
    for (const auto& [delta, q] : moves) {
      const Point next = Add(l.start, delta);
      const int ending = EndingAt(l, next);
      if (ending != kEndingCount) {
        o.shares[ending] += q;
        o.meanLength += q;
        secondMoment += q;
        continue;
      }
      const Outcome later = from(next);
      for (int e = 0; e < kEndingCount; ++e) o.shares[e] += q * later.shares[e];
      o.meanLength += q * (1 + later.meanLength);
      secondMoment += q * (1 + 2 * later.meanLength + later.lengthVariance);
    }
    o.lengthVariance = secondMoment;
  }
  o.lengthVariance -= o.meanLength * o.meanLength;
  return o;
}

}  // namespace quirlweg::testing
