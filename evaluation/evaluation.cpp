#include "evaluation/evaluation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "display/picture_area.h"
#include "display/qt_text.h"
#include "evaluation/evaluation_window.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "series/series_summary.h"
#include "window/placement.h"
#include "window/simulation.h"

namespace quirlweg {

Evaluation::Evaluation(Simulation& window)
    : QObject(&window),
      window_(window),
      controls_(window.controls()),
      exact_(new ExactStatistics(this)) {
  const WindowControls& c = controls_;
  const auto request = [this] { RequestExactValues(); };
  connect(c.latticeSizeBar, &QScrollBar::valueChanged, this, request);
  connect(c.probabilityBar, &QScrollBar::valueChanged, this, request);
  connect(c.dimensionGroup, &QButtonGroup::idClicked, this, request);
  connect(c.homeAbsorbsBox, &QCheckBox::clicked, this, request);
  for (QPushButton* button : c.startPointButtons) {
    connect(button, &QPushButton::clicked, this, request);
  }
  connect(c.evaluationButton, &QPushButton::clicked, this, [this] { OpenWindow(); });
  connect(exact_, &ExactStatistics::Changed, this, [this] { ShowExactInTooltips(); });

  for (const BoxRow& box : kExactInBoxes) {
    QWidget* control = c.byName.value(ToQString(box.control));
    tooltips_.push_back({control, control->toolTip(), box.row});
  }
  RequestExactValues();
}

Evaluation::~Evaluation() = default;

void Evaluation::RequestExactValues() {
  exact_->Request(window_.walk().CurrentJourneySetting());
}

void Evaluation::OpenWindow() {
  if (!evaluationWindow_) {
    evaluationWindow_ = new EvaluationWindow(window_, *exact_, *controls_.latticeView, &window_);
    connect(evaluationWindow_, &EvaluationWindow::BesideChanged, this, [this](bool beside) {
      if (beside) {
        PlaceSideBySide();
      } else {
        window_.LayOutFor(std::nullopt);
      }
    });
    connect(evaluationWindow_, &EvaluationWindow::Closed, this, [this] {
      if (evaluationWindow_->Beside()) window_.LayOutFor(std::nullopt);
    });
  }
  if (evaluationWindow_->Beside()) PlaceSideBySide();
  // A minimised window comes back as it was before.
  evaluationWindow_->setWindowState(evaluationWindow_->windowState() & ~Qt::WindowMinimized);
  evaluationWindow_->show();
  evaluationWindow_->raise();
  evaluationWindow_->activateWindow();
}

namespace {

// The part of the screen's width the main window keeps beside the evaluation: enough that its
// smallest texts stay at 7 points or more (the layout scales them with its area), and more
// where the screen is wide.
int MainWindowWidth(const QRect& screen) {
  constexpr int kSmallestReadable = 720;  // 7/8 of the design width of 819 pixels
  const int wanted = static_cast<int>(screen.width() * 0.58);
  return std::min(screen.width(), std::max(wanted, kSmallestReadable));
}

// Puts a top-level window's frame on `area`; the frame is known once the window manager drew
// it, so the placing is repeated a moment later.
void PlaceFrame(QWidget& window, const QRect& area) {
  const auto place = [&window, area] { window.setGeometry(InsideFrame(window, area)); };
  place();
  QTimer::singleShot(300, &window, place);
}

}  // namespace

// The main window at the top left, laid out for its part; the evaluation fills the rest of the
// screen's width.
void Evaluation::PlaceSideBySide() {
  const QRect screen = window_.screen()->availableGeometry();
  const int mainWidth = MainWindowWidth(screen);
  // Too narrow a screen for both: the main window keeps it, the evaluation goes over it.
  constexpr int kNarrowestEvaluation = 300;
  if (screen.width() - mainWidth < kNarrowestEvaluation) return;
  // In the layout's own proportions, so that the lattice stays square.
  const QRect mainArea(screen.topLeft(),
                       QSize(mainWidth, std::min(screen.height(), mainWidth * 3 / 4)));
  window_.LayOutFor(mainArea);
  QTimer::singleShot(300, &window_, [this, mainArea] { window_.LayOutFor(mainArea); });
  PlaceFrame(*evaluationWindow_, QRect(QPoint(screen.left() + mainWidth, screen.top()),
                                       QSize(screen.width() - mainWidth, screen.height())));
}

void Evaluation::ShowExactInTooltips() {
  const auto& values = exact_->values();
  for (const auto& [box, base, row] : tooltips_) {
    QString exact = QStringLiteral("\u2026");
    if (values) exact = ExactText(*values, row, exact_->setting().dimension);
    box->setToolTip(base + QLatin1Char('\n') + tr("exakt: %1").arg(exact));
  }
}

}  // namespace quirlweg
