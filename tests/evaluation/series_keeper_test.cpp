// What a class walked survives a clearing (Ctrl+Z) and the program's end (kept on disk and
// offered back at the next start).

#include "export/series_keeper.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "evaluation/evaluation.h"
#include "export/experiment_files.h"
#include "window/experiment_actions.h"
#include "window/experiment_setup.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

// A window as the program makes it, keeping its series at `path`.
struct KeptWindow {
  explicit KeptWindow(const QString& path) {
    new Evaluation(window);
    const auto* actions = new ExperimentActions(window);
    files = new ExperimentFiles(window, *actions, false);
    keeper = new SeriesKeeper(window, *files, path);
    window.show();
  }
  Simulation window;
  ExperimentFiles* files = nullptr;
  SeriesKeeper* keeper = nullptr;
};

std::vector<SavedJourney> Journeys(const Simulation& window) {
  std::vector<SavedJourney> journeys;
  for (const JourneyRecord& j : window.series()) journeys.push_back(SavedJourneyOf(j));
  return journeys;
}

// Clicks `button` of the message box named `name` as soon as it is shown.
void AnswerWith(const QString& name, const QString& button) {
  auto* answer = new QTimer(qApp);
  answer->setInterval(10);
  QObject::connect(answer, &QTimer::timeout, [answer, name, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || box->objectName() != name) return;
    for (QAbstractButton* b : box->buttons()) {
      if (b->text() == button) b->click();
    }
    answer->deleteLater();
  });
  answer->start();
}

// Every way of clearing the series can be undone, and the series comes back whole with its
// setting and seed; undoing again swaps back to what was shown before.
TEST(SeriesKeeperTest, EveryClearingCanBeUndone) {
  const QTemporaryDir folder;
  const std::vector<std::pair<const char*, std::function<void(KeptWindow&)>>> clearings{
      {"Zähler löschen", [](KeptWindow& k) { k.window.controls().resetCountersButton->click(); }},
      {"a new R", [](KeptWindow& k) { k.window.controls().latticeSizeBar->setValue(9); }},
      {"a new seed", [](KeptWindow& k) { k.files->UseSeed(99); }},
  };
  for (const auto& [what, clear] : clearings) {
    SCOPED_TRACE(what);
    KeptWindow kept(folder.filePath(QStringLiteral("kept.quirlweg")));
    Simulation& window = kept.window;
    window.UseSeed(321);
    WalkJourneys(window, 30);
    const std::vector<SavedJourney> walked = Journeys(window);
    const JourneySetting setting = window.walk().CurrentJourneySetting();
    clear(kept);
    ASSERT_TRUE(window.series().empty());
    WalkJourneys(window, 5);
    const std::vector<SavedJourney> after = Journeys(window);

    QAction* undo = kept.keeper->undo();
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(Journeys(window), walked);
    EXPECT_EQ(window.walk().CurrentJourneySetting(), setting);
    EXPECT_EQ(window.Seed(), 321U);
    undo->trigger();
    EXPECT_EQ(Journeys(window), after);
  }
}

// The series is on disk while it grows; a program started afterwards offers it back and walks
// the same journeys again, and a series thrown away is not offered twice.
TEST(SeriesKeeperTest, TheNextStartOffersTheKeptSeriesBack) {
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("kept.quirlweg"));
  std::vector<SavedJourney> walked;
  {
    KeptWindow first(path);
    first.window.controls().latticeSizeBar->setValue(7);
    WalkJourneys(first.window, 45);
    walked = Journeys(first.window);
    first.keeper->KeepNow();
  }
  {
    KeptWindow second(path);
    AnswerWith(QStringLiteral("msgLetzteSerie"), QStringLiteral("Wiederherstellen"));
    second.keeper->OfferKeptSeries(&second.window);
    EXPECT_EQ(Journeys(second.window), walked);
    EXPECT_EQ(second.window.walk().CurrentJourneySetting().radius, 7);
  }
  {
    KeptWindow third(path);
    AnswerWith(QStringLiteral("msgLetzteSerie"), QStringLiteral("Verwerfen"));
    third.keeper->OfferKeptSeries(&third.window);
    EXPECT_TRUE(third.window.series().empty());
  }
  KeptWindow fourth(path);
  fourth.keeper->OfferKeptSeries(&fourth.window);  // asks nothing: would hang otherwise
  EXPECT_TRUE(fourth.window.series().empty());
}

}  // namespace
}  // namespace quirlweg
