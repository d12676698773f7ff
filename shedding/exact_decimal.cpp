#include "shedding/exact_decimal.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "shedding/compiler_extensions.h"

namespace shedding {
namespace {

using Wide = UInt128;

constexpr int kMaximumDigits = 17;
constexpr int kLargestPowerUp = 22;  // f * 10^22 < 2^127 for any 53-bit f
constexpr int kLargestPowerDown = 19;

// IEEE 754 binary64: 52 stored significand bits below 11 exponent bits.
constexpr int kMantissaBits = 52;
constexpr int kExponentBias = 1023;  // value = 1.f * 2^(biased - 1023) for normal numbers
constexpr int kIntegerExponentBias = kExponentBias + kMantissaBits;  // value = f * 2^(biased - 1075), f an integer
constexpr int kBiasedExponentOfNonFinite = 0x7FF;  // all exponent bits set: infinity or NaN

// floor(e * log10(2)) as (e * 78913) >> 18: 78913 / 2^18 = 0.3010292...
// lies just below log10(2) = 0.3010299..., close enough that the floor is
// exact for every binary exponent of a double (checked in exact rational
// arithmetic for |e| <= 1100). The same
// approximation as log10Pow2 in U. Adams, "Ryu: fast float-to-string
// conversion", PLDI 2018 (cited from memory, not re-read here).
constexpr int kLog10Of2Numerator = 78913;
constexpr int kLog10Of2Shift = 18;

// Below 2^53 every integer is a double, and the difference of two is exact.
constexpr double kLargestExactInteger = 0x1p53;
// The product of a magnitude with the nearest double to 10^scale lies within
// two roundings of the exact value: less than 2^-51 of it together.
constexpr double kTwoRoundings = 0x1p-51;

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

constexpr std::uint64_t NarrowPowerOfTen(int exponent) { return static_cast<std::uint64_t>(PowerOfTen(exponent)); }

// 10^k for -22 <= k <= 22 as the nearest doubles: exact from 10^0 on,
// within half a unit in the last place below.
constexpr int kLargestScaling = 22;
constexpr std::array<double, 2 * kLargestScaling + 1> kScalings = {
    1e-22, 1e-21, 1e-20, 1e-19, 1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9, 1e-8,
    1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1,  1e0,   1e1,   1e2,   1e3,   1e4,   1e5,   1e6,  1e7,
    1e8,   1e9,   1e10,  1e11,  1e12,  1e13,  1e14,  1e15,  1e16,  1e17,  1e18,  1e19,  1e20,  1e21, 1e22};

// A value rounded to a whole number of units of 10^-scale: digits * 10^-scale.
struct Rounded {
  std::uint64_t digits;
  int scale;
};

// Round half to even of whole + rest, rest compared with one half by half:
// -1 below, 0 at, 1 above.
constexpr std::uint64_t HalfToEven(std::uint64_t whole, int half) {
  return whole + ((half > 0 || (half == 0 && (whole & 1) != 0)) ? 1 : 0);
}

// magnitude * 10^scale rounded to an integer below 2^53, in binary64: the
// product y with the nearest double to 10^scale is within two roundings of
// the exact value, less than y * 2^-51 together, so whenever the fraction of
// y lies farther than that from one half, the exact value rounds the same
// way. Near an integer the integer part may be one off, but the value
// rounds to that integer either way. False when too close to call or out of
// reach (the caller then takes the exact path).
bool QuicklyRounded(double magnitude, int scale, std::uint64_t& rounded) {
  if (scale < -kLargestScaling || scale > kLargestScaling) return false;
  const double scaled = magnitude * kScalings[static_cast<std::size_t>(scale + kLargestScaling)];
  if (!(scaled < kLargestExactInteger)) return false;
  const auto whole = static_cast<std::uint64_t>(scaled);
  const double fraction = scaled - static_cast<double>(whole);  // exact below 2^53
  const double fromHalf = fraction - 0.5;
  if (std::fabs(fromHalf) <= scaled * kTwoRoundings) return false;
  rounded = whole + (fromHalf > 0 ? 1 : 0);  // no branch: either way is as likely
  return true;
}

// Compares a remainder with half its divisor: -1 below, 0 at, 1 above.
int HalfOf(Wide remainder, Wide divisor) {
  const Wide twice = remainder * 2;
  return twice < divisor ? -1 : (twice == divisor ? 0 : 1);
}

// The same exactly, in integers: a positive normal double is f * 2^e with f
// below 2^53, so magnitude * 10^scale splits into a whole part and a
// remainder in 128 bits for every scale and exponent reached here. Rarely
// needed, so kept out of the common path.
SHEDDING_NOINLINE bool ExactlyRounded(double magnitude, int scale, std::uint64_t& rounded) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const auto biased = static_cast<int>(bits >> kMantissaBits);
  if (biased == 0 || biased >= kBiasedExponentOfNonFinite) return false;  // zero, subnormal, infinity, NaN
  const std::uint64_t f = (bits & ((std::uint64_t{1} << kMantissaBits) - 1)) | (std::uint64_t{1} << kMantissaBits);
  const int e = biased - kIntegerExponentBias;
  Wide whole = 0;
  int half = -1;
  if (scale >= 0) {
    if (scale > kLargestPowerUp || e > 10 || e <= -127 || (e >= 0 && scale > kMaximumDigits)) return false;
    const Wide product = Wide{f} * PowerOfTen(scale);
    if (e >= 0) {
      whole = product << e;
    } else {
      const Wide divisor = Wide{1} << -e;
      whole = product >> -e;
      const Wide remainder = product & (divisor - 1);
      if (remainder != 0) half = HalfOf(remainder, divisor);
    }
  } else {
    if (-scale > kLargestPowerDown || e > 74 || e < -60) return false;
    Wide dividend = f;
    Wide divisor = PowerOfTen(-scale);
    if (e >= 0) {
      dividend <<= e;
    } else {
      divisor <<= -e;
    }
    whole = dividend / divisor;
    const Wide remainder = dividend - whole * divisor;
    if (remainder != 0) half = HalfOf(remainder, divisor);
  }
  if (whole >> 63 != 0) return false;
  rounded = HalfToEven(static_cast<std::uint64_t>(whole), half);
  return true;
}

inline bool RoundedAt(double magnitude, int scale, std::uint64_t& rounded) {
  return QuicklyRounded(magnitude, scale, rounded) || ExactlyRounded(magnitude, scale, rounded);
}

// The value to `precision` significant digits: digits has exactly that many.
// Always inlined, as General below, so that a constant precision folds in.
SHEDDING_ALWAYS_INLINE bool Significant(double magnitude, int precision, Rounded& result) {
  if (!(magnitude >= std::numeric_limits<double>::min() && magnitude <= std::numeric_limits<double>::max())) return false;
  // floor(log10) of the value is this estimate or one above it.
  const int binaryExponent = static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> kMantissaBits) - kExponentBias;
  const int estimate = (binaryExponent * kLog10Of2Numerator) >> kLog10Of2Shift;
  const std::uint64_t limit = NarrowPowerOfTen(precision);
  int scale = precision - 1 - estimate;
  std::uint64_t digits = 0;
  if (!RoundedAt(magnitude, scale, digits)) return false;
  if (digits > limit) {  // the estimate was one low
    --scale;
    if (!RoundedAt(magnitude, scale, digits) || digits > limit) return false;
  }
  if (digits < NarrowPowerOfTen(precision - 1)) return false;
  // 9.99.. rounded up to 10.0..: one digit fewer at the next power. (Exact
  // at limit: with the estimate one low the value would round to more.)
  result = digits == limit ? Rounded{digits / 10, scale - 1} : Rounded{digits, scale};
  return true;
}

