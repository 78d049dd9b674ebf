#include "window/simulation.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <vector>

#include "common/program_texts.h"
#include "display/focus_ring.h"
#include "display/picture_area.h"
#include "display/qt_text.h"
#include "engine/protocol.h"
#include "window/counted_journeys.h"
#include "window/placement.h"
#include "window/window_test.h"

namespace quirlweg {
namespace {

class SimulationTest : public WindowTest {
 protected:
  std::string Text(const char* name) const { return Find<QLineEdit>(name)->text().toStdString(); }
  void ClickRadio(const char* name) const {
    auto* option = Find<QRadioButton>(name);
    // On the indicator: overlapping neighbours must not take the click.
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
  }
  void Start(const char* mode) const {
    ClickRadio(mode);
    Click("cmdStarten");
  }
  const WalkState& State() const { return window_->walk().state(); }

  // What a picture area shows after printing `text` into a fresh area like `area`.
  static QImage PrintedLike(const PictureArea& area, const std::string& text) {
    PictureArea reference;
    reference.SetFlatBorder(area.FlatBorder());
    reference.setFont(area.font());
    reference.resize(area.size());
    QResizeEvent resized(area.size(), QSize());  // it is never shown
    QCoreApplication::sendEvent(&reference, &resized);
    reference.SetBackColor(area.BackColor());
    reference.SetForeColor(area.ForeColor());
    reference.Cls();
    reference.Print(text);
    return reference.Snapshot();
  }
  void ExpectShows(const char* area, const std::string& text) const {
    auto* shown = Find<PictureArea>(area);
    const QImage expected = PrintedLike(*shown, text);
    ASSERT_EQ(shown->Snapshot().size(), expected.size()) << area;
    EXPECT_TRUE(shown->Snapshot() == expected) << area << " should show \"" << text << '"';
  }
};

TEST_F(SimulationTest, StartsWithTheInitialTexts) {
  // clang-format off
  const std::vector<std::pair<const char*, const char*>> texts{
      {"txtRaster", "-5 ...5"}, {"Text5(0)", "p(links)=0,5"}, {"Text5(1)", "p(rechts)=0,5"},
      {"Text4", "P(t) = "}, {"Text3", " Ebene z = 0"}, {"Text1(0)", "0"}, {"Text1(1)", "0"},
      {"Text1(2)", "0"}, {"Text1(3)", "0"}, {"Text2", "0"}};
  // clang-format on
  for (const auto& [name, text] : texts) EXPECT_EQ(Text(name), text) << name;
  EXPECT_EQ(window_->statistics().ProtocolText(), kProtocolHeader);
  EXPECT_EQ(window_->windowTitle(), "Quirlweg");
  ExpectShows("Picture1", "( 0 , 0 , 0 )");
}

TEST_F(SimulationTest, StartsWithSettingsHiddenAndSelected) {
  for (const char* hidden : {"Text6", "Text5(0)", "Text5(1)", "hscWaRi", "shpWippo2"}) {
    EXPECT_TRUE(Find(hidden)->isHidden()) << hidden;
  }
  EXPECT_FALSE(Find("Image4")->isHidden());
  const std::vector<std::pair<const char*, bool>> checked{
      {"Option1(0)", false}, {"Option1(1)", true},   {"Option1(2)", false}, {"optModus(0)", false},
      {"optModus(1)", true}, {"optModus(2)", false}, {"chkHeim", true},     {"Check1", false}};
  for (const auto& [name, on] : checked) {
    EXPECT_EQ(Find<QAbstractButton>(name)->isChecked(), on) << name;
  }
  EXPECT_EQ(window_->settings().Dimension(), 2);
  EXPECT_EQ(window_->settings().Mode(), RunMode::Journey);
  EXPECT_EQ(window_->settings().DecimalSeparator(), ',');
  for (const char* empty : {"cmdHome(2)", "cmdHome(3)", "cmdStarten"}) {
    EXPECT_TRUE(Find<QPushButton>(empty)->text().isEmpty()) << empty;
  }
  EXPECT_TRUE(Find<QGroupBox>("Frame1")->title().isEmpty());
}

TEST_F(SimulationTest, LatticeSizeSetsRangeTextAndWalkerSize) {
  struct Case {
    int value;
    const char* text;
    double walkerSize;
  };
  auto* bar = Find<QScrollBar>("hscRaster");
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Text("txtRaster"), "-6 ... 6");
  for (const Case& c :
       {Case{2, "-2 ... 2", 0.6}, Case{12, "-12 ... 12", 0.6}, Case{15, "-15 ... 15", 0.6},
        Case{16, "-16 ... 16", 0.64}, Case{20, "-20 ... 20", 0.8}, Case{25, "-25 ... 25", 1.0},
        Case{50, "-50 ... 50", 2.0}}) {
    bar->setValue(c.value);
    EXPECT_EQ(Text("txtRaster"), c.text);
    EXPECT_DOUBLE_EQ(State().walkerSize, c.walkerSize) << c.value;
    EXPECT_EQ(State().gridRadius, c.value);
    // The picture on screen: walkerSize lattice units of a view 2.2 R units wide.
    auto* view = Find<PictureArea>("picAusgabe");
    const double unitPixels = view->Snapshot().width() / (2.2 * c.value);
    const QRect walker = view->ChildPixelRect(Find("Image4"));
    EXPECT_NEAR(walker.width(), c.walkerSize * unitPixels, 1.0) << c.value;
  }
}

TEST_F(SimulationTest, ProbabilityTextsFollowTheScrollBar) {
  struct Case {
    int value;
    const char* left;
    const char* right;
  };
  auto* bar = Find<QScrollBar>("hscWaRi");
  for (const Case& c :
       {Case{0, "p(links)= 1", "p(rechts)= 0"}, Case{100, "p(links)= 0", "p(rechts)= 1"},
        Case{50, "p(links)= .5", "p(rechts)= .5"}, Case{73, "p(links)= .27", "p(rechts)= .73"}}) {
    bar->setValue(c.value);
    EXPECT_EQ(Text("Text5(0)"), c.left) << c.value;
    EXPECT_EQ(Text("Text5(1)"), c.right) << c.value;
    EXPECT_DOUBLE_EQ(window_->settings().RightProbability(), c.value / 100.0);
  }
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(Text("Text5(0)"), "p(links)= .37");
}

TEST_F(SimulationTest, DimensionClickShowsProbabilityControlsAndMovesStartHome) {
  struct Case {
    const char* option;
    int dimension;
    bool probabilityShown;
  };
  for (const Case& c : {Case{"Option1(0)", 1, true}, Case{"Option1(2)", 3, false},
                        Case{"Option1(0)", 1, true}, Case{"Option1(1)", 2, false}}) {
    Click("cmdHome(1)");
    Click("cmdHome(2)");
    ASSERT_EQ(State().homeX, 1);
    ClickRadio(c.option);
    EXPECT_EQ(window_->settings().Dimension(), c.dimension) << c.option;
    EXPECT_EQ(State().homeX, 0) << c.option;
    EXPECT_EQ(State().homeY, 0) << c.option;
    for (const char* name : {"Text5(0)", "Text5(1)", "hscWaRi"}) {
      EXPECT_EQ(Find(name)->isVisible(), c.probabilityShown) << c.option << " " << name;
    }
  }
}

TEST_F(SimulationTest, DimensionSelectedInCodeRunsNoHandler) {
  Click("cmdHome(1)");
  Find<QRadioButton>("Option1(0)")->setChecked(true);
  EXPECT_EQ(window_->settings().Dimension(), 1);
  EXPECT_TRUE(Find("Text5(0)")->isHidden());
  EXPECT_EQ(State().homeX, 1);
}

TEST_F(SimulationTest, StartPointButtonsStayInsideTheBoundary) {
  struct Case {
    const char* button;
    int clicks;
    int homeX, homeY;
    const char* shown;
  };
  for (const Case& c :
       {Case{"cmdHome(1)", 6, 4, 0, "( 4 , 0 , 0 )"}, Case{"cmdHome(0)", 9, -4, 0, "(-4 , 0 , 0 )"},
        Case{"cmdHome(2)", 2, -4, -2, "(-4 , 2 , 0 )"},
        Case{"cmdHome(3)", 9, -4, 4, "(-4 ,-4 , 0 )"}}) {
    for (int i = 0; i < c.clicks; ++i) Click(c.button);
    EXPECT_EQ(State().homeX, c.homeX) << c.button;
    EXPECT_EQ(State().homeY, c.homeY) << c.button;
    ExpectShows("Picture1", c.shown);
  }
}

TEST_F(SimulationTest, SmallerLatticePullsTheStartPointInside) {
  for (int i = 0; i < 4; ++i) Click("cmdHome(1)");
  for (int i = 0; i < 4; ++i) Click("cmdHome(2)");
  ASSERT_EQ(State().homeX, 4);
  auto* bar = Find<QScrollBar>("hscRaster");
  bar->setValue(3);
  EXPECT_EQ(State().homeX, 2);
  EXPECT_EQ(State().homeY, -2);
  EXPECT_EQ(State().posX, 2);
  // From there one step right reaches the boundary and ends the journey.
  Click("cmdStarten");
  EXPECT_EQ(State().journeyCount, 1);
  EXPECT_EQ(State().hitsRight, 1);
  EXPECT_EQ(State().posX, 2);
}

TEST_F(SimulationTest, RunModesFromTheStartButton) {
  struct Case {
    const char* mode;
    int journeys;
    std::int64_t stepsAfter;
  };
  // Always right on a radius-5 lattice: every journey takes five steps.
  for (const Case& c :
       {Case{"optModus(0)", 0, 1}, Case{"optModus(1)", 1, 0}, Case{"optModus(2)", 21, 0}}) {
    const int framesBefore = window_->FramesDrawn();
    Start(c.mode);
    EXPECT_EQ(State().journeyCount, c.journeys) << c.mode;
    EXPECT_EQ(State().stepCount, c.stepsAfter) << c.mode;
    EXPECT_GT(window_->FramesDrawn(), framesBefore) << c.mode;
  }
  EXPECT_EQ(Text("Text1(2)"), " 21");
  EXPECT_EQ(Text("Text1(3)"), "100");
  // The first journey had one single step before "Reise" finished it: 5 steps in all.
  EXPECT_EQ(Text("Text2"), "5");
}

// Tempo positions: 50 steps a second, 10, and the fastest.
constexpr int kTempo50 = 5;
constexpr int kTempo10 = 3;
constexpr int kTempoMax = 10;

TEST_F(SimulationTest, PacedRunPaintsAFrameForEveryStep) {
  Find<QSlider>("sldTempo")->setValue(kTempo50);
  EXPECT_EQ(Find<QLabel>("txtTempo")->text(), "50 Schritte/s");
  const int framesBefore = window_->FramesDrawn();
  Start("optModus(1)");                // five steps right to the boundary
  EXPECT_EQ(State().journeyCount, 0);  // the run goes on in the event loop
  QTRY_VERIFY(!window_->IsPacedRunGoing());
  EXPECT_EQ(State().journeyCount, 1);
  EXPECT_EQ(window_->FramesDrawn() - framesBefore, 5);
}

TEST_F(SimulationTest, StoppedPacedRunLeavesTheJourneyToFinishLater) {
  Click("chkHeim");  // home off: the journey below passes the origin
  // Six steps back and forth, then right to the boundary: eleven steps in all.
  source_->Play({kRight, kLeft, kRight, kLeft, kRight, kLeft});
  Find<QSlider>("sldTempo")->setValue(kTempo10);
  Start("optModus(1)");
  QTRY_VERIFY(State().stepCount >= 2);
  EXPECT_FALSE(Find("Command1")->isEnabled());
  EXPECT_FALSE(Find("hscRaster")->isEnabled());
  EXPECT_FALSE(Find("optModus(2)")->isEnabled());
  EXPECT_TRUE(Find("Check1")->isEnabled());
  EXPECT_TRUE(Find("sldTempo")->isEnabled());
  Click("cmdStarten");  // stop
  ASSERT_FALSE(window_->IsPacedRunGoing());
  const std::int64_t taken = State().stepCount;
  QTest::qWait(150);
  EXPECT_EQ(State().stepCount, taken);
  EXPECT_EQ(State().journeyCount, 0);
  EXPECT_TRUE(Find("Command1")->isEnabled());
  EXPECT_TRUE(Find("optModus(2)")->isEnabled());

  Find<QSlider>("sldTempo")->setValue(kTempoMax);
  Click("cmdStarten");
  EXPECT_EQ(State().journeyCount, 1);
  EXPECT_TRUE(window_->statistics().ProtocolText().ends_with(ProtocolLine(1, 11, 5, 0, 0)));
}

TEST_F(SimulationTest, LongMeanShowsItsFirstDigit) {
  // More than a thousand steps back and forth on the largest lattice, then to the boundary.
  std::vector<float> script;
  for (int i = 0; i < 600; ++i) script.insert(script.end(), {kRight, kLeft});
  source_->Play(script);
  Click("chkHeim");
  auto* size = Find<QScrollBar>("hscRaster");
  size->setValue(size->maximum());
  Start("optModus(1)");
  auto* mean = Find<QLineEdit>("Text2");
  ASSERT_EQ(mean->text(), "1250");
  EXPECT_EQ(mean->cursorPosition(), 0);
}

// The widest texts each box and picture area shows, laid out for screens from 800 x 600 to
// 3840 x 2160: none is cut off (the mean box once cut "3045,96" to "3045,", the step count
// "Schritte:  4148" at the right).
TEST_F(SimulationTest, EveryFigureFitsItsBoxOnEveryScreen) {
  const std::vector<std::pair<const char*, QString>> widest{
      {"Text1(0)", "1001"},          {"Text1(1)", "33,33"},          {"Text1(2)", "1001"},
      {"Text1(3)", "66,66"},         {"Text2", "3045,96"},           {"txtRaster", "-50 ...50"},
      {"Text5(0)", "p(links)=0,55"}, {"Text5(1)", "p(rechts)=0,55"}, {"Text3", " Ebene z = 0"},
      {"Text4", "P(t) = "}};
  const std::vector<std::pair<const char*, QString>> widestPrinted{
      {"picSchritte", "Schritte:  99999 "}, {"Picture1", "(-50 ,-50 ,-50 )"}};
  for (const auto& [width, height] : std::vector<std::pair<int, int>>{
           {800, 600}, {1024, 768}, {1280, 800}, {1920, 1080}, {3840, 2160}}) {
    const Arrangement arrangement = ArrangeControls(width * 15.0, height * 15.0);  // 96 dpi
    for (const ControlPlacement& placement : arrangement.controls) {
      if (QWidget* control = window_->controls().byName.value(ToQString(placement.name))) {
        PlaceControl(*control, placement, 96, 96);
      }
    }
    for (const auto& [name, text] : widest) {
      auto* box = Find<QLineEdit>(name);
      box->setText(text);
      QStyleOptionFrame option;
      option.initFrom(box);
      option.lineWidth =
          box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
      const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
      EXPECT_LE(QFontMetricsF(box->font()).horizontalAdvance(text), room.width() - 4)
          << name << " at " << width << "x" << height;
    }
    for (const auto& [name, text] : widestPrinted) {
      auto* area = Find<PictureArea>(name);
      EXPECT_LE(QFontMetricsF(area->font()).horizontalAdvance(text), area->width() - 2)
          << name << " at " << width << "x" << height;
    }
  }
}

// The arrow keys move a scroll bar the way they point, the mouse wheel only while it has the
// keyboard focus (a turn over "Raster" would wipe traces and counters), and a control with the
// keyboard focus looks different from one without.
TEST_F(SimulationTest, KeyboardMovesScrollBarsAndShowsTheFocus) {
  Click("Option1(0)");  // shows the probability bar
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  for (const auto& [name, start] : {std::pair{"hscRaster", 5}, {"hscWaRi", 50}}) {
    auto* bar = Find<QScrollBar>(name);
    const auto turnWheel = [bar] {
      const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
      QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(bar, &wheel);
    };
    window_->setFocus();
    turnWheel();
    EXPECT_EQ(bar->value(), start) << name;
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(bar->value(), start - 1) << name;
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->value(), start + 1) << name;
    turnWheel();
    EXPECT_NE(bar->value(), start + 1) << name;
  }
  // Tab goes from the lattice view straight to Start and never to a box only the program
  // writes.
  QWidget* lattice = Find("picAusgabe");
  std::vector<QWidget*> stops;
  for (QWidget* w = lattice->nextInFocusChain(); w != lattice && stops.size() < 200;
       w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisible() && w->window() == window_.get()) {
      stops.push_back(w);
    }
  }
  ASSERT_FALSE(stops.empty());
  EXPECT_EQ(stops.front(), Find("cmdStarten")) << stops.front()->objectName().toStdString();
  for (const QWidget* w : stops) {
    EXPECT_FALSE(w->inherits("QLineEdit") || w->inherits("QPlainTextEdit"))
        << w->objectName().toStdString();
  }
  QTest::keyClick(window_.get(), Qt::Key_Tab);  // styles mark the focus once keys move it
  const FocusRing ring(*qApp);
  for (QWidget* control : window_->findChildren<QWidget*>()) {
    if ((control->focusPolicy() & Qt::TabFocus) == 0 || !control->isVisible()) continue;
    control->setFocus(Qt::TabFocusReason);  // as the Tab key gives it
    QApplication::processEvents();
    // Two pixels of the highlight colour just left of the control, where it has room.
    const QPoint left = control->mapTo(window_.get(), QPoint(0, control->height() / 2));
    if (left.x() >= 2) {
      const QImage around = window_->grab(QRect(left - QPoint(2, 0), QSize(2, 1))).toImage();
      const QColor highlight = control->palette().color(QPalette::Active, QPalette::Highlight);
      EXPECT_EQ(around.pixelColor(0, 0), highlight) << control->objectName().toStdString();
      EXPECT_EQ(around.pixelColor(1, 0), highlight) << control->objectName().toStdString();
    }
    const QImage focused = control->grab().toImage();
    window_->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_NE(control->grab().toImage(), focused) << control->objectName().toStdString();
  }
}

