// Every text box a person can type into, given text that is no number at all, too big a
// number or a huge paste: the journeys after it neither crash nor hang, and every number the
// window writes afterwards is finite and follows from what the boxes held.

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

#include "common/program_texts.h"
#include "engine/protocol.h"
#include "engine/text_forms.h"
#include "engine/uniform_source.h"
#include "engine/walk.h"
#include "protocol_reader.h"
#include "window_rig.h"

namespace quirlweg::robustness {
namespace {

// How a box is reached and what its text means to the walk.
enum class Role { Count, Share, Mean, Protocol, Nothing };

struct BoxCase {
  const char* name;
  Role role;
  const char* showWith;  // the control a person clicks first to make the box appear
};

// clang-format off
const BoxCase kBoxes[] = {
    {"Text1(0)", Role::Count, nullptr},    {"Text1(1)", Role::Share, nullptr},
    {"Text1(2)", Role::Count, nullptr},    {"Text1(3)", Role::Share, nullptr},
    {"Text2", Role::Mean, nullptr},        {"Text6", Role::Protocol, "Check1"},
    {"Text3", Role::Nothing, nullptr},     {"Text4", Role::Nothing, nullptr},
    {"txtRaster", Role::Nothing, nullptr}, {"Text5(0)", Role::Nothing, "Option1(0)"},
    {"Text5(1)", Role::Nothing, "Option1(0)"}};
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

TEST_P(BadInputTest, LaterJourneysWriteFiniteSensibleNumbers) {
  const auto& [box, bad] = GetParam();
  const WalkState& s = window_->walk().state();
  if (box.showWith) Click(box.showWith);
  Click("cmdStarten");  // one journey, so that the boxes hold something
  ASSERT_EQ(s.journeyCount, 1);

  QWidget* edit = Find(*window_, box.name);
  ASSERT_TRUE(edit->isVisible());
  TypeOver(edit, bad.text);
  // What the box holds now, as far as a box can hold it.
  const QString held = qobject_cast<QLineEdit*>(edit)
                           ? qobject_cast<QLineEdit*>(edit)->text()
                           : qobject_cast<QPlainTextEdit*>(edit)->toPlainText();
  ASSERT_TRUE(held.isEmpty() || bad.text.startsWith(held)) << "the box lost the start of the text";
  ASSERT_GT(held.size(), std::min<qsizetype>(bad.text.size(), 32767) - 1) << "paste was cut short";
  const double countsBefore = ValueOf(Text("Text1(0)")) + ValueOf(Text("Text1(2)"));

  Click("cmdStarten");
  Click("optModus(2)");
  Click("cmdStarten");
  ASSERT_EQ(s.journeyCount, 1 + kJourneysAfter);

  TypedOver typed;
  typed.counts = box.role == Role::Count;
  typed.protocol = box.role == Role::Protocol;
  for (const std::string& problem : Problems(*window_, typed)) ADD_FAILURE() << problem;

  // The counts go on from what the box read, whatever it was, and the shares follow them.
  const double home = ValueOf(Text("Text1(0)"));
  const double boundary = ValueOf(Text("Text1(2)"));
  for (const char* count : {"Text1(0)", "Text1(2)"}) {
    EXPECT_TRUE(kCountForm.match(QString::fromStdString(Text(count))).hasMatch())
        << count << " shows \"" << Text(count) << '"';
  }
  EXPECT_TRUE(std::isfinite(home) && std::isfinite(boundary));
  const double expected = countsBefore + kJourneysAfter;
  EXPECT_LE(std::fabs(home + boundary - expected), 1e-12 * std::fabs(expected))
      << home << " + " << boundary;
  for (const char* share : {"Text1(1)", "Text1(3)", "Text2"}) {
    EXPECT_TRUE(kLocaleForm.match(QString::fromStdString(Text(share))).hasMatch())
        << share << " shows \"" << Text(share) << '"';
  }
  EXPECT_EQ(Text("Text1(1)"), LocaleForm(ShareOf(home, boundary), ','));
  EXPECT_EQ(Text("Text1(3)"), LocaleForm(ShareOf(boundary, home), ','));
  if (home >= 0 && boundary >= 0) {
    const auto share = [this](const char* name) {
      return QString::fromStdString(Text(name)).replace(',', '.').toDouble();
    };
    const double shares = share("Text1(1)") + share("Text1(3)");
    EXPECT_GE(shares, 0);
    EXPECT_LE(shares, 100);
  }

  // The protocol keeps what was typed and goes on with well-formed entries after it.
  if (box.role == Role::Protocol) {
    std::string typedText = held.toStdString();
    for (std::size_t at = 0; (at = typedText.find('\n', at)) != std::string::npos; at += 2) {
      typedText.replace(at, 1, "\r\n");
    }
    const std::string protocol = window_->statistics().ProtocolText();
    ASSERT_TRUE(protocol.starts_with(typedText));
    const std::string entries = std::string(kProtocolHeader) + protocol.substr(typedText.size());
    const ListSummary list = Summarise(entries, 2);
    EXPECT_EQ(list.problem, "");
    EXPECT_EQ(list.entries, kJourneysAfter);
  }
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

// The table above must reach every box a person can type into.
TEST(BadInputTable, CoversEveryEditableBox) {
  Simulation window(std::make_unique<GeneratorSource>(Xoshiro128(1)));
  std::set<std::string> inTable;
  for (const BoxCase& box : kBoxes) inTable.insert(box.name);
  for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
    if (!edit->isReadOnly()) {
      EXPECT_TRUE(inTable.contains(edit->objectName().toStdString()))
          << edit->objectName().toStdString();
    }
  }
  for (const QPlainTextEdit* edit : window.findChildren<QPlainTextEdit*>()) {
    if (!edit->isReadOnly()) {
      EXPECT_TRUE(inTable.contains(edit->objectName().toStdString()))
          << edit->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace quirlweg::robustness
