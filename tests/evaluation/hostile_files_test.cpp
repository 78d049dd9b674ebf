// Files from elsewhere through the window's open and save: nothing blocks, no pipe is replaced,
// and a lesson's text is shown as the plain text it is, in a box that fits the screen.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <stop_token>
#include <thread>

#include "experiment/experiment_file.h"
#include "experiment/file_access.h"
#include "export/experiment_files.h"
#include "figures/number_texts.h"
#include "window/experiment_actions.h"
#include "window/window_test.h"

namespace quirlweg {
namespace {

// What the program showed while one request ran: the texts of its boxes, each box answered.
struct Shown {
  QStringList texts;
  bool fitsTheScreen = true;
};

// Answers every dialog the request opens: types `typed` into a file dialog, confirms an
// overwrite, reads and closes message boxes and the lesson's text.
template <class Request>
Shown Answering(const QString& typed, Request request) {
  Shown shown;
  QTimer answer;
  answer.setInterval(10);
  QPointer<QFileDialog> answered;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (qobject_cast<QProgressDialog*>(modal) != nullptr) return;
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      if (dialog == answered) return;
      answered = dialog;
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
      // Queued: the dialog may ask whether to overwrite, which this timer must answer too.
      QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
        yes->click();
        return;
      }
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
      shown.texts << box->text();
      box->accept();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      const auto* text = dialog->findChild<QPlainTextEdit*>();
      shown.texts << (text != nullptr ? text->toPlainText() : QStringLiteral("(no plain text)"));
      const QRect screen = dialog->screen()->availableGeometry();
      shown.fitsTheScreen &= dialog->frameGeometry().height() <= screen.height() &&
                             dialog->frameGeometry().width() <= screen.width();
      dialog->accept();
    }
  });
  answer.start();
  request();
  return shown;
}

// Should the program read from the pipe after all, it gets a file that opens, so that the
// test fails instead of hanging.
class PipeFeeder {
 public:
  explicit PipeFeeder(const QString& path)
      : feeder_([path = LocalPath(path)](std::stop_token stop) {
          while (!stop.stop_requested()) {
            const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
              const QByteArray good = ExperimentFileBytes(Experiment{});
              [[maybe_unused]] const auto written = ::write(fd, good.constData(), good.size());
              ::close(fd);
              return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
          }
        }) {}

 private:
  std::jthread feeder_;
};

class HostileFilesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
    actions_ = new ExperimentActions(*window_);
    files_ = new ExperimentFiles(*window_, *actions_, false);
  }
  QString Lesson(const QString& name, const QString& description) const {
    Experiment lesson;
    lesson.descriptionGerman = description.toStdString();
    const QString path = dir_.filePath(name);
    EXPECT_EQ(WriteWholeFile(path, ExperimentFileBytes(lesson)), std::nullopt);
    return path;
  }

  QTemporaryDir dir_;
  ExperimentActions* actions_ = nullptr;
  ExperimentFiles* files_ = nullptr;
};

TEST_F(HostileFilesTest, NothingBlocksOrIsReplacedAndTextsStayPlain) {
  const QString pipe = dir_.filePath(QStringLiteral("pipe.quirlweg"));
  ASSERT_EQ(::mkfifo(LocalPath(pipe).c_str(), 0600), 0);
  const PipeFeeder feeder(pipe);
  const QString markup = QStringLiteral(
      "<img src='/nonexistent/picture.png' width=30000 height=30000> <a "
      "href='file:///etc/passwd'>Anleitung</a>");
  const QString manyLines = QString(QStringLiteral("Zeile\n")).repeated(99);
  struct Case {
    const char* what;
    bool save;
    QString path;
    QString shown;  // part of the one text the program shows
  };
  const Case cases[] = {
      {"open a pipe", false, pipe, QStringLiteral("Pipe")},
      {"open a device", false, QStringLiteral("/dev/zero"), QStringLiteral("Gerät")},
      {"open a folder", false, dir_.path(), QStringLiteral("Ordner")},
      {"markup in the description", false, Lesson(QStringLiteral("markup.quirlweg"), markup),
       markup},
      {"a description of 99 lines", false, Lesson(QStringLiteral("lines.quirlweg"), manyLines),
       manyLines},
      {"save onto a pipe", true, pipe, QStringLiteral("Pipe")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QElapsedTimer clock;
    clock.start();
    const Shown shown = Answering(c.path, [&] {
      if (c.save) {
        files_->Save(window_.get());
      } else {
        files_->OpenFile(c.path, window_.get());
      }
    });
    EXPECT_LT(clock.elapsed(), 5000);
    ASSERT_EQ(shown.texts.size(), 1) << shown.texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(shown.texts.front().contains(c.shown)) << shown.texts.front().toStdString();
    EXPECT_TRUE(shown.fitsTheScreen);
  }
  struct stat info {};
  ASSERT_EQ(::stat(LocalPath(pipe).c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// The lesson opened last stays at hand under "Anleitung …"; after a file without a description
// there is none, rather than the last lesson's.
TEST_F(HostileFilesTest, TheLessonsDescriptionStaysAtHand) {
  const QString guide = QStringLiteral("Schätzt zuerst, dann lasst 20 Reisen laufen.");
  Answering({}, [&] { files_->OpenFile(Lesson(QStringLiteral("a.quirlweg"), guide), nullptr); });
  const Shown again = Answering({}, [&] { actions_->guide()->trigger(); });
  EXPECT_EQ(again.texts, QStringList{guide});
  Answering({}, [&] { files_->OpenFile(Lesson(QStringLiteral("b.quirlweg"), {}), nullptr); });
  EXPECT_FALSE(actions_->guide()->isEnabled());
}

// A second file opened while the first one's long series is walked again cancels that walk: the
// window then holds the second file's setting and series alone, and no notice of the first
// one follows.
TEST_F(HostileFilesTest, AFileOpenedDuringAWalkAgainTakesItsPlace) {
  Experiment first;
  first.setting.radius = 50;
  first.series.assign(30000, SavedJourney{50, 50, 0, 0});
  const QString firstPath = dir_.filePath(QStringLiteral("first.quirlweg"));
  ASSERT_EQ(WriteWholeFile(firstPath, ExperimentFileBytes(first)), std::nullopt);
  Experiment second;
  second.setting.radius = 7;
  second.seed = 99;
  const QString secondPath = dir_.filePath(QStringLiteral("second.quirlweg"));
  ASSERT_EQ(WriteWholeFile(secondPath, ExperimentFileBytes(second)), std::nullopt);

  QStringList notices;
  bool secondAsked = false;
  QTimer watch;
  watch.setInterval(10);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (qobject_cast<QProgressDialog*>(modal) != nullptr && !secondAsked) {
      secondAsked = true;
      files_->OpenFile(secondPath, window_.get());
    } else if (auto* dialog = qobject_cast<QDialog*>(modal);
               dialog != nullptr && qobject_cast<QProgressDialog*>(modal) == nullptr) {
      notices << dialog->objectName();
      dialog->accept();
    }
  });
  watch.start();
  files_->OpenFile(firstPath, window_.get());
  ASSERT_TRUE(Eventually([&] { return secondAsked && window_->Seed() == 99; }));
  QTest::qWait(100);
  EXPECT_TRUE(notices.isEmpty()) << notices.join(QLatin1Char(' ')).toStdString();
  EXPECT_EQ(Find<QScrollBar>("hscRaster")->value(), 7);
  EXPECT_TRUE(window_->series().empty());
}

}  // namespace
}  // namespace quirlweg

