// The real window under thousands of random actions of a person: clicks on every button,
// option button and check box, both scroll bars over their whole ranges, resizing, minimising
// and restoring, garbage typed into the count boxes and the protocol, and runs in every mode
// and dimension. After every action the window's state and texts are checked.
//
// The run is reproducible from its seed, which it prints. QUIRLWEG_MONKEY_SEED sets the seed,
// QUIRLWEG_MONKEY_ACTIONS the number of actions.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/program_texts.h"
#include "engine/protocol.h"
#include "engine/uniform_source.h"
#include "evaluation/evaluation.h"
#include "window_rig.h"

namespace quirlweg::robustness {
namespace {

constexpr std::uint64_t kDefaultSeed = 0x5175697277656701;  // "Quirlweg" and a 1
constexpr int kDefaultActions = 4000;
// Actions of one phase. Phases take turns: in a wild one anything may happen; a long haul
// keeps the lattice small and the counters running, so that the protocol fills up and starts
// over.
constexpr int kPhaseLength = 250;
// Runs of whole journeys on a larger lattice are mostly preceded by a smaller lattice.
constexpr int kLargeRadius = 12;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const QByteArray value = qgetenv(name);
  if (value.isEmpty()) return fallback;
  bool ok = false;
  const std::uint64_t parsed = value.toULongLong(&ok, 0);
  return ok ? parsed : fallback;
}

// What the actions reached, so that a run can tell whether it tried all it should.
struct Coverage {
  std::set<std::pair<RunMode, int>> runs;  // mode and dimension of every click on start
  std::set<int> radii;                     // every lattice size set
  std::set<int> probabilities;             // every right-step probability set
  int startPulledIn = 0;                   // smaller lattices that moved the start point
  int notices = 0;
};

class Monkey {
 public:
  explicit Monkey(std::uint64_t seed) : random_(seed), closer_([this] { WhileNoticeOpen(); }) {
    OpenWindow();
  }

  // Plays `count` actions and stops at the first one after which something is wrong. The
  // answer is empty when nothing was, else the problems and every action up to them.
  std::string Play(int count) {
    for (int i = 0; i < count; ++i) {
      if (i % kPhaseLength == 0) StartPhase(i / kPhaseLength % 2 == 1);
      const int noticesBefore = closer_.Closed();
      const int radiusBefore = State().gridRadius;
      const std::pair homeBefore{State().homeX, State().homeY};
      PlayOne();
      coverage_.notices += closer_.Closed() - noticesBefore;
      if (State().gridRadius < radiusBefore &&
          std::pair{State().homeX, State().homeY} != homeBefore) {
        ++coverage_.startPulledIn;
      }
      coverage_.radii.insert(Control<QScrollBar>("hscRaster")->value());
      coverage_.probabilities.insert(Control<QScrollBar>("hscWaRi")->value());
      QCoreApplication::processEvents();  // the event loop between two actions
      for (std::string& problem : Problems(*window_)) problems_.push_back(problem);
      if (!problems_.empty()) return Report();
    }
    return {};
  }

  const Coverage& Reached() const { return coverage_; }
  std::int64_t Journeys() const { return journeys_; }
  std::int64_t Steps() const { return steps_; }
  int Windows() const { return windows_; }

 private:
  using Action = void (Monkey::*)();
  struct Choice {
    Action action;
    int wild;      // weight in a wild phase
    int longHaul;  // weight in a long haul
  };

  // ---- choosing --------------------------------------------------------------------------

  int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  bool Chance(int percent) { return Below(100) < percent; }

  void PlayOne() {
    // clang-format off
    static constexpr std::array<Choice, 17> kChoices{{
        {&Monkey::ClickStart, 22, 45},       {&Monkey::ClickStartPoint, 8, 8},
        {&Monkey::ClickDimension, 6, 5},     {&Monkey::ClickMode, 8, 12},
        {&Monkey::ClickHomeAbsorbs, 3, 3},   {&Monkey::ClickProtocol, 4, 4},
        {&Monkey::ClickClearTraces, 3, 2},   {&Monkey::ClickClearCounters, 2, 0},
        {&Monkey::MoveLatticeBar, 8, 0},     {&Monkey::MoveProbabilityBar, 5, 4},
        {&Monkey::Resize, 3, 2},             {&Monkey::MinimiseAndRestore, 2, 1},
        {&Monkey::TypeGarbage, 8, 4},        {&Monkey::PressKey, 6, 3},
        {&Monkey::ClickEnd, 1, 0},           {&Monkey::MoveTempo, 4, 0},
        {&Monkey::ClickEvaluation, 2, 1}}};
    // clang-format on
    int total = 0;
    for (const Choice& c : kChoices) total += longHaul_ ? c.longHaul : c.wild;
    int pick = Below(total);
    for (const Choice& c : kChoices) {
      pick -= longHaul_ ? c.longHaul : c.wild;
      if (pick < 0) return (this->*c.action)();
    }
  }

