#include "export/report_tools.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QPushButton>

#include "export/report.h"
#include "export/save_dialog.h"
#include "figures/series_table.h"
#include "window/simulation.h"

namespace quirlweg {

ReportTools::ReportTools(const Simulation& simulation, const ExactStatistics& exact, QWidget* row)
    : QObject(row),
      row_(row),
      simulation_(simulation),
      exact_(exact),
      report_(new QPushButton(tr("Beric&ht …"), row)),
      charts_(new QPushButton(tr("Diagramme als S&VG …"), row)),
      copy_(new QPushButton(tr("Tabelle &kopieren"), row)) {
  report_->setObjectName(QStringLiteral("cmdBericht"));
  report_->setToolTip(tr("Einstellung, Startwert, Tabelle, Diagramme und Gitter auf A4"));
  auto* choices = new QMenu(report_);
  choices->addAction(tr("Als &PDF speichern …"), this, [this] { SaveReport(); });
  choices->addAction(tr("&Drucken …"), this, [this] { Print(); });
  report_->setMenu(choices);
  charts_->setObjectName(QStringLiteral("cmdDiagrammeSvg"));
  copy_->setObjectName(QStringLiteral("cmdTabelleKopieren"));
  copy_->setToolTip(tr("Die Tabelle mit Tabulatoren, zum Einfügen in eine Tabellenkalkulation"));
  connect(charts_, &QPushButton::clicked, this, [this] { SaveCharts(); });
  connect(copy_, &QPushButton::clicked, this, [this] { CopyTable(); });
}

void ReportTools::Warn(const QString& what, const QString& path, const QString& reason) {
  WarnPlainly(row_->window(), row_->window()->windowTitle(),
              what.arg(QDir::toNativeSeparators(path), reason));
}

void ReportTools::SaveReport() {
  const QString path =
      AskWhereToSave(row_->window(), tr("Bericht speichern"), tr("quirlweg-bericht.pdf"),
                     tr("PDF-Dokumente (*.pdf)"), QStringLiteral("pdf"));
  if (path.isEmpty()) return;
  if (const auto error = WriteReportPdf(path, ReportContentsOf(simulation_), exact_)) {
    Warn(tr("Der Bericht konnte nicht in „%1“ gespeichert werden:\n%2"), path, *error);
  }
}

void ReportTools::Print() {
  PrintReport(row_->window(), ReportContentsOf(simulation_), exact_);
}

void ReportTools::SaveCharts() {
  const QString path =
      AskWhereToSave(row_->window(), tr("Diagramme speichern"), tr("quirlweg-diagramme.svg"),
                     tr("SVG-Bilder (*.svg)"), QStringLiteral("svg"));
  if (path.isEmpty()) return;
  if (const auto error = WriteChartsSvg(path, simulation_.series(), exact_)) {
    Warn(tr("Die Diagramme konnten nicht in „%1“ gespeichert werden:\n%2"), path, *error);
  }
}

void ReportTools::CopyTable() {
  QApplication::clipboard()->setText(TableTsv(TableOf(simulation_.series(), exact_)));
}

}  // namespace quirlweg
