#include "engine/text_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/program_texts.h"
#include "engine/protocol.h"

namespace quirlweg {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TextForms, StrFormAndPrintForm) {
  struct Case {
    double value;
    const char* str;
  };
  const Case cases[] = {
      {12, " 12"},           {-4, "-4"},     {0, " 0"},         {-0.0, " 0"},
      {0.5, " .5"},          {0.01, " .01"}, {-0.25, "-.25"},   {1.5, " 1.5"},
      {-1.75, "-1.75"},      {0.73, " .73"}, {1e6, " 1000000"}, {32767, " 32767"},
      {1234567, " 1234567"}, {kNaN, " 0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrForm(c.value), c.str) << c.value;
    EXPECT_EQ(PrintForm(c.value), std::string(c.str) + " ") << c.value;
  }
  EXPECT_EQ(PrintForm(std::optional<double>{}), "");
  EXPECT_EQ(PrintForm(std::optional<double>{0.0}), " 0 ");
  // Infinities come out as the largest finite number, never as "inf".
  for (const double v : {kInf, -kInf, kMax}) {
    const std::string text = StrForm(v);
    EXPECT_EQ(text.find_first_not_of(" -0123456789"), std::string::npos) << text;
    EXPECT_EQ(std::fabs(ValueOf(text)), kMax);
  }
}

TEST(TextForms, LocaleForm) {
  struct Case {
    double value;
    char separator;
    const char* text;
  };
  const Case cases[] = {
      {50, ',', "50"},
      {33.33, ',', "33,33"},
      {66.66, ',', "66,66"},
      {12.5, ',', "12,5"},
      {0.5, ',', "0,5"},
      {100, ',', "100"},
      {0, ',', "0"},
      {-0.0, ',', "0"},
      {-25, ',', "-25"},
      {66.66, '.', "66.66"},
      {1234567.25, ',', "1234567,25"},
      {kNaN, ',', "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(LocaleForm(c.value, c.separator), c.text) << c.value;
}

TEST(TextForms, ValueOfReadsTheLeadingNumber) {
  const std::string nines(400, '9');
  struct Case {
    std::string text;
    double value;
  };
  const Case cases[] = {
      {" 12", 12},
      {"0", 0},
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {"-", 0},
      {"+", 0},
      {".", 0},
      {"-.", 0},
      {"1e999", 1},
      {"-.25", -0.25},
      {" .5", 0.5},
      {"5.", 5},
      {"12abc", 12},
      {"1,5", 1},
      {"1.2.3", 1.2},
      {"+3", 3},
      {" - 4", -4},
      {" 1 2 . 5x", 12.5},
      {"\t7\n", 7},
      {"4-2", 4},
      {"x12", 0},
      {"00000000000000000000007", 7},
      {nines, kMax},
      {"-" + nines, -kMax},
      {nines + ".5", kMax},
      {"0." + std::string(400, '0') + "1", 0},
      {std::string(300, ' ') + "8", 8},
  };
  for (const auto& c : cases) {
    const double v = ValueOf(c.text);
    EXPECT_TRUE(std::isfinite(v)) << c.text;
    EXPECT_DOUBLE_EQ(v, c.value) << "\"" << c.text << "\"";
  }
}

TEST(TextForms, CoordinateTexts) {
  EXPECT_EQ(CoordinateText(3, 2, 0), "( 3 , 2 , 0 )");
  EXPECT_EQ(CoordinateText(-1, -4, 0), "(-1 ,-4 , 0 )");
  EXPECT_EQ(CoordinateText(1, -2, 1), "( 1 ,-2 , 1 )");
}

TEST(Protocol, Lines) {
  struct Case {
    int n;
    std::int64_t length;
    int x, y, z;
    const char* line;
  };
  const Case cases[] = {
      {5, 37, 5, -2, 0, "   5,     37   ( 5, 2, 0)"},
      {2, 8, 0, 0, 0, "   2,      8   ( 0, 0, 0)"},
      {3, 12, -5, 3, 0, "   3,     12   (-5,-3, 0)"},
      {1000, 4, 1, 5, 0, "1000,      4   ( 1,-5, 0)"},
      {1002, 1234567, 0, 0, -3, "1002, 234567   ( 0, 0,-3)"},
      {12, 999999, 50, 0, 0, "  12, 999999   ( 50, 0, 0)"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProtocolLine(c.n, c.length, c.x, c.y, c.z), c.line);
}

TEST(Protocol, AppendingKeepsTheHeaderAndAddsCrLfLines) {
  std::string text{kProtocolHeader};
  text = AppendProtocolLine(text, 1, 37, 5, -2, 0);
  text = AppendProtocolLine(text, 2, 8, 0, 0, 0);
  EXPECT_EQ(text,
            "   Nr.  L\xC3\xA4nge   Endpunkt\r\n\r\n"
            "   1,     37   ( 5, 2, 0)\r\n"
            "   2,      8   ( 0, 0, 0)");
}

}  // namespace
}  // namespace quirlweg
