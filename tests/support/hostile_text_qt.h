#pragma once
// Text a user may put into a field, by typing, pasting or through an input
// method: words, numbers in every spelling a parser may meet, letters and
// symbols from beyond ASCII, control characters, and very long runs.

#include <QString>
#include <random>

enum class TextLength {
  Short,  // what someone types: up to a few dozen characters
  Any,    // also what someone pastes: up to tens of thousands
};

QString HostileText(std::mt19937_64& engine, TextLength length);

// The shortest of the "very long" texts HostileText gives.
inline constexpr int kLongTextMinimum = 10'000;
