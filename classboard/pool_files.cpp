#include "classboard/pool_files.h"

#include <QPushButton>

#include "classboard/class_picture.h"
#include "classboard/pool_evaluation.h"
#include "classroom/classroom.h"
#include "experiment/experiment_file.h"
#include "experiment/file_access.h"
#include "export/report.h"
#include "export/report_tools.h"
#include "export/save_dialog.h"
#include "export/series_export.h"

namespace quirlweg {

namespace {

ReportContents ContentsOf(const classroom::Classroom& c, const PoolEvaluation& pool,
                          const ClassPicture& picture) {
  ReportContents contents{pool.series(), 0, picture.PaperPicture(), {}, {}, {}};
  contents.origin = PoolFiles::tr("Klassenversuch, Runde %1, %2 Geräte mit eigenen Startwerten")
                        .arg(c.Round())
                        .arg(c.Devices().size());
  return contents;
}

}  // namespace

PoolFiles::PoolFiles(std::function<const classroom::Classroom&()> classroom,
                     const PoolEvaluation& pool, const ClassPicture& picture, QWidget* row)
    : QObject(row),
      row_(row),
      classroom_(std::move(classroom)),
      pool_(pool),
      picture_(picture),
      data_(new QPushButton(tr("&Daten speichern …"), row)),
      experiment_(new QPushButton(tr("&Versuch speichern …"), row)),
      report_(new QPushButton(tr("Beric&ht …"), row)) {
  data_->setToolTip(tr("Die Reisen im Pool als CSV, wie die Auswertung ihre Serie speichert"));
  experiment_->setToolTip(
      tr("Die Einstellung und für jedes Gerät Startwert und Reisen: Beim Öffnen werden die "
         "Reisen neu gegangen"));
  report_->setToolTip(tr("Einstellung, Tabelle, Diagramme und das Bild der Klasse auf A4"));
  OfferReport(
      report_, tr("klassenversuch-bericht.pdf"),
      [this] { return ContentsOf(classroom_(), pool_, picture_); }, pool.exact());
  connect(data_, &QPushButton::clicked, this, [this] { SaveData(); });
  connect(experiment_, &QPushButton::clicked, this, [this] { SaveExperiment(); });
}

void PoolFiles::SaveData() {
  const QString path =
      AskWhereToSave(row_->window(), tr("Daten speichern"), tr("klassenversuch-reisen.csv"),
                     tr("CSV-Dateien (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  if (const auto error = SaveSeries(path, pool_.series(), pool_.exact())) {
    WarnNotSaved(row_, tr("Die Daten konnten nicht in „%1“ gespeichert werden:\n%2"), path, *error);
  }
}

void PoolFiles::SaveExperiment() {
  const QString path =
      AskWhereToSave(row_->window(), tr("Versuch speichern"), tr("klassenversuch.quirlweg"),
                     tr("Quirlweg-Versuche (*.quirlweg)"), QLatin1String(kExperimentSuffix));
  if (path.isEmpty()) return;
  const classroom::Classroom& c = classroom_();
  Experiment experiment;
  experiment.setting = c.Setting();
  experiment.classPool = c.PoolToSave();
  if (const auto error = WriteWholeFile(path, ExperimentFileBytes(experiment))) {
    WarnNotSaved(row_, tr("Der Versuch konnte nicht in „%1“ gespeichert werden:\n%2"), path,
                 *error);
  }
}

}  // namespace quirlweg
