#include "shedding/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using shedding::FormatFixed;
using shedding::FormatGeneral;
using shedding::NumberInText;
using shedding::TextToNumber;

// Same double, sign of zero included.
void ExpectSameBits(double expected, double actual, const std::string& text) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(expected), std::bit_cast<std::uint64_t>(actual))
      << "text \"" << text << "\": expected " << expected << ", got " << actual;
}

std::string Printed(const char* format, double value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

// Texts where a hand-written scanner goes wrong: signs, lone points, cut-off
// exponents, white space, trailing words, the edges of the double range.
const std::vector<std::string> kCornerTexts = {
    "", " ", "\t\n\v\f\r 42", "3.5 ft", "+.5", "-.5", ".", "-", "+", "+-1", "--1", "5.", "5.e3",
    ".e3", "1e", "1e+", "1e-", "1e-x", "1E5", "1e+05", "1e5.5", "1,5", "0.2,10,5", "-0", "-0.0",
    "007", "1.2.3", "1e2e3", "12abc", " - 1", "1 e5", "\xe2\x88\x92" "1",
    "1.7976931348623157e308", "1.7976931348623159e308", "1e309", "-1e309", "1e400", "-1e400",
    "4.9e-324", "2.4703282292062328e-324", "2.4703282292062327e-324", "1e-310", "1e-400",
    "-1e-400", "1e99999999999999999999", "1e-99999999999999999999", "0e99999999999",
    "0.00001e313", "100000e-329", "0.0000000000000000000000000000000000000001",
    "1.00000000000000011102230246251565404236316680908203125",  // halfway between two doubles
    std::string(400, '9'), "0." + std::string(400, '0') + "1", std::string(330, '0') + "1e-300",
    "1" + std::string(400, '0') + "e-500",
};

std::vector<std::string> RandomTexts() {
  // No letters that could start inf, nan or a hex prefix: there atof and we differ on purpose.
  constexpr std::string_view kAlphabet = "0123456789..eE+-- \t,z";
  std::mt19937_64 random(20240601);
  std::uniform_int_distribution<std::size_t> length(0, 12);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::vector<std::string> texts;
  for (int i = 0; i < 100000; ++i) {
    std::string text(length(random), ' ');
    for (char& c : text) c = kAlphabet[pick(random)];
    texts.push_back(text);
  }
  // Every magnitude, written as printf would, with exponents pushed past the range.
  std::uniform_int_distribution<int> digits(1, 20);
  std::uniform_int_distribution<int> shift(-40, 40);
  for (int i = 0; i < 100000; ++i) {
    const double value = std::bit_cast<double>(random() & 0x7FEFFFFFFFFFFFFFu);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits(random), value);
    texts.emplace_back(buffer);
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    texts.push_back("-" + text.substr(0, e) + "e" + std::to_string(std::stoi(text.substr(e + 1)) + shift(random)));
  }
  return texts;
}

// strtod's number and the length of text it takes, or nothing where it
// converts no text (mingw-w64's strtod gives -0 after a "-", C's gives +0).
std::optional<double> Strtod(const std::string& text, std::size_t& length) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  length = static_cast<std::size_t>(end - text.c_str());
  return length == 0 ? std::nullopt : std::optional(value);
}

TEST(TextToNumber, AgreesWithStrtodOnEveryDecimalText) {
  for (const std::vector<std::string>& texts : {kCornerTexts, RandomTexts()}) {
    for (const std::string& text : texts) {
      std::size_t expectedLength = 0;
      const std::optional<double> expected = Strtod(text, expectedLength);
      ExpectSameBits(expected.value_or(0.0), TextToNumber(text), text);
      std::size_t length = 0;
      const std::optional<double> found = NumberInText(text, length);
      ASSERT_EQ(expected.has_value(), found.has_value()) << "text \"" << text << "\"";
      if (found) {
        ExpectSameBits(*expected, *found, text);
        EXPECT_EQ(expectedLength, length) << "text \"" << text << "\"";
      }
    }
  }
}

TEST(TextToNumber, WordsAndHexadecimalAreNotNumbers) {
  for (const char* text : {"inf", "INF", "-inf", "infinity", "+Infinity", "nan", "NAN", "-nan", "nan(123)", "x1"}) {
    EXPECT_EQ(0.0, TextToNumber(text)) << text;
    EXPECT_FALSE(NumberInText(text)) << text;
  }
  for (const char* text : {"0x10", "0X1p3", "-0x1", "  0xff"}) {  // the "0" before the "x"
    EXPECT_EQ(0.0, TextToNumber(text)) << text;
  }
}

