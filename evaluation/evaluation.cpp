#include "evaluation/evaluation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <array>

#include "display/picture_area.h"
#include "evaluation/evaluation_window.h"
#include "evaluation/exact_statistics.h"
#include "evaluation/number_texts.h"
#include "evaluation/series_summary.h"
#include "theory/walk_setting.h"
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

  const std::vector<QWidget*> boxes{c.countBoxes[0], c.countBoxes[1], c.countBoxes[2],
                                    c.countBoxes[3], c.meanLengthBox, c.hitAreas[0],
                                    c.hitAreas[1],   c.hitAreas[2],   c.hitAreas[3]};
  for (QWidget* box : boxes) tooltips_.emplace_back(box, box->toolTip());
  RequestExactValues();
}

Evaluation::~Evaluation() = default;

void Evaluation::RequestExactValues() {
  exact_->Request(theory::SettingOf(window_.walk().CurrentJourneySetting()));
}

void Evaluation::OpenWindow() {
  if (!evaluationWindow_) {
    evaluationWindow_ = new EvaluationWindow(window_, *exact_, *controls_.latticeView, &window_);
  }
  // A minimised window comes back as it was before.
  evaluationWindow_->setWindowState(evaluationWindow_->windowState() & ~Qt::WindowMinimized);
  evaluationWindow_->show();
  evaluationWindow_->raise();
  evaluationWindow_->activateWindow();
}

void Evaluation::ShowExactInTooltips() {
  // The boxes in the order of `tooltips_`: counts and shares, mean, then the four sides.
  static constexpr std::array<SeriesRow, 9> kRows{
      SeriesRow::Home,     SeriesRow::Home,       SeriesRow::Boundary,
      SeriesRow::Boundary, SeriesRow::MeanLength, SeriesRow::Top,
      SeriesRow::Right,    SeriesRow::Bottom,     SeriesRow::Left};
  const auto& values = exact_->values();
  for (std::size_t i = 0; i < tooltips_.size(); ++i) {
    const auto& [box, base] = tooltips_[i];
    QString exact = QStringLiteral("\u2026");
    if (values) exact = ExactText(*values, kRows[i], exact_->setting().dimension);
    box->setToolTip(base + QLatin1Char('\n') + tr("exakt: %1").arg(exact));
  }
}

}  // namespace quirlweg
