#pragma once
// TextBuilder's private part, included by text_builder.cpp alone: printf's
// %.<precision>g and %.<precision>f ("C" locale, no width) by exact integer
// arithmetic, for the finite values calculators mostly show. A value
// is an integer times a power of two, so scaling it by a power of ten and
// splitting off the digits to keep is exact in 128-bit integers; the
// remainder then decides the rounding exactly, halfway cases to even, as
// glibc's printf and std::to_chars round. Values out of reach (zero,
// subnormals, NaN, infinities, magnitudes far from 1, more than 17 digits)
// are left to the caller.

#include <cstddef>

namespace shedding {

// Enough for a sign, 17 digits, a point, zeros before the digits and an
// exponent, with room behind them: digits are written in copies of one size.
inline constexpr std::size_t kExactDecimalCapacity = 48;

// The text written at out, which has room for kExactDecimalCapacity
// characters, and its length; or 0 if this value and precision are not
// handled here.
std::size_t ExactGeneral(double value, int precision, char* out);
std::size_t ExactFixed(double value, int precision, char* out);

}  // namespace shedding