  void StartPhase(bool longHaul) {
    longHaul_ = longHaul;
    if (!longHaul) return;
    // At full speed, so that the protocol fills up whatever the machine's pace.
    auto* tempo = Control<QSlider>("sldTempo");
    tempo->setValue(tempo->maximum());
    auto* bar = Control<QScrollBar>("hscRaster");
    const int radius = Between(2, 4);
    Log("long haul: tempo max, lattice dragged to " + std::to_string(radius));
    DragTo(bar, radius);
    ClickOneOf({"optModus(2)"});
  }

  // ---- actions ---------------------------------------------------------------------------

  void ClickStart() {
    const WalkState& s = State();
    const RunMode mode = window_->settings().Mode();
    if (mode != RunMode::Step && s.gridRadius > kLargeRadius && Chance(75)) {
      Log("lattice dragged smaller before a run");
      DragTo(Control<QScrollBar>("hscRaster"), Between(2, 8));
    }
    static constexpr std::array<const char*, 3> kModes{"a step", "a journey", "20 journeys"};
    Log("start: " + std::string(kModes[static_cast<std::size_t>(mode)]) + " in " +
        std::to_string(window_->settings().Dimension()) + "D, radius " +
        std::to_string(s.gridRadius) + ", home absorbs " +
        (window_->settings().HomeAbsorbs() ? "on" : "off") + ", from " + std::to_string(s.posX) +
        "," + std::to_string(s.posY) + "," + std::to_string(s.posZ));

    coverage_.runs.insert({mode, window_->settings().Dimension()});
    const int before = s.journeyCount;
    const int noticesBefore = closer_.Closed();
    const std::int64_t stepsBefore = s.lengthSum + s.stepCount;
    ClickControl(Control("cmdStarten"));
    const PacedEnd paced = window_->IsPacedRunGoing() ? FollowPacedRun() : PacedEnd::NotPaced;
    if (paced == PacedEnd::WindowClosed) return;
    const int notices = closer_.Closed() - noticesBefore;
    const int after = s.journeyCount;

    // Every journey run counts once, and each 1002nd starts the statistics over. A paced run
    // stopped early ends fewer.
    int ended = 20;
    if (mode == RunMode::Journey) ended = 1;
    constexpr int kListLength = kJourneysBeforeRestart + 1;
    if (mode == RunMode::Step) ended = (after != before || notices > 0) ? 1 : 0;
    if (paced == PacedEnd::Stopped) {
      const int counted = after - before + notices * kListLength;
      if (counted > ended) Problem("a stopped run counted " + std::to_string(counted));
      ended = std::max(counted, 0);
    }
    if (after != (before + ended) % kListLength || notices != (before + ended) / kListLength) {
      Problem("after " + std::to_string(before) + " journeys and " + std::to_string(notices) +
              " notices the count is " + std::to_string(after));
    }
    for (int i = noticesBefore; i < closer_.Closed(); ++i) {
      if (closer_.Texts()[i].toStdString() != kRestartNotice ||
          closer_.Captions()[i] != "Quirlweg") {
        Problem("unexpected notice \"" + closer_.Texts()[i].toStdString() + '"');
      }
    }
    if (!EdgeWithinTables(s)) {
      Problem("edge (" + std::to_string(s.edgeX) + ", " + std::to_string(s.edgeY) +
              ") outside the tables of radius " + std::to_string(s.gridRadius));
    }
    journeys_ += ended;
    if (notices == 0) steps_ += s.lengthSum + s.stepCount - stepsBefore;
  }

  enum class PacedEnd { NotPaced, Finished, Stopped, WindowClosed };

