// The clipboard on Windows: the text as CF_UNICODETEXT with "\r\n" line
// ends, as Windows programs paste it (the system derives its 8-bit forms).

#include <string>

#include "framework/internal/window_primitives.h"

namespace {

// The text with its line ends and as UTF-16, in memory the clipboard can
// take over; null when the system refuses it.
HGLOBAL ClipboardMemory(const std::string& text) {
  std::string lines;
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  // The program's text is UTF-8, as its templates are.
  const int length = MultiByteToWideChar(CP_UTF8, 0, lines.c_str(), -1, nullptr, 0);
  if (length <= 0) return nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length) * sizeof(wchar_t));
  if (!memory) return nullptr;
  auto* wide = static_cast<wchar_t*>(GlobalLock(memory));
  if (!wide) {
    GlobalFree(memory);
    return nullptr;
  }
  MultiByteToWideChar(CP_UTF8, 0, lines.c_str(), -1, wide, length);
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

namespace framework_detail {

bool DoCopyTextToClipboard(HWND owner, const std::string& text) {
  HGLOBAL memory = ClipboardMemory(text);
  if (!memory) return false;
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  // Once SetClipboardData takes the memory, the system frees it.
  const bool placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}

}  // namespace framework_detail
