// What walkbench's window mode reports of the window is what a class would read off it: the
// statistics boxes and the evaluation's saved data, both for the journeys the engine counts.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <string>

#include "engine/text_forms.h"
#include "engine_mode.h"
#include "window_mode.h"

namespace quirlweg::bench {
namespace {

// A box's number whichever decimal separator the locale gives it.
double Number(std::string text) {
  for (char& c : text) c = c == ',' ? '.' : c;
  return ValueOf(text);
}

TEST(WindowFigures, BoxesAndSavedDataShowTheJourneysTheEngineCounts) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  BenchOptions options;
  options.radius = 4;
  options.home = true;
  options.startX = 1;
  options.journeys = 47;
  options.seed = 3;
  const JourneyTally engine = RunEngineMode(options);
  options.mode = Mode::Window;
  options.csv = dir.filePath(QStringLiteral("reisen.csv")).toStdString();
  const WindowRun run = RunWindowMode(options);

  std::map<std::string, std::string> boxes;
  for (const auto& [key, text] : run.boxes) boxes[key] = text;
  const double journeys = static_cast<double>(engine.journeys());
  EXPECT_EQ(boxes["home_box"], std::to_string(engine.home));
  EXPECT_EQ(boxes["boundary_box"], std::to_string(engine.boundary));
  EXPECT_NEAR(Number(boxes["home_share_box"]), 100 * engine.home / journeys, 0.01);
  EXPECT_NEAR(Number(boxes["boundary_share_box"]), 100 * engine.boundary / journeys, 0.01);
  EXPECT_NEAR(Number(boxes["mean_box"]), engine.steps / journeys, 0.01);

  ASSERT_EQ(run.csvFailure, "");
  QFile saved(QString::fromStdString(options.csv));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(saved.readAll()).split(QStringLiteral("\r\n"));
  const QChar field = lines.value(1).at(5);  // after "Datum"
  const auto row = [&](const char* first) {
    return std::find_if(lines.begin(), lines.end(),
                        [&](const QString& l) { return l.startsWith(first + QString(field)); });
  };
  EXPECT_NE(row("exakt zu Hause"), lines.end()) << "saved before the exact values came";
  const auto head = row("Nr.");
  ASSERT_NE(head, lines.end());
  std::int64_t home = 0;
  std::int64_t steps = 0;
  for (auto l = head + 1; l != lines.end() && !l->isEmpty(); ++l) {
    const QStringList f = l->split(field);
    home += f.value(5) == QStringLiteral("Heim");
    steps += f.value(1).toLongLong();
  }
  EXPECT_EQ(home, engine.home);
  EXPECT_EQ(steps, engine.steps);
  EXPECT_EQ(lines.back(), QString());  // ends with its last row
}

}  // namespace
}  // namespace quirlweg::bench
