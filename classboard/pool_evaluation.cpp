#include "classboard/pool_evaluation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "classroom/classroom.h"
#include "figures/evaluation_charts.h"
#include "figures/exact_statistics.h"
#include "figures/series_table.h"
#include "figures/series_table_view.h"
#include "series/chart_figures.h"
#include "series/series_summary.h"

namespace quirlweg {

PoolEvaluation::PoolEvaluation(QWidget* parent)
    : QWidget(parent),
      exact_(new ExactStatistics(this)),
      table_(new SeriesTableView(this)),
      charts_(new EvaluationCharts(this)) {
  table_->setObjectName(QStringLiteral("grdPool"));
  auto* note = new QLabel(tr("Alle geprüften Reisen der Klasse als eine Serie. Rot und mit ✗ "
                             "markiert: Der exakte Wert liegt außerhalb des 95-%-Bereichs."),
                          this);
  note->setWordWrap(true);
  charts_->SetLogarithmicJourneys(true);
  // The table beside the charts: below the class's address and code the board has more room
  // across than down, and the charts need the height to be read.
  auto* figures = new QVBoxLayout;
  figures->addWidget(table_);
  figures->addWidget(note);
  figures->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(figures, 1);
  layout->addWidget(charts_, 1);
  connect(exact_, &ExactStatistics::Changed, this, &PoolEvaluation::Show);
}

void PoolEvaluation::Follow(const classroom::Classroom& classroom) {
  if (classroom.Round() != round_) {
    round_ = classroom.Round();
    series_.Clear();
    taken_ = 0;
    exact_->Request(classroom.Setting());
  }
  const auto& pool = classroom.Pool();
  for (; taken_ < pool.size(); ++taken_) {
    series_.Add(
        classroom::PooledRecord(classroom.Setting(), pool[taken_], static_cast<int>(taken_) + 1));
  }
  Show();
}

void PoolEvaluation::Show() {
  const theory::Setting& setting = exact_->setting();
  const auto& values = exact_->values();
  table_->Show(Summarize(series_, setting, values ? &*values : nullptr), series_, *exact_);
  const SeriesRow followed = FollowedRow(setting, SeriesRow::Top);
  std::optional<double> exactShare;
  if (values) exactShare = ExactValue(*values, followed, setting.dimension);
  charts_->ShowConvergence(series_, followed, RowName(followed), exactShare);
  charts_->ShowLengths(series_, values);
}

}  // namespace quirlweg
