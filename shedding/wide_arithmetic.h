#pragma once
// Products and quotients of valid inputs (finite, above 1e-40) whose answer
// fits a double although a step on the way does not: 1e200 * 1e200 / 1e300
// is 1e100. long double's exponent range (x87 extended, as GCC gives it on
// Linux and on mingw-w64) holds the product of any two doubles.

#include <cmath>

namespace shedding {

// a * b / divisor, formed in long double.
inline double WideProductOver(double a, double b, double divisor) {
  return static_cast<double>(static_cast<long double>(a) * b / divisor);
}

// `plain`, as double arithmetic formed it, when that is a normal number;
// otherwise wide(), the same formed in long double. Answers that double
// arithmetic gets right keep every bit; the others stop overflowing (or
// underflowing) on the way.
template <class Wide>
double UnlessOutOfRange(double plain, Wide wide) {
  return std::isnormal(plain) ? plain : wide();
}

}  // namespace shedding
