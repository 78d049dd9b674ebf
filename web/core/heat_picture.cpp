#include "heat_picture.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "picture/heat_colours.h"
#include "picture/lattice_frame.h"

namespace quirlweg::web {
namespace {

struct WalkedEdge {
  int visits;
  int i, j;
  bool vertical;

  auto Key() const { return std::tie(visits, i, j, vertical); }
};

std::vector<WalkedEdge> WalkedEdgesOf(const EdgeVisits& horizontal, const EdgeVisits& vertical,
                                      int radius) {
  std::vector<WalkedEdge> edges;
  const int side = std::min(2 * radius + 1, kEdgeIndexCount);
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      const auto at = [&](const EdgeVisits& counts) {
        return counts[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
      };
      if (at(horizontal) > 1) edges.push_back({at(horizontal) - 1, i, j, false});
      if (at(vertical) > 1) edges.push_back({at(vertical) - 1, i, j, true});
    }
  }
  std::sort(edges.begin(), edges.end(),
            [](const WalkedEdge& a, const WalkedEdge& b) { return a.Key() < b.Key(); });
  return edges;
}

}  // namespace

HeatPicture HeatPictureOf(const EdgeVisits& horizontal, const EdgeVisits& vertical, int radius,
                          double spacing) {
  const std::vector<WalkedEdge> edges = WalkedEdgesOf(horizontal, vertical, radius);
  const int most = edges.empty() ? 0 : edges.back().visits;
  const HeatScale scale(HeatPenWidthFor(spacing), HeatTopFor(most));
  HeatPicture picture;
  picture.top = scale.Top();
  picture.widestPen = scale.WidestPen();
  const bool rings = scale.WidestPen() > PointWidthFor(radius);
  std::vector<bool> walked(static_cast<std::size_t>(kEdgeIndexCount * kEdgeIndexCount));
  const auto notePoint = [&](int i, int j) {
    if (i < 0 || j < 0 || i >= kEdgeIndexCount || j >= kEdgeIndexCount) return;
    walked[static_cast<std::size_t>(i * kEdgeIndexCount + j)] = true;
  };
  for (const WalkedEdge& e : edges) {
    const Rgb colour = scale.Colour(e.visits);
    const int width = scale.Width(e.visits);
    if (picture.pens.empty() || picture.pens.back().colour != colour ||
        picture.pens.back().width != width) {
      picture.pens.push_back({colour, width, {}});
    }
    const int x = e.i - radius;
    const int y = e.j - radius;
    const int toX = e.vertical ? x : x + 1;
    const int toY = e.vertical ? y + 1 : y;
    picture.pens.back().segments.insert(picture.pens.back().segments.end(), {x, y, toX, toY});
    notePoint(e.i, e.j);
    notePoint(toX + radius, toY + radius);
  }
  for (int i = 0; i < kEdgeIndexCount; ++i) {
    for (int j = 0; j < kEdgeIndexCount; ++j) {
      if (!walked[static_cast<std::size_t>(i * kEdgeIndexCount + j)]) continue;
      const int x = i - radius;
      const int y = j - radius;
      picture.walkedPoints.insert(picture.walkedPoints.end(), {x, y});
      if (rings && std::abs(x) < radius && std::abs(y) < radius) {
        picture.ringedPoints.insert(picture.ringedPoints.end(), {x, y});
      }
    }
  }
  return picture;
}

}  // namespace quirlweg::web
