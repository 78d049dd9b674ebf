#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace quirlweg {

class ExactStatistics;
class Simulation;
struct ReportContents;

// Gives `button` the report's menu: "Als PDF speichern …", proposing `proposedName`, and
// "Drucken …", both of what `contents` gives when chosen; a failure is told over the
// button's window.
void OfferReport(QPushButton* button, const QString& proposedName,
                 std::function<ReportContents()> contents, const ExactStatistics& exact);

// The evaluation's handouts: "Bericht …" as PDF or on paper, the charts as SVG and the table
// on the clipboard for a spreadsheet.
class ReportTools : public QObject {
  Q_OBJECT

 public:
  // The buttons are children of `row`.
  ReportTools(const Simulation& simulation, const ExactStatistics& exact, QWidget* row);

  QPushButton* reportButton() const { return report_; }
  QPushButton* chartsButton() const { return charts_; }
  QPushButton* copyButton() const { return copy_; }

 private:
  void SaveCharts();
  void CopyTable();

  QWidget* row_;
  const Simulation& simulation_;
  const ExactStatistics& exact_;
  QPushButton* report_;
  QPushButton* charts_;
  QPushButton* copy_;
};

}  // namespace quirlweg
