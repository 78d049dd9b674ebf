// Heat traces over a long run: they leave the lattice readable, show every edge's count, and
// switching back gives the classic picture.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <memory>

#include "display/heat_scale.h"
#include "display/palette.h"
#include "display/picture_area.h"
#include "engine/uniform_source.h"
#include "window/contrast_choice.h"
#include "window/simulation.h"
#include "window/trace_style_choice.h"

namespace quirlweg {
namespace {

QPoint PixelAt(const PictureArea& area, double x, double y) {
  const QPointF p = area.ToPixel(x, y);
  return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

TEST(HeatTraces, KeepTheLatticeReadableAndSwitchBackToTheClassicPicture) {
  constexpr int kRadius = 5;
  Simulation window(std::make_unique<GeneratorSource>(Xoshiro128(11)));
  auto* choice = new TraceStyleChoice(window);
  window.show();
  auto& view = *window.findChild<PictureArea*>(QStringLiteral("picAusgabe"));
  window.findChild<QScrollBar*>(QStringLiteral("hscRaster"))->setValue(kRadius);
  ASSERT_TRUE(window.findChild<QCheckBox*>(QStringLiteral("chkHeim"))->isChecked());
  window.findChild<QRadioButton*>(QStringLiteral("optModus(2)"))->click();
  // 1000 journeys, short of the restart notice: the classic traces bury the middle by then.
  for (int i = 0; i < 50; ++i) {
    window.findChild<QAbstractButton*>(QStringLiteral("cmdStarten"))->click();
  }
  const QImage classic = view.Snapshot();
  const WalkState& state = window.walk().state();
  ASSERT_GT(state.hEdgeVisits[kRadius][kRadius], 100);
  int most = 0;
  for (const EdgeVisits* counts : {&state.hEdgeVisits, &state.vEdgeVisits}) {
    for (const auto& column : *counts) {
      for (const int count : column) most = std::max(most, count - 1);
    }
  }

  choice->action()->trigger();
  const QImage heat = view.Snapshot();
  const QColor back = view.BackColor();
  for (int x = -kRadius; x <= kRadius; ++x) {
    for (int y = -kRadius; y <= kRadius; ++y) {
      SCOPED_TRACE(::testing::Message() << "(" << x << ", " << y << ")");
      EXPECT_EQ(heat.pixelColor(PixelAt(view, x, y)), PaletteColor(3));
      if (x == kRadius || y == kRadius) continue;
      // The background between the edges, the home circle's cell aside.
      if (x != 0 && x != -1 && y != 0 && y != -1) {
        EXPECT_EQ(heat.pixelColor(PixelAt(view, x + 0.5, y + 0.5)), back);
      }
      // Each walked edge in its count's colour, away from the home circle; counts start at 1.
      const int visits = state.hEdgeVisits[x + kRadius][y + kRadius] - 1;
      if (visits > 0 && (y != 0 || (x != 0 && x != -1))) {
        EXPECT_EQ(heat.pixelColor(PixelAt(view, x + 0.5, y)),
                  HeatColour(HeatShare(visits, HeatTopFor(most))));
      }
    }
  }
  EXPECT_EQ(heat.pixelColor(PixelAt(view, 0.5, 0)), PaletteColor(9));  // the home circle

  choice->action()->trigger();
  EXPECT_TRUE(view.Snapshot() == classic);

  // Strong colours for a weak projector keep the traces, and switching back the classic picture.
  auto* contrast = new ContrastChoice(window);
  contrast->action()->trigger();
  const QImage strong = view.Snapshot();
  EXPECT_EQ(view.BackColor(), QColor(Qt::white));
  // The boundary's corner, which no journey reaches.
  EXPECT_EQ(strong.pixelColor(PixelAt(view, kRadius, kRadius) + QPoint(2, 2)),
            QColor::fromRgb(0x0000A0));
  EXPECT_EQ(strong.pixelColor(PixelAt(view, kRadius - 1, kRadius - 1)), QColor(Qt::black));
  contrast->action()->trigger();
  EXPECT_TRUE(view.Snapshot() == classic);
}

// Drawn step by step, the traces look exactly as a redraw from the visit counts does: after
// every frame of a run paced by the timer and after every run at the fastest tempo, in either
// style. A small lattice gives wide heat pens, which overlap where edges meet.
TEST(TracesWhileWalking, EveryFrameShowsWhatARedrawFromTheCountsShows) {
  constexpr int kTempo50 = 5;  // slider positions
  constexpr int kTempoMax = 10;
  struct Case {
    const char* name;
    bool heat;
    int tempo;
    int runs;
  };
  for (const Case& c :
       {Case{"classic, 50 steps/s", false, kTempo50, 4},
        Case{"heat, 50 steps/s", true, kTempo50, 4}, Case{"classic, max", false, kTempoMax, 30},
        Case{"heat, max", true, kTempoMax, 30}}) {
    SCOPED_TRACE(c.name);
    Simulation window(std::make_unique<GeneratorSource>(Xoshiro128(7)));
    auto* choice = new TraceStyleChoice(window);
    window.show();
    auto& view = *window.findChild<PictureArea*>(QStringLiteral("picAusgabe"));
    window.findChild<QScrollBar*>(QStringLiteral("hscRaster"))->setValue(4);
    window.findChild<QSlider*>(QStringLiteral("sldTempo"))->setValue(c.tempo);
    window.findChild<QRadioButton*>(QStringLiteral("optModus(1)"))->click();
    if (c.heat) choice->action()->trigger();
    int compared = 0;
    int differing = 0;
    const auto compare = [&] {
      const QImage shown = view.Snapshot();
      const WalkState& state = window.walk().state();
      window.lattice().RedrawTraces(state.hEdgeVisits, state.vEdgeVisits);
      ++compared;
      if (!(view.Snapshot() == shown)) ++differing;
    };
    for (int run = 0; run < c.runs; ++run) {
      window.findChild<QAbstractButton*>(QStringLiteral("cmdStarten"))->click();
      int frames = window.FramesDrawn();
      while (window.IsPacedRunGoing()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (window.FramesDrawn() != frames) {
          frames = window.FramesDrawn();
          compare();
        }
      }
      compare();
    }
    // Paced, the journeys' frames were compared one by one.
    if (c.tempo != kTempoMax) {
      EXPECT_GT(compared, 10 * c.runs);
    }
    EXPECT_EQ(differing, 0) << "of " << compared << " pictures";
  }
}

}  // namespace
}  // namespace quirlweg
