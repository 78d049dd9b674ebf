#include "export/experiment_files.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "experiment/experiment_file.h"
#include "export/lesson_steps.h"
#include "export/save_dialog.h"
#include "export/series_export.h"
#include "figures/exact_statistics.h"
#include "window/experiment_actions.h"
#include "window/experiment_setup.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

// The journeys the window walked, as a file saves them.
std::vector<SavedJourney> SavedSeries(const Simulation& window) {
  std::vector<SavedJourney> journeys;
  for (const JourneyRecord& j : window.series()) journeys.push_back(SavedJourneyOf(j));
  return journeys;
}

// A text from a file, shown as plain text in a box that fits the screen however long it is:
// it scrolls and wraps anywhere, and no markup, link or picture in it is ever followed.
void ShowPlainText(QWidget* parent, const QString& title, const QString& text) {
  QDialog box(parent);
  box.setObjectName(QStringLiteral("msgVersuch"));
  box.setWindowTitle(title);
  auto* view = new QPlainTextEdit(&box);
  view->setObjectName(QStringLiteral("txtAnleitung"));
  view->setReadOnly(true);
  view->setPlainText(text);
  view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  view->setFrameShape(QFrame::NoFrame);
  // Read aloud to a class or from the back row: a size larger than the controls'.
  QFont font = view->font();
  font.setPointSizeF(font.pointSizeF() * 1.25);
  view->setFont(font);
  view->viewport()->setAutoFillBackground(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  auto* layout = new QVBoxLayout(&box);
  layout->addWidget(view, 1);
  layout->addWidget(buttons);
  // About 60 characters wide, as tall as the text needs, never beyond most of the screen.
  const QFontMetrics metrics(view->font());
  const QRect screen = (parent != nullptr ? parent->screen() : box.screen())->availableGeometry();
  const int width = std::min(metrics.averageCharWidth() * 64, screen.width() * 3 / 4);
  const QRect needed = metrics.boundingRect(QRect(0, 0, width, 100000),
                                            Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
  const int height = std::min(needed.height() + metrics.height() * 2, screen.height() * 3 / 5);
  view->setFixedSize(width, std::max(height, metrics.height() * 3));
  box.exec();
}

}  // namespace

ExperimentFiles::ExperimentFiles(Simulation& window, const ExperimentActions& actions, bool english)
    : QObject(&window),
      window_(window),
      guide_(actions.guide()),
      english_(english),
      steps_(new LessonSteps(window, english)) {
  connect(actions.save(), &QAction::triggered, this, [this] { Save(nullptr); });
  connect(actions.open(), &QAction::triggered, this, [this] { Open(nullptr); });
  connect(guide_, &QAction::triggered, this, [this] {
    if (!description_.isEmpty()) {
      ShowPlainText(DialogParent(nullptr), QStringLiteral("Quirlweg"), description_);
    }
  });
  window.installEventFilter(this);
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    closing_ = true;
    cancelWalk_ = true;
  });
}

