#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <csignal>
#include <functional>
#include <utility>

#include "common/program_texts.h"
#include "engine/protocol.h"
#include "export/series_export.h"
#include "figures/number_texts.h"
#include "series/csv_table.h"
#include "window/simulation.h"
#include "window/window_test.h"

namespace quirlweg {
namespace {

enum Column { kCounted, kMeasured, kRange, kExact };

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

  const theory::JourneyStatistics homeAbsorbs = Exact({2, 5, 0.5, true, 0, 0});
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
  ExpectExactColumn(table, Exact({2, 5, 0.5, false, 0, 0}));
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
  // A line's walk reaches only its right and left sides, so only they are offered to follow.
  const auto* sides = Find<QComboBox>("cboRandseite");
  ASSERT_EQ(sides->count(), 2);
  EXPECT_EQ(sides->itemData(0).toInt(), static_cast<int>(SeriesRow::Right));
}

TEST_F(EvaluationTest, TheButtonBringsAMinimisedWindowBack) {
  QWidget* evaluation = OpenTable()->window();
  evaluation->showMinimized();
  ASSERT_TRUE(evaluation->isMinimized());
  Click("cmdAuswertung");
  EXPECT_FALSE(evaluation->isMinimized());
  EXPECT_TRUE(evaluation->isVisible());
}

// Beside the main window on a 1024 x 768 screen the evaluation has about 300 pixels: every
// page and the buttons below them fit (three buttons a row once pushed it off the screen).
TEST_F(EvaluationTest, FitsBesideTheMainWindowOnASmallScreen) {
  QWidget* evaluation = OpenTable()->window();
  EXPECT_LE(evaluation->minimumSizeHint().width(), 300);
}

// The user's reset and a new lattice size start a new series; the main window's restart after
// 1001 journeys does not: the series goes on, the boxes and the protocol start over.
TEST_F(EvaluationTest, SeriesRestartsWhereTheUserResetsAndGoesOnAfter1001) {
  QTableWidget* table = OpenTable();
  const auto expectRestarted = [&](const char* how) {
    EXPECT_TRUE(window_->series().empty()) << how;
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
  ASSERT_EQ(window_->series().size(), 1001U);
  EXPECT_TRUE(Eventually([&] { return Cell(table, SeriesRow::Boundary, kCounted) == "1001"; }));
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  closer.start();
  Click("cmdStarten");
  Click("cmdStarten");
  closer.stop();
  EXPECT_EQ(window_->walk().state().journeyCount, 1);
  ASSERT_EQ(window_->series().size(), 1003U);
  EXPECT_EQ(window_->series()[1002].number, 1);
  EXPECT_TRUE(Eventually([&] { return Cell(table, SeriesRow::Boundary, kCounted) == "1003"; }));
  Click("Command2");
  expectRestarted("Zähler löschen after the restart");
}

// Reads CSV as RFC 4180 has it: rows of fields, where a quoted field may hold anything.
std::vector<QStringList> ReadCsv(const QString& text, QChar separator) {
  std::vector<QStringList> rows;
  QStringList row;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
    if (quoted && c == QLatin1Char('"') && next == QLatin1Char('"')) {
      field += c;
      ++i;
    } else if (c == QLatin1Char('"')) {
      quoted = !quoted;
    } else if (quoted || (c != separator && c != QLatin1Char('\r'))) {
      field += c;
    } else if (c == separator) {
      row << std::exchange(field, {});
    } else if (next == QLatin1Char('\n')) {
      row << std::exchange(field, {});
      rows.push_back(std::exchange(row, {}));
      ++i;
    }
  }
  return rows;
}

// Gives every text of the export the separators, a quote and a line break, as a translation
// may; while it lives.
class AwkwardTranslation : public QTranslator {
 public:
  AwkwardTranslation() { QCoreApplication::installTranslator(this); }
  ~AwkwardTranslation() override { QCoreApplication::removeTranslator(this); }
  static QString Of(const char* text) {
    return QString::fromUtf8(text) + QStringLiteral("; \"so\",\r\nja");
  }
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* text, const char*, int) const override {
    return qstrcmp(context, "SeriesExport") == 0 ? Of(text) : QString();
  }
};