// Beside the evaluation the window lays itself out for the part of the screen it is given,
// and for the whole screen again once it has it back. Made smaller, it keeps the traces in
// view and shows the step count whole in its smaller font.
TEST_F(SimulationTest, LaysItselfOutForTheAreaItIsGiven) {
  Start("optModus(1)");
  const auto tracePixels = [this] {
    const QImage shown = Find<PictureArea>("picAusgabe")->Snapshot();
    int count = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) count += shown.pixelColor(x, y) == Qt::black;
    }
    return count;
  };
  ASSERT_GT(tracePixels(), 0);
  const QScreen* screen = window_->screen();
  const double dpiX = screen->logicalDotsPerInchX();
  const double dpiY = screen->logicalDotsPerInchY();
  const auto scalesFor = [&](QSize pixels) {
    const Arrangement a =
        ArrangeControls(PixelsToTwips(pixels.width(), dpiX), PixelsToTwips(pixels.height(), dpiY));
    return std::pair{a.scaleX, a.scaleY};
  };
  const QRect area(0, 0, 720, 540);
  window_->LayOutFor(area);
  const QRect client = window_->geometry();
  EXPECT_TRUE(area.contains(client)) << client.width() << "x" << client.height();
  EXPECT_EQ(std::pair(window_->CurrentArrangement().scaleX, window_->CurrentArrangement().scaleY),
            scalesFor(client.size()));
  EXPECT_GT(tracePixels(), 0);
  ExpectShows("picSchritte", Find<PictureArea>("picSchritte")->ShownText());
  window_->LayOutFor(std::nullopt);
  EXPECT_EQ(std::pair(window_->CurrentArrangement().scaleX, window_->CurrentArrangement().scaleY),
            scalesFor(screen->geometry().size()));
}

