#include "experiment/experiment_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace quirlweg {
namespace {

Experiment Lesson() {
  Experiment e;
  e.setting = {1, 12, 0.35, false, -11, -3};
  e.mode = RunMode::TwentyJourneys;
  e.tempo = 200;
  e.protocolShown = true;
  e.heatTraces = true;
  e.seed = kLargestSeed;
  e.descriptionGerman = "Der Ruin „des Spielers“";
  e.descriptionEnglish = "Gambler's ruin";
  e.series = {{14, -12, 3, 0}, {1, 12, 3, 0}};
  e.predictFirst = true;
  e.guess = ClassGuess{SeriesRow::Left, 0.65};
  e.steps = {{"Schätzt.", "Guess.", std::nullopt, "Wie oft?", "How often?", "oft"},
             {"Jetzt R = 3.", "Now R = 3.", JourneySetting{2, 3, 0.5, true, 1, -2}, "", "", ""}};
  return e;
}

// Every field and its edge values survive a save and a read: a field written under one name and
// read under another, or a percentage off by rounding, would change the lesson.
TEST(ExperimentFileTest, ReadsBackWhatItWrites) {
  const Experiment written = Lesson();
  const ExperimentReading read = ReadExperimentBytes(ExperimentFileBytes(written));
  ASSERT_TRUE(read.experiment) << read.problem.toStdString();
  EXPECT_EQ(*read.experiment, written);
}

QByteArray WithReplaced(const char* from, const char* to) {
  QByteArray json = ExperimentFileBytes(Lesson());
  EXPECT_TRUE(json.contains(from)) << from;
  return json.replace(from, to);
}

// A damaged or hostile file is refused, and the reason names what is wrong.
TEST(ExperimentFileTest, RefusesBadFilesNamingTheProblem) {
  const QByteArray good = ExperimentFileBytes(Lesson());
  const struct {
    const char* what;
    QByteArray bytes;
    const char* named;  // part of the problem's text
  } cases[] = {
      {"truncated", good.left(good.size() / 2), "JSON"},
      {"empty", QByteArray(), "leer"},
      {"blank", "\r\n  \n", "leer"},
      // A reader counts characters, not the bytes of the umlauts before them.
      {"error after umlauts", "{\n \"\xc3\xa4\xc3\xb6\xc3\xbc\": x}", "Zeile 2, Zeichen 9"},
      {"description of 200 lines",
       WithReplaced("\"de\": \"", "\"de\": \"" + QByteArray(200, '\\').replace("\\", "\\n")),
       "Zeilen"},
      {"an array", "[1, 2]", "keine Quirlweg"},
      {"another format", WithReplaced("quirlweg-experiment", "quirlweg-x"), "keine Quirlweg"},
      {"unknown version", WithReplaced("\"version\": 1", "\"version\": 2"), "Version 2"},
      {"lattice of 51", WithReplaced("\"radius\": 12", "\"radius\": 51"), "setting.radius"},
      {"radius as text", WithReplaced("\"radius\": 12", "\"radius\": \"12\""), "setting.radius"},
      {"fractional radius", WithReplaced("\"radius\": 12", "\"radius\": 12.5"), "ganze Zahl"},
      {"dimension 4", WithReplaced("\"dimension\": 1", "\"dimension\": 4"), "setting.dimension"},
      {"p above 1", WithReplaced("0.35", "1.35"), "rightProbability"},
      {"p finer than per cent", WithReplaced("0.35", "0.355"), "ganzen Prozent"},
      {"start on the boundary", WithReplaced("-11,", "-12,"), "setting.start[0]"},
      {"start not a pair", WithReplaced("-11,", "-11, 0,"), "setting.start"},
      {"absorption as number", WithReplaced("\"homeAbsorbs\": false", "\"homeAbsorbs\": 0"),
       "homeAbsorbs"},
      {"seed missing", WithReplaced("\"seed\"", "\"sead\""), "„seed“ fehlt"},
      {"negative seed", WithReplaced("\"seed\": 9007199254740991", "\"seed\": -1"), "seed"},
      {"seed beyond 2^53", WithReplaced("\"seed\": 9007199254740991", "\"seed\": 1e300"), "seed"},
      {"unknown mode", WithReplaced("twentyJourneys", "forever"), "run.mode"},
      {"tempo off the scale", WithReplaced("\"tempo\": 200", "\"tempo\": 300"), "run.tempo"},
      {"setting not an object", WithReplaced("\"setting\": {", "\"setting\": 5, \"unused\": {"),
       "setting"},
      {"journey past the boundary", WithReplaced("[1,12", "[1,13"), "series[1][1]"},
      {"guess of no row", WithReplaced("\"left\"", "\"middle\""), "prediction.guess.row"},
      {"guessed share above 1", WithReplaced("0.65", "1.65"), "prediction.guess.value"},
      {"step setting of radius 99", WithReplaced("\"radius\": 3", "\"radius\": 99"),
       "steps[1].setting.radius"},
      {"step text a number", WithReplaced("\"Jetzt R = 3.\"", "3"), "steps[1].text.de"},
      {"not UTF-8", WithReplaced("Spielers", "Spi\xff\xfe"), "UTF-8"},
      {"deep nesting", QByteArray(100000, '[') + QByteArray(100000, ']'), "verschachtelt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ExperimentReading read = ReadExperimentBytes(c.bytes);
    EXPECT_FALSE(read.experiment);
    EXPECT_TRUE(read.problem.contains(QString::fromUtf8(c.named))) << read.problem.toStdString();
  }
}

// A file of 100 MB is refused by its size before it is parsed, and the message names the file.
TEST(ExperimentFileTest, RefusesAHugeFileByName) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("riesig.quirlweg"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(ExperimentFileBytes(Lesson()));
  ASSERT_TRUE(file.resize(100 * 1024 * 1024));  // sparse: no disk is filled
  file.close();
  const ExperimentReading read = ReadExperimentFile(path);
  EXPECT_FALSE(read.experiment);
  EXPECT_TRUE(read.problem.contains(QStringLiteral("riesig.quirlweg")));
  EXPECT_TRUE(read.problem.contains(QStringLiteral("16 MB")));
}

}  // namespace
}  // namespace quirlweg