// Digits are written into a scratch buffer and moved as a whole: copies of
// one fixed size, however many digits, avoid a loop per character. Both
// the scratch buffer and the output have room beyond what they hold.
constexpr std::size_t kPlaced = kMaximumDigits + 2;
constexpr int kWidest = 20;  // digits below 2^64
constexpr std::size_t kScratch = kWidest + kPlaced;

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

char* Pair(std::uint32_t number, char* out) {
  std::memcpy(out, kPairs + 2 * number, 2);
  return out + 2;
}

// The four digits of a number below 10^4, leading zeros included.
void FourDigits(std::uint32_t number, char* out) {
  const std::uint32_t high = number / 100;
  Pair(number - 100 * high, Pair(high, out));
}

void EightDigits(std::uint64_t number, char* out) {
  const auto high = static_cast<std::uint32_t>(number / 10000);
  FourDigits(high, out);
  FourDigits(static_cast<std::uint32_t>(number) - 10000 * high, out + 4);
}

// The last `count` digits of number (below 10^count) in scratch, from the
// place returned: four, eight or twenty digits are written, as many as the
// number needs, over a row of zeros.
const char* Digits(std::uint64_t number, int count, char (&scratch)[kScratch]) {
  std::memset(scratch, '0', kScratch);
  constexpr std::uint64_t kEightDigits = 100'000'000;
  if (number < 10'000) {
    FourDigits(static_cast<std::uint32_t>(number), scratch + kWidest - 4);
  } else if (number < kEightDigits) {
    EightDigits(number, scratch + kWidest - 8);
  } else {
    const std::uint64_t high = number / kEightDigits;
    EightDigits(number - high * kEightDigits, scratch + kWidest - 8);
    const std::uint64_t top = high / kEightDigits;
    EightDigits(high - top * kEightDigits, scratch + kWidest - 16);
    FourDigits(static_cast<std::uint32_t>(top), scratch);
  }
  return scratch + kWidest - count;
}