// A closed window ends a series being walked again: nothing of it must pop up afterwards.
bool ExperimentFiles::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Close) {
    closing_ = true;
    cancelWalk_ = true;
  }
  return QObject::eventFilter(watched, event);
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
  if (const auto error = WriteWholeFile(path, ExperimentFileBytes(ExperimentToSave()))) {
    WarnPlainly(parent, QStringLiteral("Quirlweg"),
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
  if (walkingAgain_) {
    // One experiment at a time: the one being walked again gives way to the new one.
    cancelWalk_ = true;
    replaced_ = true;
    QTimer::singleShot(0, this, [this, path, parent] { OpenFile(path, parent); });
    return false;
  }
  parent = DialogParent(parent);
  const ExperimentReading reading = ReadExperimentFile(path);
  if (!reading.experiment) {
    WarnPlainly(parent, QStringLiteral("Quirlweg"), reading.problem);
    return false;
  }
  const Experiment& experiment = *reading.experiment;
  folder_ = QFileInfo(path).absolutePath();
  if (experiment.classPool) {
    emit ClassPoolOpened(experiment, path);
    return true;
  }
  TakeLesson(experiment);
  if (!Restore(experiment, tr("aus „%1“").arg(QDir::toNativeSeparators(path)), parent)) {
    return true;
  }
  if (!description_.isEmpty() && !closing_) {
    ShowPlainText(parent, QStringLiteral("Quirlweg"), description_);
  }
  if (!closing_) steps_->Take(experiment.steps);
  return true;
}

bool ExperimentFiles::Restore(const Experiment& experiment, const QString& source,
                              QWidget* parent) {
  if (walkingAgain_) return false;
  parent = DialogParent(parent);
  ApplyExperiment(window_, experiment);
  return experiment.series.empty() || WalkSeriesAgain(experiment, source, parent);
}

bool ExperimentFiles::WalkSeriesAgain(const Experiment& experiment, const QString& source,
                                      QWidget* parent) {
  const auto journeys = static_cast<std::int64_t>(experiment.series.size());
  QProgressDialog progress(tr("Die gespeicherten Reisen %1 werden neu gegangen …").arg(source),
                           tr("Abbrechen"), 0, static_cast<int>(journeys), parent);
  progress.setObjectName(QStringLiteral("dlgNeuGehen"));
  progress.setWindowTitle(QStringLiteral("Quirlweg"));
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(0);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  connect(&progress, &QProgressDialog::canceled, this, [this] { cancelWalk_ = true; });
  QElapsedTimer clock;
  clock.start();
  qint64 lastLook = 0;
  walkingAgain_ = true;
  cancelWalk_ = false;
  // Input is taken only once the modal dialog stands, so that no click reaches the window
  // while it walks.
  const std::int64_t walked = WalkJourneys(window_, journeys, [&](std::int64_t done) {
    if (clock.elapsed() - lastLook < 50) return !cancelWalk_;
    lastLook = clock.elapsed();
    if (lastLook > 300 && !progress.isVisible()) progress.show();
    if (progress.isVisible()) {
      progress.setValue(static_cast<int>(done));
      QCoreApplication::processEvents();
    }
    return !cancelWalk_;
  });
  walkingAgain_ = false;
  progress.hide();
  if (closing_) return false;
  if (walked < journeys) {
    // A file waiting to be opened says nothing of this one; the user's cancel is confirmed.
    if (std::exchange(replaced_, false)) return false;
    ShowPlainText(parent, QStringLiteral("Quirlweg"),
                  tr("Abgebrochen: %1 der %2 gespeicherten Reisen %3 sind neu gegangen.")
                      .arg(walked)
                      .arg(journeys)
                      .arg(source));
    return false;
  }
  // The saved journeys come back by walking them again from the seed; a series that was
  // saved from a walk begun in the middle of a journey cannot.
  if (SavedSeries(window_) != experiment.series) {
    ShowPlainText(parent, QStringLiteral("Quirlweg"),
                  tr("Die gespeicherten Reisen %1 ließen sich mit dem Startwert nicht genau "
                     "wiederholen; die Auswertung zeigt die neu gegangenen.")
                      .arg(source));
  }
  return true;
}

void ExperimentFiles::TakeLesson(const Experiment& experiment) {
  description_ = QString::fromStdString(
      InLanguage(experiment.descriptionGerman, experiment.descriptionEnglish, english_));
  guide_->setEnabled(!description_.isEmpty());
  descriptionGerman_ = experiment.descriptionGerman;
  descriptionEnglish_ = experiment.descriptionEnglish;
  if (auto* exact = window_.findChild<ExactStatistics*>()) {
    exact->SetPredictFirst(experiment.predictFirst);
    exact->SetGuess(experiment.guess);
  }
}

Experiment ExperimentFiles::ExperimentToSave() const {
  Experiment experiment = CurrentExperiment(window_);
  // Saved again, a lesson keeps its texts and asks the class to guess first as it did.
  experiment.descriptionGerman = descriptionGerman_;
  experiment.descriptionEnglish = descriptionEnglish_;
  experiment.steps = steps_->steps();
  if (const auto* exact = window_.findChild<ExactStatistics*>()) {
    experiment.predictFirst = exact->predictFirst();
    experiment.guess = exact->guess();
  }
  return experiment;
}

void ExperimentFiles::UseSeed(std::uint64_t seed) {
  window_.UseSeed(std::min(seed, kLargestSeed));
}

}  // namespace quirlweg
