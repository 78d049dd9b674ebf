#pragma once

// The walk as an absorbing Markov chain: its moves, which steps end a journey, and the values
// the solvers hand back for a point the walker stands on in the middle of a journey.

#include <array>
#include <cstdlib>
#include <vector>

#include "journey_statistics.h"

namespace quirlweg::theory::detail {

using Point = std::array<int, 3>;

enum Ending { kHome, kTop, kRight, kBottom, kLeft, kZFace, kEndingCount };
inline constexpr int kGoesOn = kEndingCount;

struct Move {
  Point delta;
  double probability;
};

inline std::vector<Move> MovesOf(const Setting& s) {
  if (s.dimension == 1) {
    return {{{1, 0, 0}, s.rightProbability}, {{-1, 0, 0}, 1 - s.rightProbability}};
  }
  std::vector<Move> moves;
  const double q = 1.0 / (2 * s.dimension);
  for (int axis = 0; axis < s.dimension; ++axis) {
    for (const int sign : {1, -1}) {
      Point delta{};
      delta[axis] = sign;
      moves.push_back({delta, q});
    }
  }
  return moves;
}

inline Point StartOf(const Setting& s) {
  return {s.startX, s.startY, 0};
}

inline Point Neighbour(Point p, const Point& delta) {
  for (int i = 0; i < 3; ++i) p[i] += delta[i];
  return p;
}

inline bool IsHome(const Setting& s, const Point& p) {
  return s.homeAbsorbs && p == Point{};
}

// The ending a step onto `p` makes, or kGoesOn. Home is tested before the boundary, as the walk
// does; a step changes one coordinate, so at most one side can be reached.
inline int EndingAfterStepOnto(const Setting& s, const Point& p) {
  const int r = s.radius;
  if (IsHome(s, p)) return kHome;
  if (p[1] == -r) return kTop;
  if (p[0] == r) return kRight;
  if (p[1] == r) return kBottom;
  if (p[0] == -r) return kLeft;
  if (std::abs(p[2]) == r) return kZFace;
  return kGoesOn;
}

// What is ahead of a walker standing on an inner point mid-journey: the chance of each ending
// and the first two moments of the number of steps still to come.
struct ValuesAhead {
  std::array<double, kEndingCount> endings{};
  double meanSteps = 0;
  double secondMoment = 0;
};

}  // namespace quirlweg::theory::detail