  // A paced run goes on while the event loop runs: meanwhile a person may change the tempo,
  // resize the window or show the protocol, and then stop the run with the start button or
  // Esc, end the program, or wait for the run's end.
  PacedEnd FollowPacedRun() {
    for (int slice = Between(1, 8); slice > 0 && window_->IsPacedRunGoing(); --slice) {
      QTest::qWait(Between(1, 30));
      if (!window_->IsPacedRunGoing()) break;
      switch (Below(6)) {
        case 0:
          MoveTempo();
          break;
        case 1:
          Resize();
          break;
        case 2:
          ClickProtocol();
          break;
        default:
          break;
      }
    }
    if (window_->IsPacedRunGoing()) {
      if (!WalkControlsEnabled(false)) Problem("a control that changes the walk is live mid-run");
      switch (Below(4)) {
        case 0:
          Log("mid-run: stop with the start button");
          ClickControl(Control("cmdStarten"));
          break;
        case 1: {
          QWidget* target = window_->focusWidget() ? window_->focusWidget() : window_.get();
          Log("mid-run: stop with Esc on " + target->objectName().toStdString() + " " +
              target->metaObject()->className());
          QTest::keyClick(target, Qt::Key_Escape);
        } break;
        case 2:
          ClickEnd();
          return PacedEnd::WindowClosed;
        default:
          Log("mid-run: wait for the end");
          if (!QTest::qWaitFor([this] { return !window_->IsPacedRunGoing(); }, 400)) {
            ClickControl(Control("cmdStarten"));
          }
          break;
      }
      if (window_->IsPacedRunGoing()) Problem("the paced run went on after it was stopped");
      if (!WalkControlsEnabled(true)) Problem("controls stayed disabled after the paced run");
      return PacedEnd::Stopped;
    }
    return PacedEnd::Finished;
  }

  bool WalkControlsEnabled(bool enabled) const {
    for (const char* name : {"hscRaster", "chkHeim", "Command1", "Command2", "cmdHome(0)",
                             "Option1(1)", "optModus(0)"}) {
      if (Control(name)->isEnabled() != enabled) return false;
    }
    return true;
  }

  // Mostly fast tempos, so that paced runs end within the test's time.
  void MoveTempo() {
    auto* slider = Control<QSlider>("sldTempo");
    const int position = Chance(80) ? Between(slider->maximum() - 3, slider->maximum())
                                    : Between(0, slider->maximum());
    Log("tempo slider to " + std::to_string(position));
    slider->setValue(position);
  }

  void ClickStartPoint() {
    static constexpr std::array<const char*, 4> kButtons{"cmdHome(0)", "cmdHome(1)", "cmdHome(2)",
                                                         "cmdHome(3)"};
    const char* name = kButtons[static_cast<std::size_t>(Below(4))];
    const int clicks = Between(1, 6);
    Log(std::to_string(clicks) + " clicks on " + name);
    for (int i = 0; i < clicks; ++i) ClickControl(Control(name));
  }

  void ClickDimension() { ClickOneOf({"Option1(0)", "Option1(1)", "Option1(2)"}); }
  void ClickMode() {
    // A long haul mostly runs twenty journeys at a time.
    if (longHaul_ && Chance(80)) return ClickOneOf({"optModus(2)"});
    ClickOneOf({"optModus(0)", "optModus(1)", "optModus(2)"});
  }
  void ClickHomeAbsorbs() { ClickOneOf({"chkHeim"}); }

  // Opens the evaluation window, which then follows the runs and settings, or closes it.
  void ClickEvaluation() {
    auto* evaluation = window_->findChild<QWidget*>(QStringLiteral("frmAuswertung"));
    if (evaluation != nullptr && evaluation->isVisible() && Chance(50)) {
      Log("click on cmdSchliessen");
      ClickControl(Find<QWidget>(*evaluation, "cmdSchliessen"));
      return;
    }
    ClickOneOf({"cmdAuswertung"});
  }
  void ClickProtocol() { ClickOneOf({"Check1"}); }
  void ClickClearTraces() { ClickOneOf({"Command1"}); }

  void ClickClearCounters() { ClickOneOf({"Command2"}); }

  void ClickEnd() {
    Log("click on cmdEnde, then a new window");
    ClickControl(Control("cmdEnde"));
    if (window_->isVisible()) Problem("the end button left the window open");
    OpenWindow();
  }

  void MoveLatticeBar() {
    auto* bar = Control<QScrollBar>("hscRaster");
    MoveBar(bar, "hscRaster", Chance(70) ? Between(2, 8) : Between(2, 50));
  }

  void MoveProbabilityBar() {
    auto* bar = Control<QScrollBar>("hscWaRi");
    if (bar->isVisible()) return MoveBar(bar, "hscWaRi", Between(0, 100));
    ClickDimension();  // a person must first choose one dimension to reach it
  }

