// The real generator driving the real walk must reproduce the exact absorption probability and
// mean journey length of the lattice walk, computed here from its absorbing Markov chain.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/walk.h"
#include "engine_fakes.h"

namespace quirlweg {
namespace {

using Point = std::array<int, 3>;

struct Lattice {
  int dimension;
  int radius;
  double rightProbability;
  bool homeAbsorbs;
  Point start;
};

struct Outcome {
  double homeShare;
  double meanLength;
};

std::vector<std::pair<Point, double>> Moves(const Lattice& l) {
  if (l.dimension == 1)
    return {{{1, 0, 0}, l.rightProbability}, {{-1, 0, 0}, 1 - l.rightProbability}};
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

Point Add(Point a, const Point& b) {
  for (int i = 0; i < 3; ++i) a[i] += b[i];
  return a;
}

bool OnBoundary(const Lattice& l, const Point& p) {
  return std::abs(p[0]) == l.radius || std::abs(p[1]) == l.radius || std::abs(p[2]) == l.radius;
}

bool AbsorbedAtHome(const Lattice& l, const Point& p) {
  return l.homeAbsorbs && p == Point{};
}

// Solves (I - Q) [h m] = [r 1] over the interior states that do not end a journey, where h is
// the chance to end at home and m the expected number of steps; then takes one step from the
// start, which is how a journey from the origin leaves its absorbing home point.
Outcome Exact(const Lattice& l) {
  const int r = l.radius - 1;
  std::map<Point, int> index;
  for (int x = -r; x <= r; ++x) {
    for (int y = l.dimension >= 2 ? -r : 0; y <= (l.dimension >= 2 ? r : 0); ++y) {
      for (int z = l.dimension == 3 ? -r : 0; z <= (l.dimension == 3 ? r : 0); ++z) {
        const Point p{x, y, z};
        if (!AbsorbedAtHome(l, p)) index.emplace(p, static_cast<int>(index.size()));
      }
    }
  }
  const auto n = index.size();
  std::vector<std::vector<double>> a(n, std::vector<double>(n + 2, 0.0));
  const auto moves = Moves(l);
  for (const auto& [p, i] : index) {
    a[i][i] += 1;
    a[i][n + 1] = 1;
    for (const auto& [delta, q] : moves) {
      const Point next = Add(p, delta);
      if (AbsorbedAtHome(l, next)) {
        a[i][n] += q;
      } else if (!OnBoundary(l, next)) {
        a[i][index.at(next)] -= q;
      }
    }
  }
  for (std::size_t col = 0; col < n; ++col) {  // Gauss-Jordan with partial pivoting
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < n; ++row) {
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
    }
    std::swap(a[col], a[pivot]);
    for (std::size_t row = 0; row < n; ++row) {
      if (row == col || a[row][col] == 0) continue;
      const double f = a[row][col] / a[col][col];
      for (std::size_t k = col; k < n + 2; ++k) a[row][k] -= f * a[col][k];
    }
  }
  const auto solved = [&](const Point& p, std::size_t column) {
    const int i = index.at(p);
    return a[i][column] / a[i][i];
  };
  if (!AbsorbedAtHome(l, l.start)) return {solved(l.start, n), solved(l.start, n + 1)};
  Outcome o{0, 1};
  for (const auto& [delta, q] : moves) {
    const Point next = Add(l.start, delta);
    if (OnBoundary(l, next)) continue;
    o.homeShare += q * solved(next, n);
    o.meanLength += q * solved(next, n + 1);
  }
  return o;
}

// Notes each journey's end and length; keeps no growing protocol text.
class TallySink final : public DisplaySink {
 public:
  std::vector<std::pair<bool, std::int64_t>> journeys;  // ended at home, length