TEST_F(SimulationTest, ScreenReadersReadThePrintedValues) {
  Start("optModus(0)");
  const auto value = [this](const char* name) {
    return QAccessible::queryAccessibleInterface(Find(name))->text(QAccessible::Value);
  };
  EXPECT_EQ(value("picSchritte"), "Schritte:  1 ");
  EXPECT_EQ(value("Picture1"), "( 1 , 0 , 0 )");
  Start("optModus(1)");
  EXPECT_EQ(value("picRandtreffer(1)"), " 1 ");
}

TEST_F(SimulationTest, FrameAtTheEndOfARunShowsTheWalkerWhereItStands) {
  auto* view = Find<PictureArea>("picAusgabe");
  QWidget* walker = Find("Image4");
  const QRect before = walker->geometry();
  Start("optModus(0)");
  const QRect placed = view->ChildPixelRect(walker).translated(1, 1);  // inside the border
  EXPECT_NE(placed, before);
  EXPECT_EQ(walker->geometry(), placed);
  // Laid out anew, as on a resize, the lattice is drawn again and the walker stays put.
  window_->ArrangeControls();
  EXPECT_EQ(view->ChildPixelRect(walker).translated(1, 1), placed);
}

TEST_F(SimulationTest, SharesAndMeanUseTheLocaleSeparator) {
  // Home after two steps (right, left), then two boundary journeys of five steps.
  source_->Play({kRight, kLeft});
  Click("cmdStarten");
  Click("cmdStarten");
  Click("cmdStarten");
  EXPECT_EQ(Text("Text1(0)"), " 1");
  EXPECT_EQ(Text("Text1(1)"), "33,33");
  EXPECT_EQ(Text("Text1(2)"), " 2");
  EXPECT_EQ(Text("Text1(3)"), "66,66");
  EXPECT_EQ(Text("Text2"), "4");
}

