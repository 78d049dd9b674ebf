// Every text box of the window, given text that is no number at all, too big a number or a
// huge paste: the box does not take it, and the journeys after it count on exactly.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <memory>
#include <set>
#include <string>

#include "engine/text_forms.h"
#include "engine/uniform_source.h"
#include "engine/walk.h"
#include "window_rig.h"

namespace quirlweg::robustness {
namespace {

// A box a person might type into, and the control a person clicks first to make it appear.
struct BoxCase {
  const char* name;
  const char* showWith;
};

// clang-format off
const BoxCase kBoxes[] = {
    {"Text1(0)", nullptr},  {"Text1(1)", nullptr},  {"Text1(2)", nullptr},
    {"Text1(3)", nullptr},  {"Text2", nullptr},     {"Text6", "Check1"},
    {"Text3", nullptr},     {"Text4", nullptr},     {"txtRaster", nullptr},
    {"Text5(0)", "Option1(0)"}, {"Text5(1)", "Option1(0)"}};
// clang-format on

struct TextCase {
  const char* name;
  QString text;
};

// Names rather than bytes when a case fails.
void PrintTo(const BoxCase& box, std::ostream* out) {
  *out << box.name;
}
void PrintTo(const TextCase& text, std::ostream* out) {
  *out << text.name;
}

QString HugeText() {
  QString text;
  while (text.size() < 100'000) text += QStringLiteral("1234567890");
  return text;
}

const TextCase kTexts[] = {{"Empty", QString()},
                           {"Blanks", QStringLiteral("   ")},
                           {"Letters", QStringLiteral("abc")},
                           {"Minus", QStringLiteral("-")},
                           {"Exponent", QStringLiteral("1e999")},
                           {"TwentyThreeNines", QStringLiteral("99999999999999999999999")},
                           {"Negative", QStringLiteral("-7")},
                           {"HundredKilobytes", HugeText()}};

constexpr int kJourneysAfter = 21;  // one journey, then twenty

// "  12", "-3", " 1.5": the form the window writes counts in.
const QRegularExpression kCountForm(QStringLiteral("^[ -]\\d+(\\.\\d+)?$"));
// "33,33", "100", "-50": the form of shares and means under a German locale.
const QRegularExpression kLocaleForm(QStringLiteral("^-?\\d+(,\\d+)?$"));

class BadInputTest : public ::testing::TestWithParam<std::tuple<BoxCase, TextCase>> {
 protected:
  void SetUp() override {
    window_ = std::make_unique<Simulation>(std::make_unique<GeneratorSource>(Xoshiro128(7)));
    window_->show();
    // A small lattice keeps the journeys short; set first, since it clears the counters.
    Find<QScrollBar>(*window_, "hscRaster")->setValue(3);
  }

  void Click(const char* name) { ClickControl(Find(*window_, name)); }
  std::string Text(const char* name) {
    return Find<QLineEdit>(*window_, name)->text().toStdString();
  }

  // Clicks into the box, selects all and types the text over it; a long text is pasted.
  void TypeOver(QWidget* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    if (text.size() <= 100) {
      TypeInto(box, text);
      return;
    }
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  }

  std::unique_ptr<Simulation> window_;
};

// The boxes show figures and texts of the program's: what a person types, deletes or pastes
// changes none of them, and the walk counts on exactly.
TEST_P(BadInputTest, TypingChangesNoBoxAndTheCountsGoOn) {
  const auto& [box, bad] = GetParam();
  const WalkState& s = window_->walk().state();
  if (box.showWith) Click(box.showWith);
  Click("cmdStarten");  // one journey, so that the boxes hold something
  ASSERT_EQ(s.journeyCount, 1);

  QWidget* edit = Find(*window_, box.name);
  ASSERT_TRUE(edit->isVisible());
  const auto held = [edit] {
    const auto* line = qobject_cast<QLineEdit*>(edit);
    return line ? line->text() : qobject_cast<QPlainTextEdit*>(edit)->toPlainText();
  };
  const QString before = held();
  TypeOver(edit, bad.text);
  EXPECT_EQ(held(), before) << "typing changed the box";

  Click("cmdStarten");
  Click("optModus(2)");
  Click("cmdStarten");
  ASSERT_EQ(s.journeyCount, 1 + kJourneysAfter);
  for (const std::string& problem : Problems(*window_)) ADD_FAILURE() << problem;

  const double home = ValueOf(Text("Text1(0)"));
  const double boundary = ValueOf(Text("Text1(2)"));
  for (const char* count : {"Text1(0)", "Text1(2)"}) {
    EXPECT_TRUE(kCountForm.match(QString::fromStdString(Text(count))).hasMatch())
        << count << " shows \"" << Text(count) << '"';
  }
  EXPECT_EQ(home + boundary, 1 + kJourneysAfter);
  for (const char* share : {"Text1(1)", "Text1(3)", "Text2"}) {
    EXPECT_TRUE(kLocaleForm.match(QString::fromStdString(Text(share))).hasMatch())
        << share << " shows \"" << Text(share) << '"';
  }
  EXPECT_EQ(Text("Text1(1)"), LocaleForm(ShareOf(home, boundary), ','));
  EXPECT_EQ(Text("Text1(3)"), LocaleForm(ShareOf(boundary, home), ','));
}

std::string CaseName(const ::testing::TestParamInfo<BadInputTest::ParamType>& info) {
  std::string box = std::get<0>(info.param).name;
  std::erase_if(box, [](char c) { return c == '(' || c == ')'; });
  return box + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryBox, BadInputTest,
                         ::testing::Combine(::testing::ValuesIn(kBoxes),
                                            ::testing::ValuesIn(kTexts)),
                         CaseName);

// The table above reaches every box of the window, and none of them takes typing.
TEST(BadInputTable, CoversEveryBoxAndNoneIsEditable) {
  Simulation window(std::make_unique<GeneratorSource>(Xoshiro128(1)));
  std::set<std::string> inTable;
  for (const BoxCase& box : kBoxes) inTable.insert(box.name);
  std::vector<std::pair<std::string, bool>> boxes;  // name, read-only
  for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
    boxes.emplace_back(edit->objectName().toStdString(), edit->isReadOnly());
  }
  for (const QPlainTextEdit* edit : window.findChildren<QPlainTextEdit*>()) {
    boxes.emplace_back(edit->objectName().toStdString(), edit->isReadOnly());
  }
  for (const auto& [name, readOnly] : boxes) {
    EXPECT_TRUE(inTable.contains(name)) << name;
    EXPECT_TRUE(readOnly) << name;
  }
}

}  // namespace
}  // namespace quirlweg::robustness