  void Resize() {
    const QSize screen = window_->screen()->availableGeometry().size();
    const QSize minimum = window_->minimumSize();
    const QSize size(Between(minimum.width(), screen.width() + 200),
                     Between(minimum.height(), screen.height() + 200));
    Log("resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
    if (!window_->isVisible() || window_->isMinimized()) window_->showNormal();
    window_->resize(size);
  }

  void MinimiseAndRestore() {
    const bool maximise = Chance(40);
    Log(std::string("minimise, then ") + (maximise ? "maximise" : "restore"));
    window_->showMinimized();
    QCoreApplication::processEvents();
    for (std::string& problem : Problems(*window_)) Problem("while minimised: " + problem);
    if (maximise) {
      window_->showMaximized();
    } else {
      window_->showNormal();
    }
  }

  void TypeGarbage() {
    static constexpr std::array<const char*, 6> kBoxes{"Text1(0)", "Text1(1)", "Text1(2)",
                                                       "Text1(3)", "Text2",    "Text6"};
    const char* name = kBoxes[static_cast<std::size_t>(Below(6))];
    QWidget* box = Control(name);
    if (!box->isVisible()) return ClickProtocol();  // the list must be shown to be typed into
    const QString text = Garbage();
    const bool replace = Chance(50);
    Log(std::string("type \"") + text.left(40).toStdString() + (text.size() > 40 ? "...\"" : "\"") +
        (replace ? " over all of " : " into ") + name);
    const std::array<std::string, 4> before = TypeableTexts();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(Below(box->width()), box->height() / 2));
    if (replace) QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    for (int i = Below(3); i > 0; --i) QTest::keyClick(box, Qt::Key_Backspace);
    TypeInto(box, text);
    if (qobject_cast<QPlainTextEdit*>(box) && Chance(50)) {
      QTest::keyClick(box, Qt::Key_Return);
      TypeInto(box, Garbage());
    }
    if (TypeableTexts() != before) Problem(std::string("typing changed ") + name);
  }

  // One key, as a person presses it, on whatever has the focus: it may move the focus, type
  // into a box, move a scroll bar or press a button (the end button too).
  void PressKey() {
    static constexpr std::array<Qt::Key, 13> kKeys{
        Qt::Key_Tab,      Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Left, Qt::Key_Right,
        Qt::Key_Up,       Qt::Key_Down,    Qt::Key_Home,  Qt::Key_End,  Qt::Key_PageUp,
        Qt::Key_PageDown, Qt::Key_Return,  Qt::Key_Escape};
    QWidget* target = window_->focusWidget();
    if (target == nullptr) target = window_.get();
    const Qt::Key key = kKeys[static_cast<std::size_t>(Below(static_cast<int>(kKeys.size())))];
    Log("key " + QKeySequence(key).toString().toStdString() + " on " +
        target->objectName().toStdString());
    QTest::keyClick(target, key);
    // A key on the start button may start a paced run.
    if (window_->isVisible() && window_->IsPacedRunGoing()) {
      Log("the key started a paced run");
      if (FollowPacedRun() == PacedEnd::WindowClosed) return;
    }
    if (!window_->isVisible()) {
      Log("the key closed the window; a new one");
      OpenWindow();
    }
  }

  // A person may still move or resize the window while the restart notice waits.
  void WhileNoticeOpen() {
    if (!Chance(30)) return;
    if (Chance(50)) {
      Log("while the notice is open: minimise and restore");
      window_->showMinimized();
      QCoreApplication::processEvents();
      window_->showNormal();
    } else {
      const QSize size(Between(320, 1400), Between(240, 1000));
      Log("while the notice is open: resize to " + std::to_string(size.width()) + "x" +
          std::to_string(size.height()));
      window_->resize(size);
    }
  }

  // ---- helpers ---------------------------------------------------------------------------

  // Garbage of every sort, but never the letters of "nan" or "inf": the checks look for them.
  QString Garbage() {
    static const QString kCharacters = QStringLiteral("0123456789 -+.,eE#x%\u00fc\u00df\t");
    switch (Below(8)) {
      case 0:
        return QStringLiteral("-");
      case 1:
        return QStringLiteral("99999999999999999999999");
      case 2:
        return QString(Between(20, 400), QLatin1Char('9'));
      case 3:
        return QString::number(-Between(1, 100000));
      default: {
        QString text;
        for (int n = Below(13); n > 0; --n) text += kCharacters[Below(kCharacters.size())];
        return text;
      }
    }
  }

  // Count, share, mean and protocol texts: typing must change none of them.
  std::array<std::string, 4> TypeableTexts() const {
    const auto text = [this](const char* name) {
      return Control<QLineEdit>(name)->text().toStdString();
    };
    return {text("Text1(0)") + '\n' + text("Text1(2)"), text("Text1(1)") + '\n' + text("Text1(3)"),
            text("Text2"), Control<QPlainTextEdit>("Text6")->toPlainText().toStdString()};
  }

