#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "lesson/experiment.h"

class QPagedPaintDevice;
class QWidget;

namespace quirlweg {

class ExactStatistics;
class JourneySeries;
class Simulation;

// One step of a lesson on the worksheet, in the program's language.
struct WorksheetStep {
  QString text;
  QString question;  // empty: none
  QString answer;    // empty: room to write one
};

// What a report shows of a walk besides its exact values; the window gives its own, and a run
// without the window gathers the same.
struct ReportContents {
  const JourneySeries& journeys;
  std::uint64_t seed = 0;
  QImage lattice;                        // the lattice view as it shows the walk
  std::optional<QStringList> protocol;   // the protocol's lines, when it is shown
  std::vector<WorksheetStep> worksheet;  // a lesson's steps: a worksheet page comes first
  // Said in place of the seed where the series has none of its own (a class's pool).
  QString origin;
};

// A lesson's steps as the worksheet shows them, in German or English where the lesson has it.
std::vector<WorksheetStep> WorksheetOf(const std::vector<LessonStep>& steps, bool english);

// The window's series, seed, lattice picture and protocol.
ReportContents ReportContentsOf(const Simulation& window);

// The handout of a series on A4, one page or two, in the program's language: the setting and
// seed, the table measured beside exact with the ranges, both charts, the lattice picture, the
// protocol when it is shown, the date and the program's version. A lesson's worksheet comes
// before it: its steps, their questions with room for the answers or the class's answers.
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