TEST_F(SimulationTest, ProtocolCheckBoxShowsAndHidesTheList) {
  Click("cmdStarten");
  const std::string protocol = window_->statistics().ProtocolText();
  ASSERT_NE(protocol, kProtocolHeader);
  Click("Check1");
  EXPECT_TRUE(Find("Text6")->isVisible());
  EXPECT_TRUE(Find<QPlainTextEdit>("Text6")->toPlainText().contains("( 5, 0, 0)"));
  Click("Check1");
  EXPECT_FALSE(Find("Text6")->isVisible());
  EXPECT_EQ(window_->statistics().ProtocolText(), protocol);
}

TEST_F(SimulationTest, ClearButtonsResetTracesOrCounters) {
  Click("cmdStarten");
  const int r = State().gridRadius;
  ASSERT_GT(State().hEdgeVisits[r][r], 1);
  Click("Command2");
  EXPECT_EQ(State().journeyCount, 0);
  EXPECT_EQ(Text("Text1(2)"), "0");
  EXPECT_GT(State().hEdgeVisits[r][r], 1);  // the counter reset keeps the traces
  ExpectShows("Picture1", "(0, 0, 0)");
  ExpectShows("picRandtreffer(1)", " 0 ");
  Click("Command1");
  EXPECT_EQ(State().hEdgeVisits[r][r], 1);
}