char* Place(const char* digits, int count, char* to) {
  std::memcpy(to, digits, kPlaced);
  return to + count;
}

char* Zeros(int count, char* to) {
  static constexpr char kZeros[kMaximumDigits + 1] = "00000000000000000";
  std::memcpy(to, kZeros, kMaximumDigits);
  return to + count;
}

// %.<precision>g for 1 <= precision <= 17.
SHEDDING_ALWAYS_INLINE std::size_t General(double value, int precision, char* out) {
  Rounded rounded{};
  if (!Significant(std::fabs(value), precision, rounded)) return 0;
  const int exponent = precision - 1 - rounded.scale;

  // %g drops trailing zeros.
  std::uint64_t number = rounded.digits;
  int kept = precision;
  while (kept > 1 && number % 10 == 0) {
    number /= 10;
    --kept;
  }
  char scratch[kScratch];
  const char* const digits = Digits(number, kept, scratch);

  // Fixed notation for exponents from -4 to precision - 1, otherwise exponent notation.
  char* at = out;
  if (std::signbit(value)) *at++ = '-';
  if (exponent >= precision || exponent < -4) {
    *at++ = digits[0];
    if (kept > 1) {
      *at++ = '.';
      at = Place(digits + 1, kept - 1, at);
    }
    *at++ = 'e';
    *at++ = exponent < 0 ? '-' : '+';
    const auto written = static_cast<std::uint32_t>(std::abs(exponent));  // at least two digits
    if (written >= 100) *at++ = static_cast<char>('0' + written / 100);
    at = Pair(written % 100, at);
  } else if (exponent < 0) {
    *at++ = '0';
    *at++ = '.';
    at = Zeros(-exponent - 1, at);
    at = Place(digits, kept, at);
  } else {
    const int integerDigits = exponent + 1;
    if (kept <= integerDigits) {
      Place(digits, kept, at);
      at = Zeros(integerDigits - kept, at + kept);
    } else {
      Place(digits, integerDigits, at);
      at[integerDigits] = '.';
      at = Place(digits + integerDigits, kept - integerDigits, at + integerDigits + 1);
    }
  }
  return static_cast<std::size_t>(at - out);
}

}  // namespace

std::size_t ExactGeneral(double value, int precision, char* out) {
  // The precisions batches show, each with its constants folded in.
  switch (precision) {
    case 0: return General(value, 1, out);  // as printf reads %.0g
    case 3: return General(value, 3, out);
    case 4: return General(value, 4, out);
    default: return precision >= 1 && precision <= kMaximumDigits ? General(value, precision, out) : 0;
  }
}

std::size_t ExactFixed(double value, int precision, char* out) {
  if (precision < 0 || precision > kMaximumDigits) return 0;
  const double magnitude = std::fabs(value);
  std::uint64_t number = 0;
  if (!RoundedAt(magnitude, precision, number)) return 0;
  if (number >= NarrowPowerOfTen(kMaximumDigits + 2)) return 0;  // at most 19 digits

  int count = precision + 1;  // at least one integer digit
  while (count < kMaximumDigits + 2 && number >= NarrowPowerOfTen(count)) ++count;
  char scratch[kScratch];
  const char* const digits = Digits(number, count, scratch);
  char* at = out;
  if (std::signbit(value)) *at++ = '-';
  const int integerDigits = count - precision;
  at = Place(digits, integerDigits, at);
  if (precision > 0) {
    *at++ = '.';
    at = Place(digits + integerDigits, precision, at);
  }
  return static_cast<std::size_t>(at - out);
}

}  // namespace shedding
