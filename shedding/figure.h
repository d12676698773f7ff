#pragma once
// One figure of an analysis's result: its key for data files, its label
// with the unit, its value and the format it is shown in.

#include <string>
#include <string_view>

#include "shedding/number_text.h"
#include "shedding/text_builder.h"

namespace shedding {

struct Figure {
  std::string_view key;    // "reynolds_number", ...
  std::string_view label;  // with its unit: "Shedding frequency (Hz)"
  double value = 0.0;      // NaN when not claimed
  bool claimed = false;
  FigureFormat format = FigureFormat::FourDigits;  // how TextBuilder::AppendFigure shows it
};

// The value as shown ("1.051"), "n/a" when not claimed.
inline std::string FigureText(const Figure& figure) {
  return FormatFigure(figure.value, figure.claimed, figure.format);
}

}  // namespace shedding