  void ShowCoordinates(int, int, int) override {}
  void ShowStepCount(std::int64_t) override {}
  void SetWalkerVisible(bool) override {}
  void PlaceWalker(double, double) override {}
  void SizeWalker(double) override {}
  void WalkerToFront() override {}
  void HideEndMarker() override {}
  void ShowEndMarker(double, double, double, double) override {}
  void DrawTraceSegment(int, int, int, int, int) override {}
  void PlotPoint(int, int) override {}
  std::string CountBoxText(CountBox box) const override {
    return boxes_[static_cast<std::size_t>(box)];
  }
  void SetCountBoxText(CountBox box, std::string_view text) override {
    boxes_[static_cast<std::size_t>(box)] = text;
    if (box == CountBox::Home || box == CountBox::Boundary) endedAtHome_ = box == CountBox::Home;
  }
  void ShowHitCount(HitBox, std::optional<double>) override {}
  std::string ProtocolText() const override { return {}; }
  // The line's second field is the journey's length.
  void SetProtocolText(std::string_view text) override {
    const std::string line{text.substr(text.rfind('\n') + 1)};
    journeys.emplace_back(endedAtHome_, std::stoll(line.substr(line.find(',') + 1)));
  }
  void Notice(std::string_view) override {}
  void ResetCounters() override { boxes_.fill("0"); }
  void ClearTraces(const LatticeDrawing&) override {}
  void DrawLattice(const LatticeDrawing&) override {}
  void StepTaken() override {}

 private:
  std::array<std::string, 5> boxes_{"0", "0", "0", "0", "0"};
  bool endedAtHome_ = false;
};

TEST(WalkStatistics, AgreesWithTheExactAbsorbingChain) {
  const Lattice cases[] = {
      {2, 3, 0.5, true, {0, 0, 0}},    // first return to the origin or the boundary
      {2, 3, 0.5, true, {1, 0, 0}},    // home is a neighbour of the start
      {2, 4, 0.5, false, {1, -2, 0}},  // never absorbed at home
      {1, 5, 0.7, true, {0, 0, 0}},    // drift to the right
      {1, 5, 0.7, true, {-2, 0, 0}},  {3, 3, 0.5, true, {0, 0, 0}},
  };
  constexpr int kJourneys = 20000;
  for (const auto& l : cases) {
    SCOPED_TRACE(::testing::Message() << l.dimension << "D R " << l.radius << " start "
                                      << l.start[0] << "," << l.start[1]);
    testing::FakeSettings settings;
    settings.dimension = l.dimension;
    settings.latticeSize = l.radius;
    settings.rightProbability = l.rightProbability;
    settings.homeAbsorbs = l.homeAbsorbs;
    TallySink sink;
    GeneratorSource source(Xoshiro128(20240611U + static_cast<unsigned>(l.dimension)));
    Walk walk(sink, settings, source);
    walk.state().gridRadius = l.radius;
    walk.state().homeX = l.start[0];
    walk.state().homeY = l.start[1];
    walk.state().posX = walk.state().prevX = l.start[0];
    walk.state().posY = walk.state().prevY = l.start[1];
    for (int i = 0; i < kJourneys; ++i) walk.RunJourney();

    ASSERT_EQ(sink.journeys.size(), static_cast<std::size_t>(kJourneys));
    double home = 0, sum = 0, sumSquares = 0;
    for (const auto& [atHome, length] : sink.journeys) {
      home += atHome ? 1 : 0;
      sum += static_cast<double>(length);
      sumSquares += static_cast<double>(length) * static_cast<double>(length);
    }
    const Outcome exact = Exact(l);
    const double share = home / kJourneys, mean = sum / kJourneys;
    const double shareError = std::sqrt(exact.homeShare * (1 - exact.homeShare) / kJourneys);
    const double meanError = std::sqrt((sumSquares / kJourneys - mean * mean) / kJourneys);
    EXPECT_NEAR(share, exact.homeShare, 5 * shareError) << "exact " << exact.homeShare;
    EXPECT_NEAR(mean, exact.meanLength, 5 * meanError) << "exact " << exact.meanLength;
  }
}

}  // namespace
}  // namespace quirlweg
