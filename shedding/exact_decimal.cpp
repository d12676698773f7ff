#include "shedding/exact_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace shedding {
namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr int kMaximumDigits = 17;
constexpr int kLargestPowerUp = 22;  // f * 10^22 < 2^127 for any 53-bit f
constexpr int kLargestPowerDown = 19;
constexpr int kMantissaBits = 52;
constexpr int kExponentBias = 1075;  // value = f * 2^(biased - 1075) for normal numbers

constexpr std::array<Wide, kLargestPowerUp + 1> kPowersOfTen = [] {
  std::array<Wide, kLargestPowerUp + 1> powers{};
  Wide power = 1;
  for (Wide& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

constexpr Wide PowerOfTen(int exponent) { return kPowersOfTen[static_cast<std::size_t>(exponent)]; }

// 10^k for |k| <= 22: exact for k >= 0, the nearest double for k < 0.
constexpr int kLargestExactPower = 22;
constexpr std::array<double, 2 * kLargestExactPower + 1> kDoublePowers = {
    1e-22, 1e-21, 1e-20, 1e-19, 1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9, 1e-8,
    1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1,  1e0,   1e1,   1e2,   1e3,   1e4,   1e5,   1e6,  1e7,
    1e8,   1e9,   1e10,  1e11,  1e12,  1e13,  1e14,  1e15,  1e16,  1e17,  1e18,  1e19,  1e20,  1e21, 1e22};

double DoublePower(int exponent) { return kDoublePowers[static_cast<std::size_t>(exponent + kLargestExactPower)]; }

// A positive normal double as f * 2^e, f an integer below 2^53.
struct Binary {
  std::uint64_t f;
  int e;
};

std::optional<Binary> Decompose(double magnitude) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const auto biased = static_cast<int>(bits >> kMantissaBits);
  if (biased == 0 || biased >= 0x7FF) return std::nullopt;  // zero, subnormal, infinity, NaN
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << kMantissaBits) - 1);
  return Binary{fraction | (std::uint64_t{1} << kMantissaBits), biased - kExponentBias};
}

// magnitude * 10^scale split exactly into its integer part and whether the
// rest is below, at or above one half: -1, 0 or 1.
struct Split {
  Wide whole;
  int half;
};

// Compares a remainder with half its divisor.
int HalfOf(Wide remainder, Wide divisor) {
  const Wide twice = remainder * 2;
  return twice < divisor ? -1 : (twice == divisor ? 0 : 1);
}

std::optional<Split> Scaled(Binary binary, int scale) {
  if (scale >= 0) {
    if (scale > kLargestPowerUp) return std::nullopt;
    // Usually the product and the shift fit in 64 bits.
    std::uint64_t narrow = 0;
    if (binary.e < 0 && binary.e > -64 &&
        !__builtin_mul_overflow(binary.f, static_cast<std::uint64_t>(PowerOfTen(scale)), &narrow)) {
      const int shift = -binary.e;
      const std::uint64_t rest = narrow & ((std::uint64_t{1} << shift) - 1);
      const std::uint64_t half = std::uint64_t{1} << (shift - 1);
      return Split{narrow >> shift, rest < half ? -1 : (rest == half ? 0 : 1)};
    }
    const Wide product = Wide{binary.f} * PowerOfTen(scale);
    if (binary.e >= 0) {
      if (binary.e > 10) return std::nullopt;  // keeps the product far below 2^128
      return Split{product << binary.e, -1};
    }
    const int shift = -binary.e;
    if (shift >= 127) return std::nullopt;
    const Wide divisor = Wide{1} << shift;
    return Split{product >> shift, product & (divisor - 1) ? HalfOf(product & (divisor - 1), divisor) : -1};
  }
  if (-scale > kLargestPowerDown) return std::nullopt;
  Wide dividend = binary.f;
  Wide divisor = PowerOfTen(-scale);
  if (binary.e >= 0) {
    if (binary.e > 74) return std::nullopt;
    dividend <<= binary.e;
  } else {
    if (-binary.e > 60) return std::nullopt;
    divisor <<= -binary.e;
  }
  // Usually both fit in 64 bits, where division is one instruction.
  if (dividend >> 64 == 0 && divisor >> 64 == 0) {
    const auto narrowDividend = static_cast<std::uint64_t>(dividend);
    const auto narrowDivisor = static_cast<std::uint64_t>(divisor);
    const std::uint64_t quotient = narrowDividend / narrowDivisor;
    const std::uint64_t remainder = narrowDividend - quotient * narrowDivisor;
    return Split{quotient, remainder ? HalfOf(remainder, divisor) : -1};
  }
  const Wide quotient = dividend / divisor;
  const Wide remainder = dividend - quotient * divisor;
  return Split{quotient, remainder ? HalfOf(remainder, divisor) : -1};
}

// The same split in binary64, for the common case: magnitude * 10^scale
// (10^|scale| exact) is one correctly rounded operation, off by at most
// y * 2^-53, so whenever the fraction of the result lies farther than
// y * 2^-52 from one half the rounding goes the same way as the exact
// value's. Near an integer the integer part may be off by one, but the
// value rounds to that integer either way. nullopt: too close to call.
std::optional<Split> QuicklyScaled(double magnitude, int scale) {
  if (scale < -kLargestExactPower || scale > kLargestExactPower) return std::nullopt;
  const double power = DoublePower(scale < 0 ? -scale : scale);
  const double scaled = scale >= 0 ? magnitude * power : magnitude / power;
  if (!(scaled < 0x1p53)) return std::nullopt;
  const auto whole = static_cast<std::uint64_t>(scaled);
  const double fraction = scaled - static_cast<double>(whole);  // exact below 2^53
  const double margin = scaled * 0x1p-52;
  if (fraction < 0.5 - margin) return Split{whole, -1};
  if (fraction > 0.5 + margin) return Split{whole, 1};
  return std::nullopt;
}