  void ClickOneOf(std::initializer_list<const char*> names) {
    const char* name = *(names.begin() + Below(static_cast<int>(names.size())));
    Log(std::string("click on ") + name);
    ClickControl(Control(name));
  }

  // The ways a person moves a scroll bar: its arrows, the track beside the thumb, the keys
  // that jump to either end, a click anywhere on it, or dragging the thumb.
  void MoveBar(QScrollBar* bar, const std::string& name, int dragTarget) {
    static constexpr std::array<QAbstractSlider::SliderAction, 6> kActions{
        QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
        QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
        QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
    const int way = Below(8);
    if (way < 6) {
      Log(name + ": action " + std::to_string(static_cast<int>(kActions[way])));
      bar->triggerAction(kActions[static_cast<std::size_t>(way)]);
    } else if (way == 6) {
      const QPoint at(Below(bar->width()), bar->height() / 2);
      Log(name + ": click at x " + std::to_string(at.x()));
      QTest::mouseClick(bar, Qt::LeftButton, {}, at);
    } else {
      Log(name + ": dragged to " + std::to_string(dragTarget));
      DragTo(bar, dragTarget);
    }
  }

  // The thumb passes a few values on its way, and each one is a change of its own.
  void DragTo(QScrollBar* bar, int target) {
    bar->setSliderDown(true);
    for (int at = bar->sliderPosition(); at != target;) {
      at += (target - at + (target > at ? 1 : -1)) / 2;
      bar->setSliderPosition(at);
      if (bar->objectName() == QLatin1String("hscRaster")) coverage_.radii.insert(at);
    }
    bar->setSliderDown(false);
  }

  void OpenWindow() {
    auto source = std::make_unique<GeneratorSource>(Xoshiro128(random_()));
    window_ = std::make_unique<Simulation>(std::move(source));
    new Evaluation(*window_);
    window_->show();
    ++windows_;
  }

  template <class C = QWidget>
  C* Control(const char* name) const {
    C* control = Find<C>(*window_, name);
    if (control == nullptr) throw std::logic_error(std::string("no control ") + name);
    return control;
  }
  const WalkState& State() const { return window_->walk().state(); }

  void Log(std::string action) {
    log_.push_back(std::to_string(log_.size()) + ": " + std::move(action));
  }
  void Problem(std::string problem) { problems_.push_back(std::move(problem)); }

  std::string Report() const {
    std::ostringstream out;
    out << "After action " << log_.size() - 1 << ":\n";
    for (const std::string& problem : problems_) out << "  " << problem << '\n';
    out << "Actions:\n";
    for (const std::string& action : log_) out << "  " << action << '\n';
    return out.str();
  }

  std::mt19937_64 random_;
  std::unique_ptr<Simulation> window_;
  NoticeCloser closer_;
  bool longHaul_ = false;
  std::vector<std::string> log_;
  std::vector<std::string> problems_;
  Coverage coverage_;
  std::int64_t journeys_ = 0;
  std::int64_t steps_ = 0;
  int windows_ = 0;
};

TEST(MonkeyTest, ThousandsOfRandomActionsKeepTheWindowSound) {
  const std::uint64_t seed = FromEnvironment("QUIRLWEG_MONKEY_SEED", kDefaultSeed);
  const auto actions =
      static_cast<int>(FromEnvironment("QUIRLWEG_MONKEY_ACTIONS", kDefaultActions));
  std::cout << "Monkey seed " << seed << " (QUIRLWEG_MONKEY_SEED), " << actions << " actions\n";

  Monkey monkey(seed);
  const std::string failure = monkey.Play(actions);
  if (!failure.empty()) ADD_FAILURE() << "Monkey seed " << seed << '\n' << failure;
  const Coverage& reached = monkey.Reached();
  std::cout << monkey.Journeys() << " journeys, " << monkey.Steps() << " steps, " << reached.notices
            << " restart notices, " << reached.startPulledIn << " start points pulled in, "
            << monkey.Windows() << " windows\n";
  // A full run tries everything: runs in every mode and dimension, both ends of both scroll
  // bars, a smaller lattice after the start point moved, and a protocol that fills up.
  if (actions < kDefaultActions) return;
  EXPECT_EQ(reached.runs.size(), 9U);
  for (const int end : {2, 50}) EXPECT_TRUE(reached.radii.contains(end)) << end;
  for (const int end : {0, 100}) EXPECT_TRUE(reached.probabilities.contains(end)) << end;
  EXPECT_GT(reached.startPulledIn, 0);
  EXPECT_GT(reached.notices, 0);
}

}  // namespace
}  // namespace quirlweg::robustness
