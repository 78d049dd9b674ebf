#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace quirlweg {

class ExactStatistics;
class JourneySeries;
class Simulation;

// What a report shows of a walk besides its exact values; the window gives its own, and a run
// without the window gathers the same.
struct ReportContents {
  const JourneySeries& journeys;
  std::uint64_t seed = 0;
  QImage lattice;                       // the lattice view as it shows the walk
  std::optional<QStringList> protocol;  // the protocol's lines, when it is shown
};

// The window's series, seed, lattice picture and protocol.
ReportContents ReportContentsOf(const Simulation& window);

// The handout of a series on A4, one page or two, in the program's language: the setting and
// seed, the table measured beside exact with the ranges, both charts, the lattice picture, the
// protocol when it is shown, the date and the program's version.
void PaintReport(QPagedPaintDevice& device, const ReportContents& walk,
                 const ExactStatistics& exact);

// The report as PDF with its fonts embedded; written whole or not at all. Returns the reason
// of a failure, ready to be shown.
std::optional<QString> WriteReportPdf(const QString& path, const ReportContents& walk,
                                      const ExactStatistics& exact);

// Asks for a printer and prints the report; false when cancelled.
bool PrintReport(QWidget* parent, const ReportContents& walk, const ExactStatistics& exact);

// Both charts, one over the other, as an SVG picture for worksheets.
std::optional<QString> WriteChartsSvg(const QString& path, const JourneySeries& journeys,
                                      const ExactStatistics& exact);

}  // namespace quirlweg
