#include "shedding/text_builder.h"

#include <algorithm>
#include <limits>

#include "shedding/compiler_extensions.h"
#include "shedding/correlation.h"
#include "shedding/exact_decimal.h"

namespace shedding {
namespace {

constexpr std::string_view kNotClaimed = "n/a";

// What printf's %g and %f write for a negative precision.
constexpr int kDefaultPrecision = 6;

}  // namespace

// The exact decimal code writes straight into the buffer; what it leaves
// (zero, subnormals, NaN, infinities, far magnitudes) goes to std::to_chars.
// Inlined into each caller below, so that a constant format and width fold in.
SHEDDING_ALWAYS_INLINE void TextBuilder::AppendNumber(double value, std::chars_format format, int width,
                                                      int precision) {
  if (buffer_.size() - used_ < kExactDecimalCapacity) Flush();
  char* const at = buffer_.data() + used_;
  const std::size_t length =
      format == std::chars_format::fixed ? ExactFixed(value, precision, at) : ExactGeneral(value, precision, at);
  if (length == 0) return AppendConverted(value, format, width, precision);
  used_ += length;
  if (width > 0 && length < static_cast<std::size_t>(width)) AlignLast(length, width);
}

void TextBuilder::AppendGeneral(double value, int width, int precision) {
  AppendNumber(value, std::chars_format::general, width, precision);
}

void TextBuilder::AppendFixed(double value, int width, int precision) {
  AppendNumber(value, std::chars_format::fixed, width, precision);
}

void TextBuilder::AppendFigure(double value, bool claimed, FigureFormat format) {
  if (!claimed) return Append(kNotClaimed);
  switch (format) {
    case FigureFormat::FourDigits: return AppendNumber(value, std::chars_format::general, 0, 4);
    case FigureFormat::ThreeDigits: return AppendNumber(value, std::chars_format::general, 0, 3);
    case FigureFormat::Strouhal:
      return AppendNumber(value, std::chars_format::fixed, kStrouhalTextWidth, kStrouhalTextDecimals);
  }
}

// The last length characters written, moved behind the spaces that pad them to width.
SHEDDING_NOINLINE void TextBuilder::AlignLast(std::size_t length, int width) {
  char written[kExactDecimalCapacity];
  used_ -= length;
  std::memcpy(written, buffer_.data() + used_, length);
  AppendAligned(std::string_view(written, length), width);
}

// Fixed notation of a large magnitude can take a sign, 309 integer digits,
// a point and the fraction.
SHEDDING_NOINLINE void TextBuilder::AppendConverted(double value, std::chars_format format, int width,
                                                    int precision) {
  const int fractionDigits = precision < 0 ? kDefaultPrecision : precision;
  std::string converted(static_cast<std::size_t>(std::numeric_limits<double>::max_exponent10 + 3 + fractionDigits),
                        '\0');
  const auto result = std::to_chars(converted.data(), converted.data() + converted.size(), value, format, precision);
  AppendAligned(std::string_view(converted.data(), static_cast<std::size_t>(result.ptr - converted.data())), width);
}

// Right-aligned in width: spaces, then the text.
void TextBuilder::AppendAligned(std::string_view written, int width) {
  std::size_t padding =
      width > 0 && written.size() < static_cast<std::size_t>(width) ? static_cast<std::size_t>(width) - written.size() : 0;
  while (padding > 0) {
    if (used_ == buffer_.size()) Flush();
    const std::size_t spaces = std::min(padding, buffer_.size() - used_);
    std::memset(buffer_.data() + used_, ' ', spaces);
    used_ += spaces;
    padding -= spaces;
  }
  Append(written);
}

void TextBuilder::Flush() {
  text_.append(buffer_.data(), used_);
  used_ = 0;
}

void TextBuilder::AppendLong(std::string_view piece) {
  Flush();
  text_ += piece;
}

}  // namespace shedding