std::optional<Split> SplitScaled(double magnitude, Binary binary, int scale) {
  if (auto quick = QuicklyScaled(magnitude, scale)) return quick;
  return Scaled(binary, scale);
}

// Round half to even.
Wide Rounded(const Split& split) {
  const bool up = split.half > 0 || (split.half == 0 && (split.whole & 1) != 0);
  return split.whole + (up ? 1 : 0);
}

// The last `count` decimal digits of number, two at a time.
char* Digits(std::uint64_t number, int count, char* out) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  int at = count;
  while (at >= 2) {
    const auto pair = static_cast<std::size_t>(number % 100) * 2;
    number /= 100;
    at -= 2;
    out[at] = kPairs[pair];
    out[at + 1] = kPairs[pair + 1];
  }
  if (at == 1) out[0] = static_cast<char>('0' + number % 10);
  return out + count;
}

int DigitCount(std::uint64_t number) {
  int count = 1;
  while (number >= 10) {
    number /= 10;
    ++count;
  }
  return count;
}

}  // namespace

std::size_t ExactGeneral(double value, int precision, char (&out)[kExactDecimalCapacity]) {
  if (precision == 0) precision = 1;  // as printf reads %.0g
  if (precision < 1 || precision > kMaximumDigits) return 0;
  const double magnitude = std::fabs(value);
  const auto binary = Decompose(magnitude);
  if (!binary) return 0;

  // floor(log10) of the value: the binary exponent's estimate or one above
  // it, told apart by a comparison in double; the split then confirms that
  // the digits to keep number exactly `precision`.
  const int binaryExponent = binary->e + kMantissaBits;
  int exponent = (binaryExponent * 78913) >> 18;  // floor(binaryExponent * log10(2))
  if (exponent + 1 >= -kLargestExactPower && exponent + 1 <= kLargestExactPower &&
      magnitude >= DoublePower(exponent + 1)) {
    ++exponent;
  }
  const Wide limit = PowerOfTen(precision);
  const Wide least = PowerOfTen(precision - 1);
  auto split = SplitScaled(magnitude, *binary, precision - 1 - exponent);
  for (int attempt = 0; split && attempt < 2; ++attempt) {
    const int correction = split->whole >= limit ? 1 : (split->whole < least ? -1 : 0);
    if (correction == 0) break;
    exponent += correction;
    split = SplitScaled(magnitude, *binary, precision - 1 - exponent);
  }
  if (!split || split->whole >= limit || split->whole < least) return 0;
  Wide digits = Rounded(*split);
  if (digits == limit) {  // 9.99.. rounded up to 10.0..
    digits = least;
    ++exponent;
  }

  // %g: fixed notation for exponents from -4 to precision - 1, otherwise
  // exponent notation; trailing zeros of the fraction dropped.
  char* at = out;
  if (std::signbit(value)) *at++ = '-';
  char text[kMaximumDigits];
  Digits(static_cast<std::uint64_t>(digits), precision, text);
  int kept = precision;
  while (kept > 1 && text[kept - 1] == '0') --kept;
  if (exponent >= -4 && exponent < precision) {
    if (exponent < 0) {
      *at++ = '0';
      *at++ = '.';
      for (int i = -1; i > exponent; --i) *at++ = '0';
      for (int i = 0; i < kept; ++i) *at++ = text[i];
    } else {
      const int integerDigits = exponent + 1;
      for (int i = 0; i < integerDigits; ++i) *at++ = i < kept ? text[i] : '0';
      if (kept > integerDigits) {
        *at++ = '.';
        for (int i = integerDigits; i < kept; ++i) *at++ = text[i];
      }
    }
  } else {
    *at++ = text[0];
    if (kept > 1) {
      *at++ = '.';
      for (int i = 1; i < kept; ++i) *at++ = text[i];
    }
    *at++ = 'e';
    *at++ = exponent < 0 ? '-' : '+';
    const auto written = static_cast<std::uint64_t>(std::abs(exponent));
    at = Digits(written, written < 10 ? 2 : DigitCount(written), at);
  }
  return static_cast<std::size_t>(at - out);
}

std::size_t ExactFixed(double value, int precision, char (&out)[kExactDecimalCapacity]) {
  if (precision < 0 || precision > kMaximumDigits) return 0;
  const double magnitude = std::fabs(value);
  std::optional<Split> split = QuicklyScaled(magnitude, precision);
  if (!split) {
    if (const auto binary = Decompose(magnitude)) split = Scaled(*binary, precision);
  }
  if (!split) return 0;
  const Wide rounded = Rounded(*split);
  constexpr Wide kLargest = PowerOfTen(kMaximumDigits + 2);  // keeps the digits within 64 bits
  if (rounded >= kLargest) return 0;

  const auto number = static_cast<std::uint64_t>(rounded);
  const int count = std::max(DigitCount(number), precision + 1);
  char text[kMaximumDigits + 3];
  Digits(number, count, text);
  char* at = out;
  if (std::signbit(value)) *at++ = '-';
  const int integerDigits = count - precision;
  for (int i = 0; i < integerDigits; ++i) *at++ = text[i];
  if (precision > 0) {
    *at++ = '.';
    for (int i = integerDigits; i < count; ++i) *at++ = text[i];
  }
  return static_cast<std::size_t>(at - out);
}

}  // namespace shedding
