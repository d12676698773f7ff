#pragma once
// The GCC extensions the number code leans on, kept here so that they stand
// in one place (GCC and mingw-w64's GCC build every target we ship).
//
// - A 128-bit unsigned integer: a double's 53-bit significand times a power
//   of ten up to 10^22 fits, so decimal rounding can be done exactly.
// - Inlining hints: the common path of reading and writing numbers runs for
//   every field of a batch, so the constant precisions of its callers are
//   folded in, and the rare paths are kept out of it.

namespace shedding {

__extension__ typedef unsigned __int128 UInt128;

}  // namespace shedding

// Inlined wherever it is called, so that constant arguments fold in.
#define SHEDDING_ALWAYS_INLINE [[gnu::always_inline]] inline
// Never inlined: a rare path that would only crowd the common one.
#define SHEDDING_NOINLINE [[gnu::noinline]]
