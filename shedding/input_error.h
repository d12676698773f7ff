#pragma once
// How every analysis of the core says that an input cannot be used: which
// field, its label in the unit system, and what it must be.

#include <cmath>
#include <string>
#include <string_view>
#include <variant>

namespace shedding {

struct InputError {
  int field = 0;            // the analysis's own numbering: a calculator slot 1 to 3, a ScreeningField, ...
  std::string label;        // "Flow velocity (m/sec)", "Frequency of Vortices (Hz)", ...
  std::string requirement;  // "must be finite and greater than 1e-40", "must lie between 0 and 40", ...
};

// An analysis's answer: its result, or the input that stops it.
template <class Result>
using Outcome = std::variant<Result, InputError>;

// Every measured input (a speed, a length, a frequency, a viscosity) must
// compare strictly greater than this, and be finite.
inline constexpr double InputThreshold = 1e-40;

// Finite and greater than InputThreshold; NaN fails. A text beyond the
// double range reads as infinity, which fails too.
inline bool IsValidInput(double value) { return value > InputThreshold && std::isfinite(value); }

// The error of an input that is not IsValidInput.
InputError InvalidInput(int field, std::string label);

// The error of an input that drives a figure past the double range:
// `figure` names it ("the Reynolds number V*D/nu").
InputError OutOfRange(int field, std::string label, std::string_view figure);

}  // namespace shedding
