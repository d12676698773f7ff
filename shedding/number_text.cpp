#include "shedding/number_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

#include "shedding/compiler_extensions.h"

namespace shedding {
namespace {

// ' ', or one of '\t', '\n', '\v', '\f' and '\r', which stand together in ASCII.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::uint64_t DigitValue(char c) { return static_cast<unsigned char>(c) - std::uint64_t{'0'}; }

// A written exponent stops growing here: far beyond any double's decimal
// exponent, and far from overflowing.
constexpr long long kExponentCap = 1'000'000;

// The decimal prefix atof would convert, found in one pass over the text:
// what the fast path needs (the digits as one integer, the exponent) and
// what std::from_chars and the overflow check need (the prefix's text and
// where its digits stand).
struct DecimalPrefix {
  bool negative = false;
  std::string_view unsignedText;  // digits, point, fraction, exponent; empty if the text holds no number
  std::string_view integerDigits;
  std::string_view fractionDigits;
  std::uint64_t significand = 0;  // all the digits as one integer; wrapped round when there are too many
  long long exponent = 0;         // as written after the 'e' (0 if none), capped at kExponentCap
};

SHEDDING_ALWAYS_INLINE DecimalPrefix Scanned(std::string_view text) {
  DecimalPrefix prefix;
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at < end && IsSpace(*at)) ++at;
  if (at < end && (*at == '+' || *at == '-')) prefix.negative = *at++ == '-';
  const char* const start = at;
  std::uint64_t significand = 0;
  for (; at < end && IsDigit(*at); ++at) significand = significand * 10 + DigitValue(*at);
  prefix.integerDigits = std::string_view(start, static_cast<std::size_t>(at - start));
  if (at < end && *at == '.') {
    const char* const fractionStart = ++at;
    for (; at < end && IsDigit(*at); ++at) significand = significand * 10 + DigitValue(*at);
    prefix.fractionDigits = std::string_view(fractionStart, static_cast<std::size_t>(at - fractionStart));
  }
  if (prefix.integerDigits.empty() && prefix.fractionDigits.empty()) {
    prefix.negative = false;  // no number: +0
    return prefix;  // one object returned on every path, so that it stays in registers
  }

  // An exponent counts only when at least one digit follows the 'e' and its sign.
  if (at < end && (*at == 'e' || *at == 'E')) {
    const char* digitsAt = at + 1;
    bool exponentNegative = false;
    if (digitsAt < end && (*digitsAt == '+' || *digitsAt == '-')) exponentNegative = *digitsAt++ == '-';
    const char* digitsEnd = digitsAt;
    long long written = 0;
    for (; digitsEnd < end && IsDigit(*digitsEnd); ++digitsEnd) {
      if (written < kExponentCap) written = written * 10 + static_cast<long long>(DigitValue(*digitsEnd));
    }
    if (digitsEnd > digitsAt) {
      prefix.exponent = exponentNegative ? -written : written;
      at = digitsEnd;
    }
  }
  prefix.significand = significand;
  prefix.unsignedText = std::string_view(start, static_cast<std::size_t>(at - start));
  return prefix;
}

// Clinger's fast path (W. D. Clinger, "How to read floating point numbers
// accurately", PLDI 1990): a decimal of up to 19 digits forming an integer
// m <= 2^53, with a decimal exponent e of |e| <= 22, makes m and 10^|e| exact
// doubles, so one multiplication or division gives the correctly rounded
// value, as strtod does (binary64 arithmetic, as on SSE2). False otherwise.
SHEDDING_ALWAYS_INLINE bool QuicklyConverted(const DecimalPrefix& prefix, double& magnitude) {
  constexpr std::size_t kMostDigits = 19;  // below 2^64 whatever they are
  constexpr std::uint64_t kLargestExact = std::uint64_t{1} << 53;
  constexpr int kLargestPower = 22;  // 10^22 < 2^53 * 2^22: the largest exact power of ten
  static constexpr std::array<double, kLargestPower + 1> kPowers = {
      1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const std::size_t digits = prefix.integerDigits.size() + prefix.fractionDigits.size();
  const long long exponent = prefix.exponent - static_cast<long long>(prefix.fractionDigits.size());
  if (digits > kMostDigits || prefix.significand > kLargestExact || exponent < -kLargestPower ||
      exponent > kLargestPower) {
    return false;
  }
  const auto exact = static_cast<double>(prefix.significand);
  magnitude = exponent >= 0 ? exact * kPowers[static_cast<std::size_t>(exponent)]
                            : exact / kPowers[static_cast<std::size_t>(-exponent)];
  return true;
}

// Whether a prefix that lies outside the double range is too large (rather
// than too small): its leading nonzero digit stands above the units place.
bool IsBeyondLargest(const DecimalPrefix& prefix) {
  const std::size_t firstNonzero = prefix.integerDigits.find_first_not_of('0');
  if (firstNonzero != std::string_view::npos) {
    const auto integerPlaces = static_cast<long long>(prefix.integerDigits.size() - firstNonzero);
    return prefix.exponent + integerPlaces > 0;
  }
  const auto leadingZeros = static_cast<long long>(prefix.fractionDigits.find_first_not_of('0'));
  return prefix.exponent - leadingZeros > 0;
}

// Every prefix the fast path leaves, by std::from_chars; kept out of line,
// so that the common path pays nothing for it (taken by value, so that the
// record needs no place in memory there).
SHEDDING_NOINLINE double SlowlyConverted(DecimalPrefix prefix) {
  double magnitude = 0.0;
  const auto result = std::from_chars(
      prefix.unsignedText.data(), prefix.unsignedText.data() + prefix.unsignedText.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    magnitude = IsBeyondLargest(prefix) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return magnitude;
}

// The value of a prefix that holds a number.
SHEDDING_ALWAYS_INLINE double Converted(const DecimalPrefix& prefix) {
  double magnitude = 0.0;
  if (!QuicklyConverted(prefix, magnitude)) magnitude = SlowlyConverted(prefix);
  return prefix.negative ? -magnitude : magnitude;
}

}  // namespace

double TextToNumber(std::string_view text) {
  const DecimalPrefix prefix = Scanned(text);
  return prefix.unsignedText.empty() ? 0.0 : Converted(prefix);
}

std::optional<double> NumberInText(std::string_view text) {
  std::size_t length = 0;
  return NumberInText(text, length);
}

std::optional<double> NumberInText(std::string_view text, std::size_t& length) {
  const DecimalPrefix prefix = Scanned(text);
  if (prefix.unsignedText.empty()) return std::nullopt;
  length = static_cast<std::size_t>(prefix.unsignedText.data() + prefix.unsignedText.size() - text.data());
  return Converted(prefix);
}

std::string FormatGeneral(double value, int width, int precision) {
  std::string text;
  TextBuilder(text).AppendGeneral(value, width, precision);
  return text;
}

std::string FormatFixed(double value, int width, int precision) {
  std::string text;
  TextBuilder(text).AppendFixed(value, width, precision);
  return text;
}

std::string FormatFigure(double value, bool claimed, FigureFormat format) {
  std::string text;
  TextBuilder(text).AppendFigure(value, claimed, format);
  return text;
}

std::string FormatShortest(double value) {
  std::array<char, 32> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return {digits.data(), result.ptr};
}

}  // namespace shedding
