#pragma once
// The one writer of numbers as text: printf's %g and %f in the "C" locale,
// right-aligned in a width, and the figures of an analysis in their formats.
// Text is built in a buffer of its own and handed to a string in large
// pieces: a batch writes a few short numbers for every line, and appending
// each to the string on its own would cost about as much as formatting it.

#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace shedding {

// How a figure's text shows its value: printf's %.4g, %.3g, or the
// Strouhal number's %5.3f as the correlation shows it.
enum class FigureFormat { FourDigits, ThreeDigits, Strouhal };

class TextBuilder {
 public:
  // Appends to text, which must not be changed otherwise while this lives.
  explicit TextBuilder(std::string& text) : text_(text) {}
  ~TextBuilder() { Flush(); }
  TextBuilder(const TextBuilder&) = delete;
  TextBuilder& operator=(const TextBuilder&) = delete;

  void Append(char c) {
    if (used_ == buffer_.size()) Flush();
    buffer_[used_++] = c;
  }
  void Append(std::string_view piece) {
    if (piece.size() > buffer_.size() - used_) return AppendLong(piece);
    std::memcpy(buffer_.data() + used_, piece.data(), piece.size());
    used_ += piece.size();
  }

  // printf's "%<width>.<precision>g" and "%<width>.<precision>f" in the "C"
  // locale; a width of 0 pads nothing.
  void AppendGeneral(double value, int width, int precision);
  void AppendFixed(double value, int width, int precision);

  // A figure's value as shown ("1.051"), "n/a" when not claimed.
  void AppendFigure(double value, bool claimed, FigureFormat format);

  // Hands what is built to the string; the destructor does it too.
  void Flush();

 private:
  void AppendNumber(double value, std::chars_format format, int width, int precision);
  void AppendConverted(double value, std::chars_format format, int width, int precision);
  void AlignLast(std::size_t length, int width);
  void AppendAligned(std::string_view written, int width);
  void AppendLong(std::string_view piece);

  std::string& text_;
  std::array<char, 4096> buffer_;
  std::size_t used_ = 0;
};

}  // namespace shedding