namespace quirlweg {
namespace {

// A lesson that asks the class to guess first hides every exact value, in the table and the
// main window's tooltips, until "Exakt zeigen", and then shows those of the lesson's setting,
// which no control's click announced; saved again it keeps its texts, the request and the
// guess.
TEST_F(HostileFilesTest, AGuessFirstLessonHidesTheExactValuesAndSavesAgainWhole) {
  Experiment lesson;
  lesson.descriptionGerman = "Schätzt zuerst.";
  lesson.descriptionEnglish = "Guess first.";
  lesson.predictFirst = true;
  lesson.setting = {1, 5, 0.5, false, -2, 0};
  lesson.guess = ClassGuess{SeriesRow::Right, 0.25};
  const QString path = dir_.filePath(QStringLiteral("guess.quirlweg"));
  ASSERT_EQ(WriteWholeFile(path, ExperimentFileBytes(lesson)), std::nullopt);
  Answering({}, [&] { files_->OpenFile(path, nullptr); });
  Click("cmdAuswertung");
  for (int i = 0; i < 3; ++i) Click("cmdStarten");
  const auto* table = Find<QTableWidget>("grdAuswertung");
  const auto exactCell = [&] { return table->item(static_cast<int>(SeriesRow::Right), 3)->text(); };
  const theory::JourneyStatistics exact = *theory::ComputeJourneyStatistics(lesson.setting);
  // Long enough for the values to have arrived, were they not hidden.
  QTest::qWait(300);
  EXPECT_EQ(exactCell(), QStringLiteral("?"));
  EXPECT_TRUE(Find("Text1(1)")->toolTip().endsWith(QStringLiteral("exakt: ?")))
      << Find("Text1(1)")->toolTip().toStdString();
  EXPECT_FALSE(Find<QTabWidget>("tabAuswertung")->isTabEnabled(1));
  EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>("txtSchaetzung")->value(), 25);

  const QString saved = dir_.filePath(QStringLiteral("saved.quirlweg"));
  Answering(saved, [&] { files_->Save(window_.get()); });
  const ExperimentReading read = ReadExperimentFile(saved);
  ASSERT_TRUE(read.experiment) << read.problem.toStdString();
  EXPECT_EQ(read.experiment->descriptionGerman, lesson.descriptionGerman);
  EXPECT_EQ(read.experiment->descriptionEnglish, lesson.descriptionEnglish);
  EXPECT_TRUE(read.experiment->predictFirst);
  EXPECT_EQ(read.experiment->guess, lesson.guess);

  Click("cmdExaktZeigen");
  // From three of ten places to the right side's one: 30 %.
  EXPECT_TRUE(Eventually([&] { return exactCell().endsWith(PercentText(exact.right)); }))
      << exactCell().toStdString();
  EXPECT_EQ(PercentText(exact.right), PercentText(0.3));
  EXPECT_TRUE(Find("Text1(1)")->toolTip().endsWith(PercentText(exact.home)));
}

}  // namespace
}  // namespace quirlweg
