#include "display/statistics_displays.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTextDocument>
#include <string>
#include <vector>

#include "common/program_texts.h"
#include "display_rig.h"
#include "engine/protocol.h"
#include "pixel_probe.h"

namespace quirlweg::testing {
namespace {

const std::string kHeader(kProtocolHeader);
const std::string kShownHeader = "   Nr.  L\u00e4nge   Endpunkt\n";

TEST(StatisticsDisplaysTest, ResetCountersShowsTheFreshTexts) {
  DisplayRig rig;
  for (QLineEdit* box : rig.boxes) box->setText(QStringLiteral(" 7"));
  rig.stats->ShowCoordinates(3, -2, 1);
  rig.stats->ShowStepCount(17);
  EXPECT_EQ(rig.steps->Snapshot(), PrintedLook(*rig.steps, {"Schritte:  17 "}));
  rig.stats->SetProtocolText(AppendProtocolLine(kHeader, 1, 17, 3, 2, 1));
  for (const HitBox box : {HitBox::Top, HitBox::Right, HitBox::Bottom, HitBox::Left}) {
    rig.stats->ShowHitCount(box, std::nullopt);  // an unset counter shows nothing ...
    EXPECT_EQ(rig.hits[static_cast<std::size_t>(box)]->Snapshot(),
              PrintedLook(*rig.hits[static_cast<std::size_t>(box)], {}));
  }

  rig.stats->ResetCounters();

  for (const QLineEdit* box : rig.boxes) EXPECT_EQ(box->text(), QStringLiteral("0"));
  EXPECT_EQ(rig.stats->ProtocolText(), kHeader);
  EXPECT_EQ(rig.protocol->toPlainText().toStdString(), kShownHeader);
  const struct {
    PictureArea* area;
    std::string_view text;
  } areas[] = {{rig.coordinates, "(0, 0, 0)"}, {rig.steps, "Schritte: 0 "}, {rig.hits[0], " 0 "},
               {rig.hits[1], " 0 "},           {rig.hits[2], " 0 "},        {rig.hits[3], " 0 "}};
  for (const auto& a : areas) {
    EXPECT_EQ(a.area->Snapshot(), PrintedLook(*a.area, {a.text})) << a.text;  // ... " 0 " now
  }
  rig.stats->ShowCoordinates(-1, -4, 0);
  EXPECT_EQ(rig.coordinates->Snapshot(), PrintedLook(*rig.coordinates, {"(-1 ,-4 , 0 )"}));
}

struct ProtocolStep {
  enum Kind { kSet, kType, kHide, kShow } kind;
  std::string text;
};

// The walk reads back exactly what it wrote, whatever the user types; the box shows the same
// lines and, when the text grew, only had the new part appended.
TEST(StatisticsDisplaysTest, ProtocolCopyAndBoxStayInStep) {
  const std::string one = AppendProtocolLine(kHeader, 1, 12, 5, 0, 0);
  const std::string two = AppendProtocolLine(one, 2, 7, 0, -5, 0);
  const std::string shownTwo =
      kShownHeader + "\n" + ProtocolLine(1, 12, 5, 0, 0) + "\n" + ProtocolLine(2, 7, 0, -5, 0);
  using S = ProtocolStep;
  const struct {
    const char* name;
    std::vector<ProtocolStep> steps;
    std::string copy, shown;
    bool appended;  // the box's last change was at its end
  } cases[] = {
      {"lines appended", {{S::kSet, kHeader}, {S::kSet, one}, {S::kSet, two}}, two, shownTwo, true},
      {"restart", {{S::kSet, two}, {S::kSet, kHeader}}, kHeader, kShownHeader, false},
      {"hidden box catches up",
       {{S::kHide, ""}, {S::kSet, one}, {S::kSet, two}, {S::kShow, ""}},
       two,
       shownTwo,
       true},
      {"typing changes nothing", {{S::kSet, "a\r\n"}, {S::kType, "b\nc"}}, "a\r\n", "a\n", false},
      {"CR LF split over two texts",
       {{S::kSet, "a\r"}, {S::kSet, "a\r\nb"}},
       "a\r\nb",
       "a\nb",
       false},
      {"lone CR", {{S::kSet, "a\rb\n"}}, "a\rb\n", "a\nb\n", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DisplayRig rig;
    rig.window.show();
    int lastChangeAt = -1;
    QObject::connect(rig.protocol->document(), &QTextDocument::contentsChange,
                     [&](int position, int, int) { lastChangeAt = position; });
    for (const ProtocolStep& step : c.steps) {
      if (step.kind == S::kSet) rig.stats->SetProtocolText(step.text);
      if (step.kind == S::kHide) rig.protocol->hide();
      if (step.kind == S::kShow) rig.protocol->show();
      if (step.kind != S::kType) continue;
      rig.protocol->moveCursor(QTextCursor::End);
      for (const char ch : step.text) {
        if (ch == '\n') QTest::keyClick(rig.protocol, Qt::Key_Return);
        if (ch != '\n') QTest::keyClicks(rig.protocol, QString(QChar(ch)));
      }
    }
    EXPECT_EQ(rig.stats->ProtocolText(), c.copy);
    EXPECT_EQ(rig.protocol->toPlainText().toStdString(), c.shown);
    EXPECT_EQ(lastChangeAt > 0, c.appended);
  }
}

}  // namespace
}  // namespace quirlweg::testing
