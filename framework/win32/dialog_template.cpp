#include "framework/win32/dialog_template.h"

#include <charconv>
#include <cstring>
#include <string_view>

#include "framework/win_constants.h"

namespace {

// The predefined window classes as template ordinals.
WORD ClassOrdinal(ControlClass windowClass) {
  switch (windowClass) {
    case ControlClass::Button:
      return 0x0080;
    case ControlClass::Edit:
      return 0x0081;
    case ControlClass::Static:
      return 0x0082;
    case ControlClass::ListBox:
      return 0x0083;
  }
  return 0x0082;
}

void AppendDword(std::vector<WORD>& out, DWORD value) {
  out.push_back(LOWORD(value));
  out.push_back(HIWORD(value));
}

void AppendText(std::vector<WORD>& out, const char* text) {
  const int length = text && *text ? MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0) : 0;
  if (length <= 1) {
    out.push_back(0);
    return;
  }
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(length));
  MultiByteToWideChar(CP_UTF8, 0, text, -1, reinterpret_cast<wchar_t*>(out.data() + at), length);
}

// Items start on a DWORD boundary.
void AlignToDword(std::vector<WORD>& out) {
  if (out.size() % 2 != 0) out.push_back(0);
}

bool IsIconStatic(const DialogItemTemplate& item) {
  return item.windowClass == ControlClass::Static && (item.style & SS_TYPEMASK) == SS_ICON;
}

}  // namespace

UINT IconOfStatic(const DialogItemTemplate& item) {
  if (!IsIconStatic(item) || !item.text || item.text[0] != '#') return 0;
  const std::string_view digits(item.text + 1);
  UINT id = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
  return error == std::errc() && end == digits.data() + digits.size() ? id : 0;
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate) {
  std::vector<WORD> out;
  const bool hasFont = dialogTemplate.fontFace != nullptr;
  AppendDword(out, dialogTemplate.style | (hasFont ? DS_SETFONT : 0));
  AppendDword(out, dialogTemplate.exStyle);
  out.push_back(static_cast<WORD>(dialogTemplate.items.size()));
  for (const short value : {dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy}) {
    out.push_back(static_cast<WORD>(value));
  }
  out.push_back(0);  // no menu
  out.push_back(0);  // the dialog class
  AppendText(out, dialogTemplate.caption);
  if (hasFont) {
    out.push_back(static_cast<WORD>(dialogTemplate.pointSize));
    AppendText(out, dialogTemplate.fontFace);
  }
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    AlignToDword(out);
    AppendDword(out, item.style | WS_CHILD | WS_VISIBLE);
    AppendDword(out, item.exStyle);
    for (const short value : {item.x, item.y, item.cx, item.cy}) out.push_back(static_cast<WORD>(value));
    out.push_back(static_cast<WORD>(item.id));
    out.push_back(0xFFFF);
    out.push_back(ClassOrdinal(item.windowClass));
    AppendText(out, IsIconStatic(item) ? nullptr : item.text);
    out.push_back(0);  // no creation data
  }
  return out;
}
