#include "figures/series_table_view.h"

#include <QHeaderView>
#include <QScrollBar>

#include "engine/walk.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "figures/series_table.h"
#include "series/journey_series.h"

namespace quirlweg {
namespace {

enum Column { kCounted, kMeasured, kRange, kExact, kColumnCount };
const QColor kMarked(255, 190, 190);

// Item texts are set only when they change: an unchanged table then costs nothing to redraw.
void SetText(QTableWidgetItem& item, const QString& text) {
  if (item.text() != text) item.setText(text);
}

// Cut to two decimals by the main window's own rule, so that both show the same digits.
QString MeasuredText(SeriesRow row, const RowEstimate& estimate, const JourneySeries& journeys) {
  const auto n = static_cast<int>(journeys.size());
  if (row != SeriesRow::MeanLength)
    return PercentText(ShareOf(*estimate.count, n - *estimate.count) / 100);
  return LengthText(MeanLength(journeys.LengthSum(), n));
}

// A long row name of several words takes two lines, so that the columns of figures keep the
// width: beside the main window all of them fit without scrolling sideways.
QString TwoLinesIfLong(QString name) {
  constexpr int kLongName = 12;
  const auto space = name.lastIndexOf(QLatin1Char(' '));
  if (name.size() > kLongName && space > 0) name[space] = QLatin1Char('\n');
  return name;
}

}  // namespace

SeriesTableView::SeriesTableView(QWidget* parent)
    : QTableWidget(kSeriesRowCount, kColumnCount, parent) {
  setAccessibleName(tr("Gezählte, gemessene und exakte Werte"));
  setHorizontalHeaderLabels({tr("gezählt"), tr("gemessen"), tr("95-%-Bereich"), tr("exakt")});
  QStringList rowNames;
  for (int r = 0; r < kSeriesRowCount; ++r)
    rowNames << TwoLinesIfLong(RowName(static_cast<SeriesRow>(r)));
  setVerticalHeaderLabels(rowNames);
  // A sentence a pupil reads for each row and each column.
  for (int r = 0; r < kSeriesRowCount; ++r) {
    verticalHeaderItem(r)->setToolTip(RowSentence(static_cast<SeriesRow>(r)));
  }
  const QStringList columnSentences{
      tr("So viele Reisen endeten hier."),
      tr("Der Anteil an allen Reisen dieser Serie, oder die mittlere Zahl der Schritte."),
      tr("Wo der wahre Wert wohl liegt: In 19 von 20 Serien enthält dieser Bereich den exakten "
         "Wert."),
      tr("Was die Rechnung für unendlich viele Reisen ergibt.")};
  for (int c = 0; c < kColumnCount; ++c) {
    horizontalHeaderItem(c)->setToolTip(columnSentences[c]);
  }
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);  // Tab leaves the table for the next control
  // Figures stay whole: the columns are as wide as they need, with a scroll bar where the
  // window is narrower, and stretched where it is wider.
  setWordWrap(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int r = 0; r < kSeriesRowCount; ++r) {
    for (int c = 0; c < kColumnCount; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(r, c, item);
    }
  }
  setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Every row shown whole, and no more: without a scroll bar a cut row would be lost from sight,
  // and the chart below needs every line of height left.
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  const auto fit = [this] { FitHeight(); };
  connect(verticalHeader(), &QHeaderView::sectionResized, this, fit);
  connect(horizontalHeader(), &QHeaderView::geometriesChanged, this, fit);
  connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, fit, Qt::QueuedConnection);
}

void SeriesTableView::Show(const SeriesSummary& summary, const JourneySeries& journeys,
                           const ExactStatistics& exact) {
  for (int r = 0; r < kSeriesRowCount; ++r) {
    const auto row = static_cast<SeriesRow>(r);
    ShowRow(summary, row, journeys, exact);
    setRowHidden(r, !RowShown(row, exact.setting().dimension));
  }
  FitHeight();
}

void SeriesTableView::FitHeight() {
  const QScrollBar* sideways = horizontalScrollBar();
  setFixedHeight(horizontalHeader()->height() + verticalHeader()->length() + 2 * frameWidth() +
                 (sideways->isVisible() ? sideways->height() : 0));
}

void SeriesTableView::ShowRow(const SeriesSummary& summary, SeriesRow row,
                              const JourneySeries& journeys, const ExactStatistics& exact) {
  const int r = static_cast<int>(row);
  const RowEstimate& estimate = summary[row];
  const auto& values = exact.values();
  const int dimension = exact.setting().dimension;
  const bool any = summary.journeys > 0;
  const auto text = [row](double value) { return RowValueText(row, value); };

  SetText(*item(r, kCounted), estimate.count ? QString::number(*estimate.count) : QString());
  SetText(*item(r, kMeasured), any ? MeasuredText(row, estimate, journeys) : QString());
  SetText(*item(r, kRange), estimate.low && estimate.high
                                ? tr("%1 – %2").arg(text(*estimate.low), text(*estimate.high))
                                : QString());
  const auto exactValue = values ? ExactValue(*values, row, dimension) : std::nullopt;
  const bool marked = exactValue && OutsideRange(summary, row, *exactValue);
  const QString sign =
      marked ? QString::fromUtf8(kMarkedSign.data(), kMarkedSign.size()) + QLatin1Char(' ')
             : QString();
  // A question mark while the class guesses, dots while the values are computed.
  const QString missing = exact.hidden() ? QStringLiteral("?") : QStringLiteral("…");
  SetText(*item(r, kExact), values ? sign + ExactText(*values, row, dimension) : missing);
  for (int c = 0; c < kColumnCount; ++c) {
    QTableWidgetItem* cell = item(r, c);
    const QBrush background = marked ? QBrush(kMarked) : QBrush();
    if (cell->background() == background) continue;
    cell->setBackground(background);
    cell->setToolTip(marked ? tr("Der exakte Wert liegt außerhalb des 95-%-Bereichs.") : QString());
  }
}

}  // namespace quirlweg
