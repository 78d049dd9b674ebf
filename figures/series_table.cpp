#include "figures/series_table.h"

#include <QCoreApplication>

#include "engine/walk.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "series/journey_series.h"
#include "series/series_summary.h"

namespace quirlweg {
namespace {

struct SeriesTableTexts {
  Q_DECLARE_TR_FUNCTIONS(SeriesTable)
};

}  // namespace

QString RowName(SeriesRow row) {
  switch (row) {
    case SeriesRow::Home:
      return SeriesTableTexts::tr("zu Hause");
    case SeriesRow::Boundary:
      return SeriesTableTexts::tr("am Rand");
    case SeriesRow::Top:
      return SeriesTableTexts::tr("oben");
    case SeriesRow::Right:
      return SeriesTableTexts::tr("rechts");
    case SeriesRow::Bottom:
      return SeriesTableTexts::tr("unten");
    case SeriesRow::Left:
      return SeriesTableTexts::tr("links");
    case SeriesRow::ZFace:
      return SeriesTableTexts::tr("z-Flächen");
    case SeriesRow::MeanLength:
      return SeriesTableTexts::tr("mittlere Weglänge");
  }
  return {};
}

QString RowSentence(SeriesRow row) {
  switch (row) {
    case SeriesRow::Home:
      return SeriesTableTexts::tr(
          "Wie oft der Wanderer wieder zu Hause ankam, bevor er den Rand "
          "erreichte.");
    case SeriesRow::Boundary:
      return SeriesTableTexts::tr(
          "Wie oft der Wanderer den Rand erreichte, an welcher Seite "
          "auch immer.");
    case SeriesRow::Top:
    case SeriesRow::Right:
    case SeriesRow::Bottom:
    case SeriesRow::Left:
      return SeriesTableTexts::tr("Wie oft der Wanderer den Rand an dieser Seite erreichte.");
    case SeriesRow::ZFace:
      return SeriesTableTexts::tr("Wie oft der Wanderer den Rand vorn oder hinten erreichte.");
    case SeriesRow::MeanLength:
      return SeriesTableTexts::tr("Wie viele Schritte eine Reise im Durchschnitt dauerte.");
  }
  return {};
}

QString GuessText(const ClassGuess& guess) {
  return SeriesTableTexts::tr("Schätzung der Klasse: %1 %2")
      .arg(RowName(guess.row), RowValueText(guess.row, guess.value));
}

SeriesTable TableOf(const JourneySeries& journeys, const ExactStatistics& exact) {
  const theory::Setting& setting = exact.setting();
  const auto& values = exact.values();
  const SeriesSummary summary = Summarize(journeys, setting, values ? &*values : nullptr);
  const auto n = static_cast<int>(journeys.size());
  SeriesTable table;
  table.header = {QString(),
                  SeriesTableTexts::tr("gezählt"),
                  SeriesTableTexts::tr("gemessen"),
                  SeriesTableTexts::tr("95 %: von"),
                  SeriesTableTexts::tr("bis"),
                  SeriesTableTexts::tr("exakt")};
  for (int r = 0; r < kSeriesRowCount; ++r) {
    const auto row = static_cast<SeriesRow>(r);
    if (!RowShown(row, setting.dimension)) continue;
    const RowEstimate& e = summary[row];
    QString measured;
    // Cut to two decimals by the main window's own rule, as the evaluation window shows it.
    if (n > 0 && row == SeriesRow::MeanLength) {
      measured = LengthText(MeanLength(journeys.LengthSum(), n));
    } else if (n > 0) {
      measured = PercentText(ShareOf(*e.count, n - *e.count) / 100);
    }
    // Marked on paper too, where no colour may show.
    const auto exactValue = values ? ExactValue(*values, row, setting.dimension) : std::nullopt;
    const QString sign =
        exactValue && OutsideRange(summary, row, *exactValue)
            ? QString::fromUtf8(kMarkedSign.data(), kMarkedSign.size()) + QLatin1Char(' ')
            : QString();
    table.rows.push_back({RowName(row), e.count ? QString::number(*e.count) : QString(), measured,
                          e.low ? RowValueText(row, *e.low) : QString(),
                          e.high ? RowValueText(row, *e.high) : QString(),
                          values ? sign + ExactText(*values, row, setting.dimension)
                                 : (exact.hidden() ? QStringLiteral("?") : QString())});
  }
  return table;
}

QString TableTsv(const SeriesTable& table) {
  QString text = table.header.join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (const QStringList& row : table.rows) text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
  return text;
}

}  // namespace quirlweg
