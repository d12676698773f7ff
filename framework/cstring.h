#pragma once
// The framework's 8-bit string (UTF-8 is our code page), with printf-style
// formatting and loading from the string table.

#include <string>
#include <string_view>

#include "framework/win_types.h"

class CString {
 public:
  CString() = default;
  CString(const char* text) : text_(text ? text : "") {}  // NOLINT: implicit, as callers expect
  CString(std::string text) : text_(std::move(text)) {}   // NOLINT
  CString(std::string_view text) : text_(text) {}         // NOLINT

  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }

  // printf-style; integers and strings only are locale-neutral, so numbers
  // with a decimal point are formatted by the number-text helpers instead.
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Loads string resource id; false (and an empty string) when there is none.
  BOOL LoadString(UINT id);

  operator const char*() const { return text_.c_str(); }
  const std::string& str() const { return text_; }

  CString& operator+=(const CString& other) {
    text_ += other.text_;
    return *this;
  }
  friend CString operator+(CString left, const CString& right) { return left += right; }

 private:
  std::string text_;
};