TEST_F(SimulationTest, HomeAbsorptionSwitchRestartsOnAFreshLattice) {
  const QImage fresh = Find<PictureArea>("picAusgabe")->Snapshot();
  Start("optModus(0)");
  Start("optModus(0)");
  ASSERT_EQ(State().posX, 2);
  Click("chkHeim");
  EXPECT_FALSE(window_->settings().HomeAbsorbs());
  EXPECT_EQ(State().posX, 0);
  EXPECT_EQ(State().stepCount, 2);
  EXPECT_EQ(State().hEdgeVisits[5][5], 1);
  Click("chkHeim");
  EXPECT_EQ(Find<PictureArea>("picAusgabe")->Snapshot(), fresh);
}

TEST_F(SimulationTest, ClearingTracesDrawsNoHomeCircleWhenHomeDoesNotAbsorb) {
  const QImage withHome = Find<PictureArea>("picAusgabe")->Snapshot();
  Click("chkHeim");
  const QImage withoutHome = Find<PictureArea>("picAusgabe")->Snapshot();
  ASSERT_NE(withoutHome, withHome);
  Start("optModus(0)");
  Click("Command1");
  EXPECT_EQ(Find<PictureArea>("picAusgabe")->Snapshot(), withoutHome);
}

TEST_F(SimulationTest, ResizeRedrawsTheLatticeButKeepsPlacesAndCounters) {
  const QImage fresh = Find<PictureArea>("picAusgabe")->Snapshot();
  const QRect placed = Find("picAusgabe")->geometry();
  Click("cmdStarten");
  ASSERT_NE(Find<PictureArea>("picAusgabe")->Snapshot(), fresh);
  window_->resize(window_->size() / 2);
  QApplication::sendPostedEvents();
  window_->ArrangeControls();
  EXPECT_EQ(Find("picAusgabe")->geometry(), placed);
  EXPECT_EQ(Find<PictureArea>("picAusgabe")->Snapshot(), fresh);
  EXPECT_EQ(State().journeyCount, 1);
  EXPECT_EQ(Text("Text1(2)"), " 1");
}