// The series written as CSV and read back as a spreadsheet reads it: the protocol's numbers,
// lengths and end points, each journey with the setting it ran under, under both separators
// and whatever the translation's texts hold.
TEST_F(EvaluationTest, CsvReadsBackAsTheProtocolWithEachJourneysSetting) {
  // To the top from the middle; then, one step right and up and with home not absorbing,
  // twice to the right.
  source_->Play({kUp, kUp, kUp, kUp, kUp});
  Click("cmdStarten");
  Click("cmdHome(1)");
  Click("cmdHome(2)");
  Click("chkHeim");
  for (int i = 0; i < 2; ++i) Click("cmdStarten");
  const std::string protocol = window_->statistics().ProtocolText();
  const auto& journeys = window_->series();
  ASSERT_EQ(journeys.size(), 3U);
  const SeriesHeader header{
      "2024-05-06T07:08:09", {2, 5, 0.5, false, 1, -1}, std::nullopt, true, 4711};
  for (const bool awkward : {false, true}) {
    for (const auto& [decimal, field] : {std::pair{',', ';'}, std::pair{'.', ','}}) {
      SCOPED_TRACE(::testing::Message() << decimal << (awkward ? " awkward" : ""));
      std::optional<AwkwardTranslation> translation;
      if (awkward) translation.emplace();
      const auto text = [&](const char* german) {
        return awkward ? AwkwardTranslation::Of(german) : QString::fromUtf8(german);
      };
      const QByteArray csv = QByteArray::fromStdString(
          SeriesCsv(journeys, header, SeriesCsvWords(), std::string(1, decimal)));
      ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
      const auto rows = ReadCsv(QString::fromUtf8(csv.mid(3)), QLatin1Char(field));
      const auto find = [&](const QStringList& row) {
        return std::find(rows.begin(), rows.end(), row);
      };
      const QString half = decimal == ',' ? QStringLiteral("0,5") : QStringLiteral("0.5");
      EXPECT_NE(find({text("p(rechts)"), half}), rows.end());
      EXPECT_NE(find({text("Die Serie mischt Einstellungen – Zähler löschen für einen Vergleich")}),
                rows.end());
      const auto head =
          find({text("Nr."), text("Länge"), text("x"), text("y"), text("z"), text("Ende"),
                text("Dimension"), text("R"), text("p(rechts)"), text("Heimkreis absorbiert"),
                text("Start x"), text("Start y"), text("Nr. im Protokoll")});
      ASSERT_NE(head, rows.end());
      std::string fromCsv(kProtocolHeader);
      std::vector<QStringList> ends;
      for (auto row = head + 1; row != rows.end() && row->size() > 1; ++row) {
        const QStringList& f = *row;
        ASSERT_EQ(f.size(), 13) << f.join(QLatin1Char('|')).toStdString();
        // Numbered once through the series; the protocol's own number comes last.
        EXPECT_EQ(f[0].toLongLong(), row - head);
        fromCsv = AppendProtocolLine(fromCsv, f[12].toInt(), f[1].toLongLong(), f[2].toInt(),
                                     -f[3].toInt(), f[4].toInt());
        ends.push_back(f.mid(5, 7));
      }
      EXPECT_EQ(fromCsv, protocol);
      const QStringList first{text("oben"), "2", "5", half, text("ja"), "0", "0"};
      const QStringList later{text("rechts"), "2", "5", half, text("nein"), "1", "1"};
      EXPECT_EQ(ends, (std::vector{first, later, later}));
    }
  }
}

