#include "shedding/text_builder.h"

#include "shedding/number_text.h"

namespace shedding {

// What the exact shortcuts leave.
void TextBuilder::AppendConvertedGeneral(double value, int precision) {
  Flush();
  shedding::AppendGeneral(text_, value, 0, precision);
}

void TextBuilder::AppendFixed(double value, int width, int precision) {
  char* const at = Room();
  const std::size_t length = ExactFixed(value, precision, at);
  const std::size_t padding =
      width > 0 && length < static_cast<std::size_t>(width) ? static_cast<std::size_t>(width) - length : 0;
  if (length == 0 || padding > buffer_.size() - used_ - length) {  // not exact here, or too wide for the room
    Flush();
    shedding::AppendFixed(text_, value, width, precision);
    return;
  }
  // Right-aligned: the text moved behind the spaces that pad it.
  if (padding > 0) {
    std::memmove(at + padding, at, length);
    std::memset(at, ' ', padding);
  }
  used_ += padding + length;
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