TEST_F(SimulationTest, ControlsSitWhereTheLayoutSaysOnThisScreen) {
  const QScreen* screen = window_->screen();
  const double dpiX = screen->logicalDotsPerInchX();
  const double dpiY = screen->logicalDotsPerInchY();
  const Arrangement expected = ArrangeControls(PixelsToTwips(screen->geometry().width(), dpiX),
                                               PixelsToTwips(screen->geometry().height(), dpiY));
  for (const char* name : {"picAusgabe", "Frame1", "Text1(3)", "cmdHome(2)", "Text6"}) {
    const ControlPlacement& row = *expected.Find(name);
    const QRect actual = Find(name)->geometry();
    EXPECT_NEAR(actual.left(), row.left * dpiX / kTwipsPerInch, 0.5) << name;
    EXPECT_NEAR(actual.top(), row.top * dpiY / kTwipsPerInch, 0.5) << name;
    EXPECT_NEAR(actual.width(), row.width * dpiX / kTwipsPerInch, 1.0) << name;
    EXPECT_NEAR(actual.height(), row.height * dpiY / kTwipsPerInch, 1.0) << name;
    if (row.fontSize) {
      EXPECT_DOUBLE_EQ(Find(name)->font().pointSizeF(), *row.fontSize) << name;
    }
  }
}

