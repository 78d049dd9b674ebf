// The lattice view leaves out drawing that would only repaint pixels already holding the same
// colour (long walks draw ever wider traces over covered ground). Whatever is drawn, the
// picture must come out pixel for pixel as if everything had been drawn in full.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "display/picture_area.h"

namespace quirlweg {
namespace {

using Drawing = std::function<void(PictureArea&)>;

constexpr int kRadius = 4;

// A slanted line and a circle far outside the picture: drawn through QPainter, each makes the
// area forget what it knew of its pixels, without changing any.
void Forget(PictureArea& area) {
  area.SetDrawWidth(1);
  area.Line(-100, -100, -99, -97);
  area.Circle(-100, -100, 0, Qt::black);
}

QImage Drawn(const std::vector<Drawing>& drawings, bool inFull) {
  PictureArea area;
  area.resize(183, 151);
  area.Scale(-1.1 * kRadius, -1.06 * kRadius, 1.1 * kRadius, 1.06 * kRadius);
  area.SetBackColor(QColor(224, 224, 224));
  area.SetForeColor(Qt::black);
  for (const Drawing& draw : drawings) {
    if (inFull) Forget(area);
    draw(area);
  }
  return area.Snapshot();
}

// A walk's traces: each edge drawn as wide as it was walked before, then the dot on the new
// point in the same width, as the step draws them.
void AddWalk(std::vector<Drawing>& drawings, int steps, unsigned seed) {
  std::mt19937 random(seed);
  std::map<std::pair<std::pair<int, int>, std::pair<int, int>>, int> walked;
  int x = 0, y = 0;
  for (int i = 0; i < steps; ++i) {
    const int direction = static_cast<int>(random() % 4);
    const int nx = x + (direction == 0) - (direction == 1);
    const int ny = y + (direction == 3) - (direction == 2);
    if (std::abs(nx) > kRadius || std::abs(ny) > kRadius) continue;
    const auto edge = std::minmax({std::pair(x, y), std::pair(nx, ny)});  // holds copies
    const int width = ++walked[edge];
    drawings.push_back([=](PictureArea& a) {
      a.SetDrawWidth(width);
      a.Line(x, y, nx, ny);
      a.PSet(nx, ny);
    });
    x = nx;
    y = ny;
  }
}

TEST(WideTraces, SkippedDrawingLeavesThePictureAsDrawnInFull) {
  struct Case {
    const char* name;
    std::function<std::vector<Drawing>()> make;
  };
  const auto dot = [](double px, double py, int width, QColor color) -> Drawing {
    return [=](PictureArea& a) {
      a.SetDrawWidth(width);
      a.PSet(px, py, color);
    };
  };
  const auto line = [](double x1, double y1, double x2, double y2, int width) -> Drawing {
    return [=](PictureArea& a) {
      a.SetDrawWidth(width);
      a.Line(x1, y1, x2, y2);
    };
  };
  const Case cases[] = {
      {"a long walk, traces growing far wider than the picture",
       [&] {
         std::vector<Drawing> d;
         AddWalk(d, 6000, 1);
         return d;
       }},
      {"thin pieces of one row, apart, then joined",
       [&] {
         return std::vector<Drawing>{line(-4, 0, -3, 0, 1), line(3, 0, 4, 0, 1),
                                     line(0, 0, 1, 0, 1),   line(-3, 0, 3, 0, 1),
                                     line(-4, 0, 4, 0, 3),  line(-2, 0, 2, 0, 2)};
       }},
      {"a wider dot on the end of a thin trace",
       [&] {
         return std::vector<Drawing>{line(-1, 1, 2, 1, 2), dot(2, 1, 9, Qt::black),
                                     line(0, -2, 0, 2, 3), dot(0, 0, 3, Qt::black)};
       }},
  };
  // Between two walks, drawing of every other kind that paints over the traces, each of
  // which the second walk must paint over again.
  const std::pair<const char*, Drawing> between[] = {
      {"a dot in another colour", dot(0, 0, 30, Qt::red)},
      {"a box",
       [](PictureArea& a) {
         a.SetDrawWidth(12);
         a.Line(-2, -2, 2, 2, Qt::blue, LineShape::Box);
       }},
      {"a slanted line",
       [](PictureArea& a) {
         a.SetDrawWidth(15);
         a.Line(-3, -3, 3, 2, Qt::blue);
       }},
      {"a circle",
       [](PictureArea& a) {
         a.SetDrawWidth(10);
         a.Circle(0, 0, 1.5, Qt::green);
       }},
      {"text",
       [](PictureArea& a) {
         a.SetForeColor(Qt::red);
         for (int i = 0; i < 12; ++i) a.Print("Schritte: 17 Schritte: 17 Schritte: 17");
         a.SetForeColor(Qt::black);
       }},
      {"clearing", [](PictureArea& a) { a.Cls(); }},
      {"another foreground colour", [](PictureArea& a) { a.SetForeColor(Qt::darkCyan); }},
  };
  std::vector<Case> all(std::begin(cases), std::end(cases));
  for (const auto& [name, draw] : between) {
    all.push_back({name, [draw] {
                     std::vector<Drawing> d;
                     AddWalk(d, 1500, 2);
                     d.push_back(draw);
                     AddWalk(d, 1500, 3);
                     return d;
                   }});
  }
  for (const Case& c : all) {
    const auto drawings = c.make();
    const QImage quick = Drawn(drawings, false);
    const QImage full = Drawn(drawings, true);
    ASSERT_EQ(quick.size(), full.size()) << c.name;
    int differing = 0;
    for (int y = 0; y < full.height(); ++y) {
      for (int x = 0; x < full.width(); ++x) differing += quick.pixel(x, y) != full.pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << c.name;
  }
}

}  // namespace
}  // namespace quirlweg
