#include "shedding/figure.h"

#include "shedding/correlation.h"

namespace shedding {
namespace {

constexpr std::string_view kNotClaimed = "n/a";

}  // namespace

std::string Figure::Text() const {
  std::string text;
  {
    TextBuilder builder(text);
    AppendText(builder);
  }
  return text;
}

void Figure::AppendText(TextBuilder& text) const {
  if (!claimed) {
    text.Append(kNotClaimed);
    return;
  }
  switch (format) {
    case FigureFormat::FourDigits: text.AppendGeneral(value, 4); break;
    case FigureFormat::ThreeDigits: text.AppendGeneral(value, 3); break;
    case FigureFormat::Strouhal: text.AppendFixed(value, kStrouhalTextWidth, kStrouhalTextDecimals); break;
  }
}

}  // namespace shedding
