#include "shedding/number_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <system_error>

#include "shedding/exact_decimal.h"

namespace shedding {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

// The decimal prefix atof would convert, split into the parts needed to
// convert it and to tell overflow from underflow.
struct DecimalPrefix {
  bool negative = false;
  std::string_view unsignedText;  // digits, point, fraction, exponent; empty if none
  std::string_view integerDigits;
  std::string_view fractionDigits;
  std::string_view exponentText;  // sign and digits after the 'e'; empty if none
};

DecimalPrefix ScanDecimalPrefix(std::string_view text) {
  DecimalPrefix prefix;
  std::size_t pos = 0;
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    prefix.negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t start = pos;
  pos = SkipDigits(text, pos);
  prefix.integerDigits = text.substr(start, pos - start);
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fractionStart = pos + 1;
    pos = SkipDigits(text, fractionStart);
    prefix.fractionDigits = text.substr(fractionStart, pos - fractionStart);
  }
  if (prefix.integerDigits.empty() && prefix.fractionDigits.empty()) return DecimalPrefix{};

  // An exponent counts only when at least one digit follows the 'e' and its sign.
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t digitsStart = pos + 1;
    if (digitsStart < text.size() && (text[digitsStart] == '+' || text[digitsStart] == '-')) {
      ++digitsStart;
    }
    const std::size_t end = SkipDigits(text, digitsStart);
    if (end > digitsStart) {
      prefix.exponentText = text.substr(pos + 1, end - pos - 1);
      pos = end;
    }
  }
  prefix.unsignedText = text.substr(start, pos - start);
  return prefix;
}

// Whether a prefix that lies outside the double range is too large (rather
// than too small): its leading nonzero digit stands above the units place.
bool IsBeyondLargest(const DecimalPrefix& prefix) {
  constexpr long long kCap = 1'000'000;  // far beyond any double's decimal exponent
  long long exponent = 0;
  bool exponentNegative = false;
  for (char c : prefix.exponentText) {
    if (c == '-') exponentNegative = true;
    if (IsDigit(c) && exponent < kCap) exponent = exponent * 10 + (c - '0');
  }
  if (exponentNegative) exponent = -exponent;

  const std::size_t firstNonzero = prefix.integerDigits.find_first_not_of('0');
  if (firstNonzero != std::string_view::npos) {
    const auto integerPlaces = static_cast<long long>(prefix.integerDigits.size() - firstNonzero);
    return exponent + integerPlaces > 0;
  }
  const auto leadingZeros = static_cast<long long>(prefix.fractionDigits.find_first_not_of('0'));
  return exponent - leadingZeros > 0;
}

// Clinger's fast path, in one pass over the text: a plain decimal of up to
// 19 digits forming an integer m <= 2^53, with a decimal exponent e of
// |e| <= 22, makes m and 10^|e| exact doubles, so one multiplication or
// division gives the correctly rounded value, as strtod does (binary64
// arithmetic, as on SSE2). nullopt for every other text.
std::optional<double> QuicklyConverted(std::string_view text) {
  constexpr int kMostDigits = 19;  // below 2^64 whatever they are
  constexpr int kMostExponentDigits = 3;
  constexpr std::uint64_t kLargestExact = std::uint64_t{1} << 53;
  constexpr int kLargestPower = 22;
  static constexpr std::array<double, kLargestPower + 1> kPowers = {
      1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at < end && IsSpace(*at)) ++at;
  bool negative = false;
  if (at < end && (*at == '+' || *at == '-')) negative = *at++ == '-';
  std::uint64_t mantissa = 0;
  int digits = 0;
  int exponent = 0;
  for (; at < end && IsDigit(*at); ++at, ++digits) mantissa = mantissa * 10 + static_cast<std::uint64_t>(*at - '0');
  if (at < end && *at == '.') {
    for (++at; at < end && IsDigit(*at); ++at, ++digits, --exponent) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(*at - '0');
    }
  }
  if (digits == 0 || digits > kMostDigits || mantissa > kLargestExact) return std::nullopt;
  if (at < end && (*at == 'e' || *at == 'E')) {
    ++at;
    bool exponentNegative = false;
    if (at < end && (*at == '+' || *at == '-')) exponentNegative = *at++ == '-';
    int written = 0;
    int count = 0;
    for (; at < end && IsDigit(*at); ++at) {
      if (++count > kMostExponentDigits) return std::nullopt;
      written = written * 10 + (*at - '0');
    }
    exponent += exponentNegative ? -written : written;  // no digits: no exponent, and written is 0
  }
  if (exponent < -kLargestPower || exponent > kLargestPower) return std::nullopt;
  const auto exact = static_cast<double>(mantissa);
  const double magnitude = exponent >= 0 ? exact * kPowers[static_cast<std::size_t>(exponent)]
                                         : exact / kPowers[static_cast<std::size_t>(-exponent)];
  return negative ? -magnitude : magnitude;
}

