#pragma once

#include <QString>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace quirlweg {

class ExactStatistics;
class Simulation;

// The handout of a series on A4, one page or two, in the program's language: the setting and
// seed, the table measured beside exact with the ranges, both charts, the lattice picture, the
// protocol when the window shows it, the date and the program's version.
void PaintReport(QPagedPaintDevice& device, const Simulation& window, const ExactStatistics& exact);

// The report as PDF with its fonts embedded; written whole or not at all. Returns the reason
// of a failure, ready to be shown.
std::optional<QString> WriteReportPdf(const QString& path, const Simulation& window,
                                      const ExactStatistics& exact);

// Asks for a printer and prints the report; false when cancelled.
bool PrintReport(QWidget* parent, const Simulation& window, const ExactStatistics& exact);

// Both charts, one over the other, as an SVG picture for worksheets.
std::optional<QString> WriteChartsSvg(const QString& path, const Simulation& window,
                                      const ExactStatistics& exact);

}  // namespace quirlweg
