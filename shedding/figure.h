#pragma once
// One figure of an analysis's result: its key for data files, its label
// with the unit, its value and the format it is shown in.

#include <string>
#include <string_view>

#include "shedding/text_builder.h"

namespace shedding {

// How a figure's text shows its value: printf's %.4g, %.3g, or the
// Strouhal number's %5.3f as the correlation shows it.
enum class FigureFormat { FourDigits, ThreeDigits, Strouhal };

struct Figure {
  std::string_view key;    // "reynolds_number", ...
  std::string_view label;  // with its unit: "Shedding frequency (Hz)"
  double value = 0.0;      // NaN when not claimed
  bool claimed = false;
  FigureFormat format = FigureFormat::FourDigits;

  // The value as shown ("1.051"), "n/a" when not claimed; formatted on
  // request, so that a batch pays only for the texts it writes.
  std::string Text() const;
  void AppendText(TextBuilder& text) const;
};

}  // namespace shedding
