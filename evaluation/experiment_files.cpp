#include "evaluation/experiment_files.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

#include "evaluation/save_dialog.h"
#include "evaluation/series_export.h"
#include "experiment/experiment_file.h"
#include "window/experiment_actions.h"
#include "window/experiment_setup.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

// The journeys the window walked, as a file saves them.
std::vector<SavedJourney> SavedSeries(const Simulation& window) {
  std::vector<SavedJourney> journeys;
  for (const JourneyRecord& j : window.series()) journeys.push_back({j.length, j.x, -j.y, j.z});
  return journeys;
}

}  // namespace

ExperimentFiles::ExperimentFiles(Simulation& window, const ExperimentActions& actions, bool english)
    : QObject(&window), window_(window), english_(english) {
  connect(actions.save(), &QAction::triggered, this, [this] { Save(nullptr); });
  connect(actions.open(), &QAction::triggered, this, [this] { Open(nullptr); });
}

QString ExperimentFiles::LessonFolder() {
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                QStringLiteral("quirlweg/lessons"),
                                QStandardPaths::LocateDirectory);
}

// The window the request came from: the evaluation when its button or keys asked.
QWidget* ExperimentFiles::DialogParent(QWidget* asked) const {
  if (asked != nullptr) return asked;
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : &window_;
}

bool ExperimentFiles::Save(QWidget* parent) {
  parent = DialogParent(parent);
  // Not into the installed lessons' folder, where nobody may write.
  const bool writable = !folder_.isEmpty() && QFileInfo(folder_).isWritable();
  const QString proposed =
      QDir(writable ? folder_ : QDir::homePath()).filePath(tr("versuch.quirlweg"));
  const QString path =
      AskWhereToSave(parent, tr("Versuch speichern"), proposed,
                     tr("Quirlweg-Versuche (*.quirlweg)"), QLatin1String(kExperimentSuffix));
  if (path.isEmpty()) return false;
  const Experiment experiment = CurrentExperiment(window_);
  if (const auto error = WriteWholeFile(path, ExperimentJson(experiment))) {
    QMessageBox::warning(parent, QStringLiteral("Quirlweg"),
                         tr("Der Versuch konnte nicht in „%1“ gespeichert werden:\n%2")
                             .arg(QDir::toNativeSeparators(path), *error));
    return false;
  }
  folder_ = QFileInfo(path).absolutePath();
  return true;
}

bool ExperimentFiles::Open(QWidget* parent) {
  parent = DialogParent(parent);
  const QString lessons = LessonFolder();
  QFileDialog dialog(
      parent, tr("Versuch öffnen"),
      !folder_.isEmpty() ? folder_ : (lessons.isEmpty() ? QDir::homePath() : lessons),
      tr("Quirlweg-Versuche (*.quirlweg);;Alle Dateien (*)"));
  dialog.setObjectName(QStringLiteral("dlgVersuchOeffnen"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // The ready-made lessons one click away in Qt's own dialog.
  if (!lessons.isEmpty()) {
    QList<QUrl> places = dialog.sidebarUrls();
    places.prepend(QUrl::fromLocalFile(lessons));
    dialog.setSidebarUrls(places);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  return OpenFile(dialog.selectedFiles().constFirst(), parent);
}

bool ExperimentFiles::OpenFile(const QString& path, QWidget* parent) {
  parent = DialogParent(parent);
  const ExperimentReading reading = ReadExperimentFile(path);
  if (!reading.experiment) {
    QMessageBox::warning(parent, QStringLiteral("Quirlweg"), reading.problem);
    return false;
  }
  const Experiment& experiment = *reading.experiment;
  folder_ = QFileInfo(path).absolutePath();
  ApplyExperiment(window_, experiment);
  if (!experiment.series.empty()) {
    // The saved journeys come back by walking them again from the seed; a series that was
    // saved from a walk begun in the middle of a journey cannot.
    WalkJourneys(window_, static_cast<std::int64_t>(experiment.series.size()));
    if (SavedSeries(window_) != experiment.series) {
      QMessageBox::information(
          parent, QStringLiteral("Quirlweg"),
          tr("Die gespeicherten Reisen aus „%1“ ließen sich mit dem Startwert nicht genau "
             "wiederholen; die Auswertung zeigt die neu gegangenen.")
              .arg(QDir::toNativeSeparators(path)));
    }
  }
  ShowDescription(experiment, parent);
  return true;
}

void ExperimentFiles::ShowDescription(const Experiment& experiment, QWidget* parent) {
  QString text = english_ ? experiment.descriptionEnglish : experiment.descriptionGerman;
  if (text.isEmpty())
    text = english_ ? experiment.descriptionGerman : experiment.descriptionEnglish;
  if (text.isEmpty()) return;
  QMessageBox box(QMessageBox::Information, QStringLiteral("Quirlweg"), text, QMessageBox::Ok,
                  parent);
  box.setObjectName(QStringLiteral("msgVersuch"));
  box.exec();
}

void ExperimentFiles::UseSeed(std::uint64_t seed) {
  window_.UseSeed(std::min(seed, kLargestSeed));
}

}  // namespace quirlweg