TEST(TextToNumber, ReadsOnlyItsView) {
  const std::string row = "0.25,1e3,7";
  EXPECT_EQ(0.25, TextToNumber(std::string_view(row).substr(0, 4)));
  EXPECT_EQ(1.0, TextToNumber(std::string_view(row).substr(5, 1)));  // "1" of "1e3"
  EXPECT_EQ(12.0, TextToNumber(std::string_view("12e5").substr(0, 3)));  // "12e" has no exponent
}

std::vector<double> FormattingValues() {
  std::vector<double> values = {
      0.0, -0.0, 0.1, 0.2, 1.0 / 3.0, 123456.0, 1e100, 1e-100, 0.0001, 0.00009999, 0.000099995,
      9.9995, 9.9994999, 99995.0, 999.95, 999949.0, 999950.0, 0.0005, 0.00050000000000000001,
      0.125, 0.0625, 2.5, 3.5, 1e15, 1e16, 1e21, 1e300, -1e300,
      std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
      std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
      std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
      std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()};
  // The rounding edges of 3 and 4 significant digits, and of the switch to exponent notation.
  for (int exponent = -8; exponent <= 14; ++exponent) {
    const double power = std::pow(10.0, exponent);
    for (double mantissa : {1.0, 9.995, 9.9995, 9.99949, 5.0005, 1.2345, 1.2355}) {
      const double value = mantissa * power;
      values.insert(values.end(), {value, std::nextafter(value, 0.0), std::nextafter(value, 1e308), -value});
    }
  }
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> decimal(0.0, 1000.0);
  for (int i = 0; i < 20000; ++i) {
    values.push_back(std::bit_cast<double>(random()));  // any bit pattern, NaNs included
    values.push_back(decimal(random));
  }
  return values;
}

// A NaN's sign is not printf's to show or leave out alike everywhere (glibc
// shows it, mingw-w64 does not): NaNs are checked on their own below.
TEST(NumberFormatting, MatchesPrintfInTheCLocale) {
  for (double value : FormattingValues()) {
    if (std::isnan(value)) continue;
    EXPECT_EQ(Printed("%12.3g", value), FormatGeneral(value, 12, 3)) << value;
    EXPECT_EQ(Printed("%12.4g", value), FormatGeneral(value, 12, 4)) << value;
    EXPECT_EQ(Printed("%5.3f", value), FormatFixed(value, 5, 3)) << value;
  }
}

// Every precision of %g and %f, on random magnitudes, on halfway cases (an odd
// multiple of a power of two ends in a 5, so some precision cuts exactly
// there and must round to even) and on their neighbours.
TEST(NumberFormatting, EveryPrecisionMatchesPrintf) {
  std::vector<double> values;
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> exponent(-25.0, 25.0);
  for (int i = 0; i < 3000; ++i) values.push_back(std::pow(10.0, exponent(random)));
  for (int odd = 1; odd < 400; odd += 2) {
    for (int power = -12; power <= 4; ++power) {
      const double halfway = std::ldexp(odd, power);
      values.insert(values.end(), {halfway, std::nextafter(halfway, 0.0), std::nextafter(halfway, 1e308)});
    }
  }
  for (double value : values) {
    for (int precision = 0; precision <= 17; ++precision) {
      const std::string general = "%." + std::to_string(precision) + "g";
      const std::string fixed = "%." + std::to_string(precision) + "f";
      ASSERT_EQ(Printed(general.c_str(), -value), FormatGeneral(-value, 0, precision)) << value;
      ASSERT_EQ(Printed(general.c_str(), value), FormatGeneral(value, 0, precision)) << value;
      ASSERT_EQ(Printed(fixed.c_str(), value), FormatFixed(value, 0, precision)) << value;
    }
  }
}

TEST(NumberFormatting, RightAlignsWithoutCuttingLongerTexts) {
  EXPECT_EQ("         0.1", FormatGeneral(0.1, 12, 3));
  EXPECT_EQ("   1.235e+05", FormatGeneral(123456.0, 12, 4));
  EXPECT_EQ("-1.235e-100", FormatGeneral(-1.2345678e-100, 8, 4));
  EXPECT_EQ("         inf", FormatGeneral(std::numeric_limits<double>::infinity(), 12, 3));
  EXPECT_EQ("         nan", FormatGeneral(std::numeric_limits<double>::quiet_NaN(), 12, 3));
  EXPECT_EQ(" -nan", FormatFixed(-std::numeric_limits<double>::quiet_NaN(), 5, 3));
  EXPECT_EQ("0.000", FormatFixed(0.0, 5, 3));
  // 309 integer digits, point, three decimals: nothing cut off.
  EXPECT_EQ(313u, FormatFixed(std::numeric_limits<double>::max(), 5, 3).size());
}

}  // namespace
