#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include "sweep/sweep_table.h"

namespace quirlweg {

// The table as CSV (see CsvWriter), a row per point under a header row.
QByteArray SweepCsv(const SweepTable& table, QChar decimalSeparator);

// The name of the parameter and of the measured quantity, for axes and the CSV header.
QString ParameterName(SweepChoice choice);
QString QuantityName(SweepQuantity quantity);

}  // namespace quirlweg
