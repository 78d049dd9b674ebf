#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "common/program_texts.h"
#include "engine/protocol.h"
#include "evaluation/number_texts.h"
#include "evaluation/series_export.h"
#include "window/simulation.h"
#include "window/window_test.h"

namespace quirlweg {
namespace {

enum Column { kCounted, kMeasured, kRange, kExact };

// Lets the event loop run until `done` holds, for the background computation and the
// window's polling; false when ten seconds were not enough.
template <class Done>
bool Eventually(Done done) {
  QDeadlineTimer deadline(10000);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(10);
  }
  return true;
}

class EvaluationTest : public WindowTest {
 protected:
  QString Box(const char* name) const { return Find<QLineEdit>(name)->text().trimmed(); }
  QTableWidget* OpenTable() const {
    Click("cmdAuswertung");
    return Find<QTableWidget>("grdAuswertung");
  }
  static QString Cell(const QTableWidget* table, SeriesRow row, int column) {
    return table->item(static_cast<int>(row), column)->text();
  }
  static theory::JourneyStatistics Exact(theory::Setting setting) {
    return *theory::ComputeJourneyStatistics(setting);
  }
  // The exact column, once the background computation delivered, shows `exact`.
  static void ExpectExactColumn(const QTableWidget* table, const theory::JourneyStatistics& exact) {
    for (SeriesRow row : {SeriesRow::Home, SeriesRow::Boundary, SeriesRow::Top, SeriesRow::Left,
                          SeriesRow::MeanLength}) {
      const QString expected = RowValueText(row, *ExactValue(exact, row, 2));
      EXPECT_TRUE(Eventually([&] { return Cell(table, row, kExact) == expected; }))
          << static_cast<int>(row) << ": " << Cell(table, row, kExact).toStdString() << " not "
          << expected.toStdString();
    }
  }
};

TEST_F(EvaluationTest, TableAgreesWithTheCountersAndTheExactValues) {
  // Home after two steps (right, left), then two journeys of five steps to the right.
  source_->Play({kRight, kLeft});
  for (int i = 0; i < 3; ++i) Click("cmdStarten");
  QTableWidget* table = OpenTable();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(Cell(table, SeriesRow::Home, kCounted), Box("Text1(0)"));
  EXPECT_EQ(Cell(table, SeriesRow::Boundary, kCounted), Box("Text1(2)"));
  EXPECT_EQ(Cell(table, SeriesRow::Home, kMeasured), Box("Text1(1)") + QStringLiteral(" %"));
  EXPECT_EQ(Cell(table, SeriesRow::Boundary, kMeasured), Box("Text1(3)") + QStringLiteral(" %"));
  EXPECT_EQ(DisplayLocale().toDouble(Cell(table, SeriesRow::MeanLength, kMeasured)),
            DisplayLocale().toDouble(Box("Text2")));
  EXPECT_EQ(Cell(table, SeriesRow::Right, kCounted), QStringLiteral("2"));

  const theory::JourneyStatistics homeAbsorbs = Exact({2, 5, 0.5, 0, 0, true});
  ExpectExactColumn(table, homeAbsorbs);
  EXPECT_TRUE(Find("Text1(1)")
                  ->toolTip()
                  .endsWith(QStringLiteral("\nexakt: ") + PercentText(homeAbsorbs.home)));
  EXPECT_TRUE(Find("Text2")->toolTip().endsWith(QStringLiteral("\nexakt: ") +
                                                LengthText(homeAbsorbs.meanLength)));
  auto* mixNote = Find<QLabel>("lblMischung");
  EXPECT_FALSE(mixNote->isVisibleTo(mixNote->window()));

  // Home absorption keeps the counters: the series now mixes two settings.
  Click("chkHeim");
  ExpectExactColumn(table, Exact({2, 5, 0.5, 0, 0, false}));
  EXPECT_TRUE(Eventually([&] { return mixNote->isVisibleTo(mixNote->window()); }));
  EXPECT_TRUE(table->item(static_cast<int>(SeriesRow::Home), kExact)->background() == QBrush());
  Click("Command2");
  EXPECT_TRUE(Eventually([&] { return !mixNote->isVisibleTo(mixNote->window()); }));
}

// In one dimension a start moved off row 0 never comes home and walks R^2 steps on average.
TEST_F(EvaluationTest, ExactColumnFollowsTheStartOffTheRowInOneDimension) {
  Click("Option1(0)");
  Find<QScrollBar>("hscRaster")->setValue(10);
  ASSERT_TRUE(Find<QCheckBox>("chkHeim")->isChecked());
  QTableWidget* table = OpenTable();
  EXPECT_TRUE(Eventually([&] { return Cell(table, SeriesRow::Home, kExact) == PercentText(0.9); }));
  Click("cmdHome(2)");
  ASSERT_EQ(window_->walk().state().homeY, -1);
  EXPECT_TRUE(Eventually([&] { return Cell(table, SeriesRow::Home, kExact) == PercentText(0); }));
  EXPECT_EQ(Cell(table, SeriesRow::MeanLength, kExact), LengthText(100));
}

TEST_F(EvaluationTest, TheButtonBringsAMinimisedWindowBack) {
  QWidget* evaluation = OpenTable()->window();
  evaluation->showMinimized();
  ASSERT_TRUE(evaluation->isMinimized());
  Click("cmdAuswertung");
  EXPECT_FALSE(evaluation->isMinimized());
  EXPECT_TRUE(evaluation->isVisible());
}

TEST_F(EvaluationTest, SeriesRestartsWhereTheCountersDo) {
  QTableWidget* table = OpenTable();
  const auto expectRestarted = [&](const char* how) {
    EXPECT_TRUE(window_->series().Journeys().empty()) << how;
    EXPECT_EQ(window_->walk().state().journeyCount, 0) << how;
    EXPECT_TRUE(Eventually([&] { return Cell(table, SeriesRow::Boundary, kCounted) == "0"; }))
        << how;
  };
  Click("cmdStarten");
  Click("Command2");
  expectRestarted("Zähler löschen");
  Click("cmdStarten");
  Find<QScrollBar>("hscRaster")->setValue(2);
  expectRestarted("lattice size");

  for (int i = 0; i < 1001; ++i) Click("cmdStarten");
  ASSERT_EQ(window_->series().Journeys().size(), 1001U);
  EXPECT_TRUE(Eventually([&] { return Cell(table, SeriesRow::Boundary, kCounted) == "1001"; }));
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  closer.start();
  Click("cmdStarten");
  closer.stop();
  expectRestarted("journey 1002");
}

// The series written as CSV and read back: the protocol's numbers, lengths and end points.
TEST_F(EvaluationTest, CsvReadsBackAsTheProtocolUnderBothSeparators) {
  source_->Play({kUp, kUp, kUp, kUp, kUp});  // to the top, then twice to the right
  for (int i = 0; i < 3; ++i) Click("cmdStarten");
  const std::string protocol = window_->statistics().ProtocolText();
  const auto& journeys = window_->series().Journeys();
  const SeriesHeader header{
      QDateTime::currentDateTime(), {2, 5, 0.5, 0, 0, true}, std::nullopt, false};
  for (const auto& [decimal, field] : {std::pair{',', ';'}, std::pair{'.', ','}}) {
    SCOPED_TRACE(decimal);
    const QByteArray csv = SeriesCsv(journeys, header, QLatin1Char(decimal));
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    const auto head = lines.indexOf(QStringList{"Nr.", "Länge", "x", "y", "z", "Ende"}.join(field));
    ASSERT_GE(head, 0);
    std::string fromCsv(kProtocolHeader);
    QStringList ends;
    for (qsizetype i = head + 1; i < lines.size() && !lines[i].isEmpty(); ++i) {
      const QStringList f = lines[i].split(QLatin1Char(field));
      ASSERT_EQ(f.size(), 6) << lines[i].toStdString();
      fromCsv = AppendProtocolLine(fromCsv, f[0].toInt(), f[1].toLongLong(), f[2].toInt(),
                                   -f[3].toInt(), f[4].toInt());
      ends << f[5];
    }
    EXPECT_EQ(fromCsv, protocol);
    EXPECT_EQ(ends, (QStringList{"oben", "rechts", "rechts"}));
    EXPECT_TRUE(QString::fromUtf8(csv).contains(
        QStringLiteral("p(rechts)%1%2")
            .arg(field)
            .arg(decimal == ',' ? QStringLiteral("0,5") : QStringLiteral("0.5"))));
  }
}

TEST(SeriesExport, WritesWholeFilesOrReportsWhyNot) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString blocker = dir.filePath(QStringLiteral("blocker"));
  ASSERT_TRUE(WriteWholeFile(blocker, "old") == std::nullopt);
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const std::vector<std::pair<const char*, std::function<std::optional<QString>(QString)>>> writers{
      {"csv", [](const QString& path) { return WriteWholeFile(path, "1;2\r\n"); }},
      {"png", [&](const QString& path) { return WritePicture(path, picture); }}};
  for (const auto& [what, write] : writers) {
    SCOPED_TRACE(what);
    // A folder that is a file: even root cannot write there.
    const auto failure = write(blocker + QStringLiteral("/x.") + what);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->isEmpty());
    const QString path = dir.filePath(QStringLiteral("out.") + what);
    EXPECT_EQ(write(path), std::nullopt);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_GT(written.size(), 0);
  }
  QImage readBack(dir.filePath(QStringLiteral("out.png")));
  EXPECT_EQ(readBack.pixelColor(1, 1), QColor(Qt::red));
}

}  // namespace
}  // namespace quirlweg