// Appends text right-aligned in width.
void AppendAligned(std::string& text, const char* written, std::size_t length, int width) {
  if (width > 0 && length < static_cast<std::size_t>(width)) text.append(static_cast<std::size_t>(width) - length, ' ');
  text.append(written, length);
}

// What the exact shortcuts leave, by std::to_chars: fixed notation of a
// large magnitude can take a sign, 309 integer digits, a point and the fraction.
void AppendConverted(std::string& text, double value, std::chars_format format, int width, int precision) {
  constexpr int kDefaultPrecision = 6;  // what a negative precision means
  const int fractionDigits = precision < 0 ? kDefaultPrecision : precision;
  std::string converted(static_cast<std::size_t>(std::numeric_limits<double>::max_exponent10 + 3 + fractionDigits), '\0');
  const auto result = std::to_chars(converted.data(), converted.data() + converted.size(), value, format, precision);
  AppendAligned(text, converted.data(), static_cast<std::size_t>(result.ptr - converted.data()), width);
}

// Appends the formatted value, right-aligned in width.
void AppendFormatted(std::string& text, double value, std::chars_format format, int width, int precision) {
  char exact[kExactDecimalCapacity];
  const std::size_t length = format == std::chars_format::fixed ? ExactFixed(value, precision, exact)
                                                                : ExactGeneral(value, precision, exact);
  if (length == 0) return AppendConverted(text, value, format, width, precision);
  AppendAligned(text, exact, length, width);
}

// Every text the fast path leaves, by std::from_chars; kept out of line, so
// that the common path pays nothing for it.
[[gnu::noinline]] double SlowlyConverted(std::string_view text) {
  const DecimalPrefix prefix = ScanDecimalPrefix(text);
  if (prefix.unsignedText.empty()) return 0.0;

  double magnitude = 0.0;
  const auto result = std::from_chars(
      prefix.unsignedText.data(), prefix.unsignedText.data() + prefix.unsignedText.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    magnitude = IsBeyondLargest(prefix) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return prefix.negative ? -magnitude : magnitude;
}

}  // namespace

double TextToNumber(std::string_view text) {
  if (const auto quick = QuicklyConverted(text)) return *quick;
  return SlowlyConverted(text);
}

std::string FormatGeneral(double value, int width, int precision) {
  std::string text;
  AppendGeneral(text, value, width, precision);
  return text;
}

std::string FormatFixed(double value, int width, int precision) {
  std::string text;
  AppendFixed(text, value, width, precision);
  return text;
}

void AppendGeneral(std::string& text, double value, int width, int precision) {
  AppendFormatted(text, value, std::chars_format::general, width, precision);
}

void AppendFixed(std::string& text, double value, int width, int precision) {
  AppendFormatted(text, value, std::chars_format::fixed, width, precision);
}

}  // namespace shedding
