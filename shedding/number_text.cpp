#include "shedding/number_text.h"

#include <array>
#include <charconv>
#include <limits>
#include <system_error>

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

std::string RightAligned(std::string text, int width) {
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  }
  return text;
}

// std::to_chars with a precision formats as printf does in the "C" locale.
std::string Formatted(double value, std::chars_format format, int width, int precision) {
  std::array<char, 64> small{};
  const auto [end, error] =
      std::to_chars(small.data(), small.data() + small.size(), value, format, precision);
  if (error == std::errc{}) return RightAligned(std::string(small.data(), end), width);

  // Fixed notation of a large magnitude: sign, up to 309 integer digits, point, fraction.
  constexpr int kDefaultPrecision = 6;  // what a negative precision means
  const int fractionDigits = precision < 0 ? kDefaultPrecision : precision;
  std::string large(
      static_cast<std::size_t>(std::numeric_limits<double>::max_exponent10 + 3 + fractionDigits), '\0');
  const auto result = std::to_chars(large.data(), large.data() + large.size(), value, format, precision);
  large.resize(static_cast<std::size_t>(result.ptr - large.data()));
  return RightAligned(std::move(large), width);
}

}  // namespace

double TextToNumber(std::string_view text) {
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

std::string FormatGeneral(double value, int width, int precision) {
  return Formatted(value, std::chars_format::general, width, precision);
}

std::string FormatFixed(double value, int width, int precision) {
  return Formatted(value, std::chars_format::fixed, width, precision);
}

}  // namespace shedding