// At full speed the notice holds the click; in a paced run it holds the run, whose timer keeps
// firing in the notice's event loop, and the run goes on after OK.
TEST_F(SimulationTest, NoticeAtJourney1002HoldsTheRunUntilClosed) {
  Find<QScrollBar>("hscRaster")->setValue(2);  // two steps a journey
  const auto* counted = new CountedJourneys(*window_);
  for (const int tempo : {kTempoMax, kTempo50}) {
    SCOPED_TRACE(tempo);
    Find<QSlider>("sldTempo")->setValue(kTempoMax);
    for (int i = 0; i < 50; ++i) Start("optModus(2)");
    Start("optModus(1)");
    ASSERT_EQ(State().journeyCount, 1001);
    EXPECT_EQ(counted->Text(), "");  // the boxes count the whole series

    QString caption;
    QString text;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        caption = box->windowTitle();
        text = box->text();
        box->accept();
      }
    });
    closer.start();
    Find<QSlider>("sldTempo")->setValue(tempo);
    Start("optModus(2)");
    QTRY_VERIFY(!window_->IsPacedRunGoing());
    closer.stop();

    EXPECT_EQ(caption, "Quirlweg");
    EXPECT_EQ(text, "Achtung: Ab n=1000 wird die Liste neu begonnen");
    // The 1002nd journey restarted the counters; the other nineteen counted afresh.
    EXPECT_EQ(State().journeyCount, 19);
    EXPECT_EQ(Text("Text1(2)"), " 19");
    EXPECT_EQ(counted->Text(), "Reisen 1003–1021");
    EXPECT_TRUE(Find("Command2")->isEnabled());
    Click("Command2");
    EXPECT_EQ(window_->statistics().ProtocolText(), kProtocolHeader);
  }
}

TEST_F(SimulationTest, EndButtonClosesTheWindow) {
  ASSERT_TRUE(window_->isVisible());
  Click("cmdEnde");
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace quirlweg
