#include "engine/text_forms.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

#if defined(__cpp_lib_to_chars)
// Doubles where a shortest-digits search goes wrong most easily: around powers of two (lopsided
// rounding), ties broken to even, subnormals, long fractions, and a spread of random magnitudes.
std::vector<double> AwkwardDoubles() {
  std::vector<double> values = {0.1,
                                0.3,
                                2.0 / 3,
                                1.0 / 3,
                                33.33,
                                66.66,
                                1e-7,
                                5e-324,
                                1e-310,
                                0x1p-1022,
                                0x1p50 + 0.25,
                                0x1p50 + 0.75,
                                1e22,
                                1e23,
                                0x1p60,
                                9.2e18,
                                8.999999999999999e18};
  for (int e = -1074; e <= 1023; ++e) {
    const double p = std::ldexp(1.0, e);
    values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, kInf)});
  }
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = random();
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) values.push_back(std::fabs(v));
    values.push_back(std::ldexp(static_cast<double>(bits >> 11), static_cast<int>(i % 70) - 100));
    values.push_back(static_cast<double>(bits % 1000000) / 100);
  }
  return values;
}

// The browser edition's forms give the same bytes and values as the standard library's.
TEST(TextForms, PortableFormsMatchTheStandardLibrary) {
  std::array<char, 400> buffer;
  for (const double v : AwkwardDoubles()) {
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed);
    const std::string expected(buffer.data(), end.ptr);
    ASSERT_EQ(detail::ShortestFixed(v), expected) << v;
    // More digits than a double holds, so that reading must round, near and at halfway.
    for (const std::string& text :
         {expected, expected + "4999", expected + "5", expected + "5000000001"}) {
      double read = -1;
      if (std::from_chars(text.data(), text.data() + text.size(), read).ec == std::errc{}) {
        ASSERT_EQ(detail::DecimalValue(text), read) << text;
      }
    }
  }
}
#endif

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
