#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "evaluation/exit_places_page.h"
#include "evaluation/start_map_picture.h"
#include "evaluation/sweep_page.h"
#include "figures/number_texts.h"
#include "theory/start_map.h"
#include "window/simulation.h"
#include "window/window_test.h"

namespace quirlweg {
namespace {

constexpr float kDown = 3.5F / 6;

class EvaluationPagesTest : public WindowTest {
 protected:
  // Opens the evaluation on its page `index`.
  void OpenPage(int index) const {
    Click("cmdAuswertung");
    Find<QTabWidget>("tabAuswertung")->setCurrentIndex(index);
  }
};

// The map is laid out as the lattice view is (y as stored grows downward), the mark follows
// the arrow buttons, and the values under the pointer are those of the start it points at,
// with y as the main window shows it (upward).
TEST_F(EvaluationPagesTest, MapMarksTheStartAndReadsTheCellUnderThePointer) {
  OpenPage(1);
  for (const char* button : {"cmdHome(2)", "cmdHome(2)", "cmdHome(1)"}) Click(button);
  const QPoint start(1, -2);
  ASSERT_EQ(QPoint(window_->walk().state().homeX, window_->walk().state().homeY), start);
  auto* picture = window_->findChild<StartMapPicture*>();
  auto* note = Find<QLabel>("lblStartwert");
  const theory::StartMap map =
      *theory::ComputeStartMap({2, 5, 0.5, true, 0, 0}, theory::JourneyEnding::kHome);
  const QString expected = PercentText(map.chance[map.IndexOf(start.x(), start.y())]);
  const auto pointAt = [&](QPointF where) {
    QMouseEvent move(QEvent::MouseMove, where, picture->mapToGlobal(where), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
  };
  EXPECT_TRUE(Eventually([&] {
    pointAt(picture->grid().CellOf(start).center());
    return note->text().contains(expected);
  })) << note->text().toStdString();
  EXPECT_TRUE(note->text().contains(QStringLiteral("x = 1, y = 2"))) << note->text().toStdString();

  const MapGrid& grid = picture->grid();
  EXPECT_EQ(grid.StartAt(grid.cells.topLeft() + QPointF(1, 1)), QPoint(-4, -4));
  EXPECT_EQ(grid.StartAt(grid.cells.bottomRight() - QPointF(1, 1)), QPoint(4, 4));
  EXPECT_FALSE(grid.StartAt(grid.cells.topLeft() - QPointF(1, 1)));
  // The mark's white frame lies just outside the start's cell, and no more around the origin.
  const QImage shown = picture->grab().toImage();
  const auto frameIsWhite = [&](QPoint s) {
    const QRectF cell = grid.CellOf(s);
    const double grow = std::max(2.0, cell.width() * 0.15);
    const QRect frame = cell.adjusted(-grow, -grow, grow, grow).toAlignedRect();
    return shown.pixelColor(frame.left(), frame.center().y()) == QColor(Qt::white);
  };
  EXPECT_TRUE(frameIsWhite(start));
  EXPECT_FALSE(frameIsWhite(QPoint(0, 0)));
}

// Every journey's end cell counts on its side, as the main window's side boxes count it, and
// only the journeys of the setting asked for.
TEST_F(EvaluationPagesTest, ExitTallyCountsEachSettingsJourneysOnTheirCells) {
  Click("chkHeim");
  Click("cmdHome(1)");
  const theory::Setting first{2, 5, 0.5, false, 1, 0};
  const std::vector<std::vector<float>> journeys{
      std::vector<float>(5, kUp), std::vector<float>(4, kRight), std::vector<float>(5, kDown),
      std::vector<float>(6, kLeft)};
  for (const auto& steps : journeys) {
    source_->Play(steps);
    Click("cmdStarten");
  }
  Click("cmdHome(3)");
  source_->Play(std::vector<float>(4, kRight));
  Click("cmdStarten");
  ASSERT_EQ(window_->series().size(), 5U);

  const ExitTally before = TallyExits(window_->series(), first);
  EXPECT_EQ(before.journeys(), 4);
  EXPECT_EQ(before.OnSide(0, 1), 1);  // top at x = 1
  EXPECT_EQ(before.OnSide(1, 0), 1);  // right at y = 0
  EXPECT_EQ(before.OnSide(2, 1), 1);  // bottom at x = 1
  EXPECT_EQ(before.OnSide(3, 0), 1);  // left at y = 0
  const ExitTally after = TallyExits(window_->series(), {2, 5, 0.5, false, 1, 1});
  EXPECT_EQ(after.journeys(), 1);
  EXPECT_EQ(after.OnSide(1, 1), 1);

  const WalkState& state = window_->walk().state();
  const auto sideTotal = [&](int side) {
    std::int64_t total = 0;
    for (int c = -4; c <= 4; ++c) total += before.OnSide(side, c) + after.OnSide(side, c);
    return total;
  };
  EXPECT_EQ(sideTotal(0), static_cast<std::int64_t>(state.hitsTop));
  EXPECT_EQ(sideTotal(1), state.hitsRight.value_or(0));
  EXPECT_EQ(sideTotal(2), state.hitsBottom.value_or(0));
  EXPECT_EQ(sideTotal(3), state.hitsLeft.value_or(0));
}

// Abbrechen stops the workers and leaves no table of the points done so far; the main
// window's walk took no step of it.
TEST_F(EvaluationPagesTest, CancelledSweepLeavesNoTable) {
  OpenPage(3);
  auto* page = window_->findChild<SweepPage*>();
  Find<QSpinBox>("txtReisenJePunkt")->setValue(1'000'000);
  Click("cmdReiheStarten");
  ASSERT_TRUE(page->Running());
  QTest::qWait(200);
  Click("cmdReiheStarten");
  EXPECT_TRUE(Eventually([&] { return !page->Running(); }));
  EXPECT_FALSE(page->table());
  EXPECT_FALSE(Find<QAbstractButton>("cmdReiheSpeichern")->isEnabled());
  EXPECT_TRUE(Find<QAbstractButton>("cmdReiheStarten")->isEnabled());
  EXPECT_EQ(window_->StepsTaken(), 0);
  EXPECT_TRUE(window_->series().empty());
}

}  // namespace
}  // namespace quirlweg
