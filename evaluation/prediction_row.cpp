#include "evaluation/prediction_row.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "evaluation/two_way_row.h"
#include "figures/exact_statistics.h"
#include "figures/series_table.h"

namespace quirlweg {
namespace {

// The spin box's lowest value stands for "no guess yet".
constexpr double kNoGuess = -1;

QWidget* RowOf(std::initializer_list<QWidget*> widgets, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : widgets) layout->addWidget(w);
  layout->addStretch(1);
  return row;
}

}  // namespace

PredictionRow::PredictionRow(ExactStatistics& exact, QWidget* parent)
    : QWidget(parent), exact_(exact) {
  first_ = new QCheckBox(tr("Erst s&chätzen"), this);
  first_->setObjectName(QStringLiteral("chkErstSchaetzen"));
  first_->setToolTip(tr("Verbirgt alle exakten Werte und Kurven, bis die Klasse geschätzt hat"));
  reveal_ = new QPushButton(tr("Exakt &zeigen"), this);
  reveal_->setObjectName(QStringLiteral("cmdExaktZeigen"));
  auto* guessLabel = new QLabel(tr("Schätzun&g:"), this);
  row_ = new QComboBox(this);
  row_->setObjectName(QStringLiteral("cboSchaetzZeile"));
  row_->setAccessibleName(tr("Zeile der Schätzung"));
  value_ = new QDoubleSpinBox(this);
  value_->setObjectName(QStringLiteral("txtSchaetzung"));
  value_->setAccessibleName(tr("Schätzung der Klasse"));
  value_->setSpecialValueText(tr("keine"));
  value_->setDecimals(1);
  value_->setKeyboardTracking(false);
  guessLabel->setBuddy(value_);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(
      new TwoWayRow(RowOf({first_, reveal_}, this), RowOf({guessLabel, row_, value_}, this), this));

  connect(first_, &QCheckBox::toggled, this, [this](bool on) { exact_.SetPredictFirst(on); });
  connect(reveal_, &QPushButton::clicked, this, [this] { exact_.Reveal(); });
  connect(row_, &QComboBox::currentIndexChanged, this, [this] {
    // Per cent or steps: the same number means something else in another row.
    const QSignalBlocker quiet(value_);
    ShowUnitOfRow();
    value_->setValue(kNoGuess);
    TakeGuess();
  });
  connect(value_, &QDoubleSpinBox::valueChanged, this, [this] { TakeGuess(); });
}

void PredictionRow::OfferRowsOf(int dimension) {
  if (offeredDimension_ == dimension) return;
  offeredDimension_ = dimension;
  const QSignalBlocker quiet(row_);
  const QVariant chosen = row_->currentData();
  row_->clear();
  for (int r = 0; r < kSeriesRowCount; ++r) {
    const auto row = static_cast<SeriesRow>(r);
    if (RowShown(row, dimension)) row_->addItem(RowName(row), r);
  }
  row_->setCurrentIndex(std::max(row_->findData(chosen), 0));
}

void PredictionRow::Refresh(int dimension) {
  OfferRowsOf(dimension);
  {
    const QSignalBlocker quiet(first_);
    first_->setChecked(exact_.predictFirst());
  }
  reveal_->setEnabled(exact_.hidden());
  const auto& guess = exact_.guess();
  if (guess && ChosenRow() != guess->row) {
    // Following the guess is no choice of the user's, which would clear it.
    const QSignalBlocker quiet(row_);
    row_->setCurrentIndex(std::max(row_->findData(static_cast<int>(guess->row)), 0));
  }
  const QSignalBlocker quiet(value_);
  ShowUnitOfRow();
  if (!value_->hasFocus()) {
    value_->setValue(guess ? (IsShare(guess->row) ? 100 * guess->value : guess->value) : kNoGuess);
  }
}

SeriesRow PredictionRow::ChosenRow() const {
  return static_cast<SeriesRow>(row_->currentData().toInt());
}

void PredictionRow::ShowUnitOfRow() {
  const bool share = IsShare(ChosenRow());
  value_->setRange(kNoGuess, share ? 100 : kLongestGuessedMean);
  value_->setSuffix(share ? tr(" %") : tr(" Schritte"));
}

void PredictionRow::TakeGuess() {
  const SeriesRow row = ChosenRow();
  const double typed = value_->value();
  if (typed <= kNoGuess) {
    exact_.SetGuess(std::nullopt);
    return;
  }
  exact_.SetGuess(ClassGuess{row, IsShare(row) ? typed / 100 : typed});
}

}  // namespace quirlweg