// Both save buttons as a user has them: a name typed without an extension gets the one the
// file is for; a file that cannot be written is named in the warning.
TEST_F(EvaluationTest, SaveButtonsAddTheExtensionAndNameTheFileThatFailed) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString blocker = dir.filePath(QStringLiteral("blocker"));  // a file, not a folder
  ASSERT_EQ(WriteWholeFile(blocker, "old"), std::nullopt);
  struct Case {
    const char* button;
    QString typed;
    QString written;  // empty where the save must fail
  };
  const Case cases[] = {
      {"cmdDatenSpeichern", dir.filePath("reisen"), dir.filePath("reisen.csv")},
      {"cmdBildSpeichern", dir.filePath("gitter"), dir.filePath("gitter.png")},
      {"cmdDatenSpeichern", dir.filePath("reisen.txt"), dir.filePath("reisen.txt")},
      {"cmdDatenSpeichern", blocker + "/reisen.csv", {}},
      {"cmdBildSpeichern", blocker + "/gitter.png", {}},
  };
  Click("cmdStarten");
  Click("cmdAuswertung");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    QString warning;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(c.typed);
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        warning = box->text();
        box->accept();
      }
    });
    answer.start();
    Click(c.button);
    answer.stop();
    if (c.written.isEmpty()) {
      EXPECT_TRUE(warning.contains(QDir::toNativeSeparators(c.typed))) << warning.toStdString();
    } else {
      EXPECT_TRUE(warning.isEmpty()) << warning.toStdString();
      EXPECT_GT(QFileInfo(c.written).size(), 0);
    }
  }
}

// A cell a spreadsheet would run as a formula is written as text; numbers, negative ones
// included, stay numbers.
TEST(SeriesExport, CellsNeverRunAsFormulas) {
  const struct {
    const char* field;
    const char* written;
  } cases[] = {
      {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
      {"+A1", "'+A1"},
      {"-A1+1", "'-A1+1"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"\tTab", "'\tTab"},
      {"-3", "-3"},
      {"-0,25", "\"-0,25\""},  // quoted for the ',' between the fields, and still a number
      {"+1e5", "+1e5"},
      {"Anna", "Anna"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    CsvTable csv(".");
    csv.Row({c.field});
    EXPECT_EQ(csv.Take(), std::string("\xEF\xBB\xBF") + c.written + "\r\n");
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

// While it lives, no file of this process grows past `bytes`: a write beyond fails with EFBIG
// as it would with ENOSPC on a full disk, and without root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : oldSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &old_);
    const rlimit limit{bytes, old_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldSignal_)(int);
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file smaller than the save file's buffer fails only when commit() flushes it; a bigger one
// fails on the way. Either way the old file stays as it was, no cut new one is left, and the
// reason is the program's own.
TEST(SeriesExport, FullDiskLeavesTheOldFileAsItWas) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const auto noise = [](int side) {
    QImage picture(side, side, QImage::Format_RGB32);
    QRandomGenerator random(side);
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) picture.setPixel(x, y, random.generate());
    }
    return picture;
  };
  const QImage smallPicture = noise(32);
  const QImage largePicture = noise(200);
  const std::vector<std::pair<const char*, std::function<std::optional<QString>(QString)>>> writers{
      {"small csv",
       [](const QString& path) { return WriteWholeFile(path, QByteArray(4000, 'a')); }},
      {"large csv",
       [](const QString& path) { return WriteWholeFile(path, QByteArray(90000, 'a')); }},
      {"small png", [&](const QString& path) { return WritePicture(path, smallPicture); }},
      {"large png", [&](const QString& path) { return WritePicture(path, largePicture); }}};
  const QByteArray old = "Nr.;Länge\r\n1;2\r\n";
  for (const auto& [what, write] : writers) {
    SCOPED_TRACE(what);
    const QString existing = dir.filePath(QStringLiteral("old ") + what);
    const QString fresh = dir.filePath(QStringLiteral("new ") + what);
    ASSERT_EQ(WriteWholeFile(existing, old), std::nullopt);
    std::optional<QString> onExisting;
    std::optional<QString> onFresh;
    {
      const FileSizeLimit full(1024);
      onExisting = write(existing);
      onFresh = write(fresh);
    }
    EXPECT_EQ(ReadAll(existing), old);
    EXPECT_FALSE(QFile::exists(fresh));
    for (const auto& failure : {onExisting, onFresh}) {
      EXPECT_TRUE(failure && failure->contains(QStringLiteral("zu groß")))
          << failure.value_or(QStringLiteral("no failure")).toStdString();
    }
  }
}

}  // namespace
}  // namespace quirlweg
