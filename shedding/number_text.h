#pragma once
// Numbers as the user types them and as the program shows them. Both
// directions ignore the process locale: a German desktop still types "0.2"
// and still sees "0.1".

#include <string>
#include <string_view>

namespace shedding {

// C's atof, without its locale and without its words: leading white space is
// skipped, the longest decimal prefix (sign, digits, point, fraction,
// exponent) is converted, and text without one gives 0. "inf", "nan" and hex
// forms are not numbers here. Too large gives +-infinity, too small +-0 or a
// subnormal. Never throws.
double TextToNumber(std::string_view text);

// printf's "%<width>.<precision>g" in the "C" locale.
std::string FormatGeneral(double value, int width, int precision);

// printf's "%<width>.<precision>f" in the "C" locale.
std::string FormatFixed(double value, int width, int precision);

// The same, appended to text: for batches, which build whole lines.
void AppendGeneral(std::string& text, double value, int width, int precision);
void AppendFixed(std::string& text, double value, int width, int precision);

}  // namespace shedding
