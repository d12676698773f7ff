// What the shared CWnd operations ask of a window on Windows: the system's
// own calls.

#include "framework/internal/window_primitives.h"

#include "framework/win32/device_contexts.h"
#include "framework/win32/resource_images.h"

namespace framework_detail {

LRESULT DoSendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(hwnd, message, wParam, lParam);
}

bool DoShowWindow(HWND hwnd, int showCommand) { return ::ShowWindow(hwnd, showCommand) != FALSE; }

std::string DoGetText(HWND hwnd) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void DoSetText(HWND hwnd, const std::string& text) { ::SetWindowTextA(hwnd, text.c_str()); }

DWORD DoGetStyle(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

void DoSetStyle(HWND hwnd, DWORD style) { SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style)); }

bool DoEnableWindow(HWND hwnd, bool enable) { return ::EnableWindow(hwnd, enable) != FALSE; }

RECT DoGetWindowRect(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  return rect;
}

RECT DoGetClientRect(HWND hwnd) {
  RECT rect{};
  ::GetClientRect(hwnd, &rect);
  return rect;
}

POINT DoClientOrigin(HWND hwnd) {
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  return origin;
}

BOOL DoSetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(hwnd, insertAfter, x, y, cx, cy, flags);
}

void DoInvalidate(HWND hwnd, bool erase) { InvalidateRect(hwnd, nullptr, erase); }

bool DoIsIconic(HWND hwnd) { return ::IsIconic(hwnd) != FALSE; }

CDC* DoGetDC(HWND hwnd) { return new WindowDC(hwnd); }

HFONT DoGetFont(HWND hwnd) { return reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)); }

HICON DoSetIcon(HWND dialog, HICON icon, bool big) {
  // The title bar and the task bar draw the small icon at 16x16: the icon's
  // own 16x16 image, not its 32x32 one shrunk.
  HICON shown = big ? icon : SmallIconOf(icon);
  return reinterpret_cast<HICON>(
      ::SendMessageA(dialog, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(shown)));
}

HMENU DoGetSystemMenu(HWND dialog, bool revert) { return ::GetSystemMenu(dialog, revert); }

}  // namespace framework_detail
