#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

#include "lesson/experiment.h"

class QAction;
class QWidget;

namespace quirlweg {

class ExperimentActions;
class LessonSteps;
class Simulation;

// Serves the window's requests to save and open experiments: asks for the file, writes or
// reads it, and tells what went wrong. A file refused for any reason changes nothing. A child
// of the main window.
class ExperimentFiles : public QObject {
  Q_OBJECT

 public:
  // `english`: a lesson's description is shown in English rather than German.
  ExperimentFiles(Simulation& window, const ExperimentActions& actions, bool english);

  // Asks where and saves the current experiment; false when cancelled or failed.
  bool Save(QWidget* parent);
  // Asks which file and opens it.
  bool Open(QWidget* parent);
  // Opens `path`: sets the window up, walks a saved series again and shows the lesson's
  // description. A refused file is told of in a message box and leaves everything as it was.
  // A long series is walked under a progress dialog that can cancel it; opening another file,
  // closing the window or quitting cancels it as well, so that the window only ever shows one
  // file's state.
  bool OpenFile(const QString& path, QWidget* parent);
  // Puts the window in `experiment` and walks its series again, as opening a file does but
  // without its description; `source` says where the series comes from, as in "die Reisen
  // `source`" ("der gelöschten Serie"). False when it was cancelled or is still waiting.
  bool Restore(const Experiment& experiment, const QString& source, QWidget* parent);
  // A new series from `seed`, chosen by the user.
  void UseSeed(std::uint64_t seed);

  // Where the program keeps its ready-made lessons, or an empty text when none are installed.
  static QString LessonFolder();

 signals:
  // A file holding a class's pool was opened: it is no series of this window, which it leaves
  // as it is, but a class to show on a board of its own.
  void ClassPoolOpened(const Experiment& experiment, const QString& path);

 private:
  QWidget* DialogParent(QWidget* asked) const;
  // Keeps the lesson's description, in the user's language where it has it, for
  // "Anleitung …", and both languages' texts for saving the lesson again; hides the exact
  // values for the class's guess where the lesson asks it to.
  void TakeLesson(const Experiment& experiment);
  // The window's experiment with the opened lesson's texts and the class's prediction.
  Experiment ExperimentToSave() const;
  // Walks the experiment's saved series again; false when it was cancelled.
  bool WalkSeriesAgain(const Experiment& experiment, const QString& source, QWidget* parent);
  bool eventFilter(QObject* watched, QEvent* event) override;

  Simulation& window_;
  QAction* guide_;
  QString description_;  // of the lesson opened last
  std::string descriptionGerman_;
  std::string descriptionEnglish_;
  bool english_;
  LessonSteps* steps_;
  QString folder_;  // where the last experiment was saved or opened
  bool walkingAgain_ = false;
  bool cancelWalk_ = false;
  bool replaced_ = false;  // another file asked to be opened meanwhile
  bool closing_ = false;   // the window is closed or the program quits
};

}  // namespace quirlweg
