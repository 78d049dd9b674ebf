#include "export/report_tools.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>

#include "export/report.h"
#include "export/save_dialog.h"
#include "figures/series_table.h"
#include "window/simulation.h"

namespace quirlweg {

void OfferReport(QPushButton* button, const QString& proposedName,
                 std::function<ReportContents()> contents, const ExactStatistics& exact) {
  auto* choices = new QMenu(button);
  choices->addAction(
      ReportTools::tr("Als &PDF speichern …"), button, [button, proposedName, contents, &exact] {
        QWidget* window = button->window();
        const QString path =
            AskWhereToSave(window, ReportTools::tr("Bericht speichern"), proposedName,
                           ReportTools::tr("PDF-Dokumente (*.pdf)"), QStringLiteral("pdf"));
        if (path.isEmpty()) return;
        if (const auto error = WriteReportPdf(path, contents(), exact)) {
          WarnNotSaved(window,
                       ReportTools::tr("Der Bericht konnte nicht in „%1“ gespeichert werden:\n%2"),
                       path, *error);
        }
      });
  choices->addAction(ReportTools::tr("&Drucken …"), button, [button, contents, &exact] {
    PrintReport(button->window(), contents(), exact);
  });
  button->setMenu(choices);
}

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
  OfferReport(
      report_, tr("quirlweg-bericht.pdf"), [&simulation] { return ReportContentsOf(simulation); },
      exact);
  charts_->setObjectName(QStringLiteral("cmdDiagrammeSvg"));
  copy_->setObjectName(QStringLiteral("cmdTabelleKopieren"));
  copy_->setToolTip(tr("Die Tabelle mit Tabulatoren, zum Einfügen in eine Tabellenkalkulation"));
  connect(charts_, &QPushButton::clicked, this, [this] { SaveCharts(); });
  connect(copy_, &QPushButton::clicked, this, [this] { CopyTable(); });
}

void ReportTools::SaveCharts() {
  const QString path =
      AskWhereToSave(row_->window(), tr("Diagramme speichern"), tr("quirlweg-diagramme.svg"),
                     tr("SVG-Bilder (*.svg)"), QStringLiteral("svg"));
  if (path.isEmpty()) return;
  if (const auto error = WriteChartsSvg(path, simulation_.series(), exact_)) {
    WarnNotSaved(row_, tr("Die Diagramme konnten nicht in „%1“ gespeichert werden:\n%2"), path,
                 *error);
  }
}

void ReportTools::CopyTable() {
  QApplication::clipboard()->setText(TableTsv(TableOf(simulation_.series(), exact_)));
}

}  // namespace quirlweg
