// The operations of CWnd, written once for every backend: each checks that
// its wrapper is bound (the failure policy in wnd.h), applies the
// framework's rule and leaves the window itself to the backend.

#include <map>
#include <string>

#include "framework/dc.h"
#include "framework/font.h"
#include "framework/internal/framework_access.h"
#include "framework/internal/window_primitives.h"
#include "framework/menu.h"
#include "framework/wnd.h"

using namespace framework_detail;

namespace {

// A dialog's window, for the operations only a dialog has; anything else is
// a programming error, on every system.
HWND RunningDialogWindow(HWND hwnd, const char* operation) {
  if (!IsRunningDialog(hwnd)) ProgrammingError(std::string("CWnd::") + operation + " on a window that is not a dialog");
  return hwnd;
}

}  // namespace

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return DoSendMessage(Bound("SendMessage"), message, wParam, lParam);
}

BOOL CWnd::ShowWindow(int showCommand) { return DoShowWindow(Bound("ShowWindow"), showCommand); }

void CWnd::SetWindowText(const char* text) {
  HWND hwnd = Bound("SetWindowText");
  const std::string newText = text ? text : "";
  // Setting the text a window already has changes and notifies nothing.
  if (DoGetText(hwnd) != newText) DoSetText(hwnd, newText);
}

CString CWnd::GetWindowText() const { return CString(DoGetText(Bound("GetWindowText"))); }

DWORD CWnd::GetStyle() const { return DoGetStyle(Bound("GetStyle")); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
  HWND hwnd = Bound("ModifyStyle");
  const DWORD style = DoGetStyle(hwnd);
  const DWORD changed = (style & ~remove) | add;
  // No change returns FALSE.
  if (changed == style) return FALSE;
  DoSetStyle(hwnd, changed);
  return TRUE;
}

BOOL CWnd::EnableWindow(BOOL enable) { return DoEnableWindow(Bound("EnableWindow"), enable != FALSE); }

CWnd* CWnd::GetParent() const { return WindowOf(ParentOf(Bound("GetParent"))); }

void CWnd::GetWindowRect(RECT* rect) const { *rect = DoGetWindowRect(Bound("GetWindowRect")); }

void CWnd::GetClientRect(RECT* rect) const { *rect = DoGetClientRect(Bound("GetClientRect")); }

void CWnd::ScreenToClient(RECT* rect) const {
  const POINT origin = DoClientOrigin(Bound("ScreenToClient"));
  *rect = {rect->left - origin.x, rect->top - origin.y, rect->right - origin.x, rect->bottom - origin.y};
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return DoSetWindowPos(Bound("SetWindowPos"), insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::Invalidate(BOOL erase) { DoInvalidate(Bound("Invalidate"), erase != FALSE); }

BOOL CWnd::IsIconic() const { return DoIsIconic(Bound("IsIconic")); }

CDC* CWnd::GetDC() { return DoGetDC(Bound("GetDC")); }

int CWnd::ReleaseDC(CDC* dc) {
  delete dc;
  return 1;
}

CFont* CWnd::GetFont() const { return CFont::FromHandle(DoGetFont(Bound("GetFont"))); }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  return DoSetIcon(RunningDialogWindow(Bound("SetIcon"), "SetIcon"), icon, bigIcon != FALSE);
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
  HMENU menu = DoGetSystemMenu(RunningDialogWindow(Bound("GetSystemMenu"), "GetSystemMenu"), revert != FALSE);
  if (!menu) return nullptr;
  // One wrapper per menu handle, as long as the program runs.
  static std::map<HMENU, CMenu> wrappers;
  return &wrappers.try_emplace(menu, FrameworkAccess::MakeMenu(menu)).first->second;
}
