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
#include <cmath>
#include <optional>

#include "display/picture_area.h"
#include "display/qt_text.h"
#include "evaluation/evaluation_window.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "layout/lesson_layout.h"
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
  // A lesson opened sets dimension, home and start without their controls' clicks.
  connect(&window, &Simulation::SettingApplied, this, request);
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

// Puts a top-level window's frame on `area`.
void PlaceFrame(QWidget& window, const QRect& area) {
  window.setGeometry(InsideFrame(window, area));
}

// The width of the window manager's frame round a top-level window; 0 until it has drawn it.
int FrameWidth(const QWidget& window) {
  return window.frameGeometry().width() - window.geometry().width();
}

}  // namespace

// The main window at the top left in the lesson arrangement, as high as the screen and as
// wide as the arrangement's scale asks; the evaluation fills the rest of the screen's width.
// The frames are known once the window manager drew them, so the placing is repeated a
// moment later.
void Evaluation::PlaceSideBySide() {
  PlaceBoth();
  QTimer::singleShot(300, this, [this] {
    if (evaluationWindow_ && evaluationWindow_->Beside() && evaluationWindow_->isVisible())
      PlaceBoth();
  });
}

void Evaluation::PlaceBoth() {
  const QRect screen = screenArea_.value_or(window_.screen()->availableGeometry());
  const double scale = LessonScale(screen.width(), screen.height());
  const int mainWidth = static_cast<int>(std::ceil(kLessonWidth * scale)) + FrameWidth(window_);
  // Too narrow a screen for both: the main window keeps it, the evaluation goes over it.
  if (screen.width() - mainWidth < kNarrowestEvaluation) return;
  window_.LayOutForLesson(QRect(screen.topLeft(), QSize(mainWidth, screen.height())));
  evaluationWindow_->ScaleTexts(scale);
  PlaceFrame(*evaluationWindow_, QRect(QPoint(screen.left() + mainWidth, screen.top()),
                                       QSize(screen.width() - mainWidth, screen.height())));
}

void Evaluation::ShowExactInTooltips() {
  const auto& values = exact_->values();
  for (const auto& [box, base, row] : tooltips_) {
    // A question mark while the class guesses, dots while the values are computed.
    QString exact = exact_->hidden() ? QStringLiteral("?") : QStringLiteral("\u2026");
    if (values) exact = ExactText(*values, row, exact_->setting().dimension);
    box->setToolTip(base + QLatin1Char('\n') + tr("exakt: %1").arg(exact));
  }
}

}  // namespace quirlweg
