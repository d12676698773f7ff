#include "framework/cstring.h"

#include <cstdarg>
#include <cstdio>

#include "framework/internal/framework_access.h"

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length < 0) {
    text_.clear();
  } else {
    text_.assign(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text_.data(), text_.size(), format, args);
    text_.resize(static_cast<std::size_t>(length));
  }
  va_end(args);
}

BOOL CString::LoadString(UINT id) {
  for (const StringResource& entry : framework_detail::Resources().strings) {
    if (entry.id == id) {
      text_ = entry.text;
      return TRUE;
    }
  }
  text_.clear();
  return FALSE;
}
