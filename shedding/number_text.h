#pragma once
// Numbers as the user types them and as the program shows them. Both
// directions ignore the process locale: a German desktop still types "0.2"
// and still sees "0.1".

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "shedding/text_builder.h"

namespace shedding {

// C's atof, without its locale and without its words: leading white space is
// skipped, the longest decimal prefix (sign, digits, point, fraction,
// exponent) is converted, and text without one gives 0. "inf", "nan" and hex
// forms are not numbers here. Too large gives +-infinity, too small +-0 or a
// subnormal. Never throws.
double TextToNumber(std::string_view text);

// The same reading, but nothing for a text without a decimal prefix (empty,
// blank, a word): for a field where 0 would be a plausible value.
std::optional<double> NumberInText(std::string_view text);

// The same, and the length of text up to the number's end (white space
// before it included): where a row's next field separator should follow.
std::optional<double> NumberInText(std::string_view text, std::size_t& length);

// NaN for a text without a number, which every range check then rejects.
inline double NumberOrNaN(std::string_view text) {
  return NumberInText(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

// printf's "%<width>.<precision>g" in the "C" locale.
std::string FormatGeneral(double value, int width, int precision);

// printf's "%<width>.<precision>f" in the "C" locale.
std::string FormatFixed(double value, int width, int precision);

// The shortest text that reads back as the same double ("0.1", "2e+05").
std::string FormatShortest(double value);

// A figure's value as shown ("1.051"), "n/a" when not claimed.
std::string FormatFigure(double value, bool claimed, FigureFormat format);

}  // namespace shedding
