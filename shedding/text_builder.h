#pragma once
// Text built in a buffer of its own and handed to a string in large pieces.
// A batch writes a few short numbers for every line; appending each to the
// string on its own would cost about as much as formatting it.

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "shedding/exact_decimal.h"

namespace shedding {

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

  // printf's "%.<precision>g" and "%<width>.<precision>f" in the "C" locale,
  // as AppendGeneral and AppendFixed write them.
  void AppendGeneral(double value, int precision) {
    const std::size_t length = ExactGeneral(value, precision, Room());
    if (length == 0) return AppendConvertedGeneral(value, precision);
    used_ += length;
  }
  void AppendFixed(double value, int width, int precision);

  // Hands what is built to the string; the destructor does it too.
  void Flush();

 private:
  void AppendLong(std::string_view piece);
  void AppendConvertedGeneral(double value, int precision);
  // Where kExactDecimalCapacity characters can be written.
  char* Room() {
    if (buffer_.size() - used_ < kExactDecimalCapacity) Flush();
    return buffer_.data() + used_;
  }

  std::string& text_;
  std::array<char, 4096> buffer_;
  std::size_t used_ = 0;
};

}  // namespace shedding
