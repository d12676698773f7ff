#pragma once
// One figure of an analysis's result: its key for data files, its label
// with the unit, its value and the format it is shown in.

#include <cstddef>
#include <limits>
#include <span>
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

// Fills an analysis's figures by their ids, each named as it is written.
// name(index, figure) sets the figure's key and label.
template <class Namer>
class FigureWriter {
 public:
  FigureWriter(std::span<Figure> figures, Namer name) : figures_(figures), name_(name) {}

  template <class Id>
  void Claim(Id id, double value, FigureFormat format = FigureFormat::FourDigits) {
    Figure& figure = Named(id);
    figure.value = value;
    figure.claimed = true;
    figure.format = format;
  }

  template <class Id>
  void Disclaim(Id id) {
    Figure& figure = Named(id);
    figure.value = std::numeric_limits<double>::quiet_NaN();
    figure.claimed = false;
  }

 private:
  template <class Id>
  Figure& Named(Id id) {
    const auto index = static_cast<std::size_t>(id);
    Figure& figure = figures_[index];
    name_(index, figure);
    return figure;
  }

  std::span<Figure> figures_;
  Namer name_;
};

}  // namespace shedding
