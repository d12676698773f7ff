// The operations of CWnd that act on the window itself: the system's own.

#include <map>
#include <string>

#include "framework/dc.h"
#include "framework/font.h"
#include "framework/internal/framework_access.h"
#include "framework/menu.h"
#include "framework/win32/device_contexts.h"
#include "framework/win32/resource_images.h"
#include "framework/wnd.h"

BOOL CWnd::ShowWindow(int showCommand) { return ::ShowWindow(Bound("ShowWindow"), showCommand); }

void CWnd::SetWindowText(const char* text) {
  HWND hwnd = Bound("SetWindowText");
  // Setting the text a window already has changes and notifies nothing.
  if (GetWindowText().str() != (text ? text : "")) ::SetWindowTextA(hwnd, text ? text : "");
}

CString CWnd::GetWindowText() const {
  HWND hwnd = Bound("GetWindowText");
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return CString(std::move(text));
}

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(GetWindowLongA(Bound("GetStyle"), GWL_STYLE)); }

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(Bound("EnableWindow"), enable); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
  HWND hwnd = Bound("ModifyStyle");
  const DWORD style = GetStyle();
  const DWORD changed = (style & ~remove) | add;
  if (changed == style) return FALSE;
  SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(changed));
  return TRUE;
}

CWnd* CWnd::GetParent() const { return framework_detail::WindowOf(::GetParent(Bound("GetParent"))); }

void CWnd::GetWindowRect(RECT* rect) const { ::GetWindowRect(Bound("GetWindowRect"), rect); }

void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(Bound("GetClientRect"), rect); }

void CWnd::ScreenToClient(RECT* rect) const {
  MapWindowPoints(nullptr, Bound("ScreenToClient"), reinterpret_cast<POINT*>(rect), 2);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(Bound("SetWindowPos"), insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::Invalidate(BOOL erase) { InvalidateRect(Bound("Invalidate"), nullptr, erase); }

BOOL CWnd::IsIconic() const { return ::IsIconic(Bound("IsIconic")); }

CDC* CWnd::GetDC() { return new WindowDC(Bound("GetDC")); }

int CWnd::ReleaseDC(CDC* dc) {
  delete dc;
  return 1;
}

CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(Bound("GetFont"), WM_GETFONT, 0, 0)));
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  // The title bar and the task bar draw the small icon at 16x16: the icon's
  // own 16x16 image, not its 32x32 one shrunk.
  HICON shown = bigIcon ? icon : SmallIconOf(icon);
  return reinterpret_cast<HICON>(::SendMessageA(Bound("SetIcon"), WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                                reinterpret_cast<LPARAM>(shown)));
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
  HMENU menu = ::GetSystemMenu(Bound("GetSystemMenu"), revert);
  if (!menu) return nullptr;
  // One wrapper per menu handle, as long as the program runs.
  static std::map<HMENU, CMenu> wrappers;
  return &wrappers.try_emplace(menu, FrameworkAccess::MakeMenu(menu)).first->second;
}
