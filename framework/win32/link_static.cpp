#include "framework/win32/link_static.h"

#include <cstring>

#include "framework/internal/framework_access.h"
#include "framework/win32/window.h"

namespace {

bool IsClickKey(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

// The link draws on its parent's background (its colour handler gives no
// brush), so each painting starts from that background: the focus
// rectangle, drawn by inverting, then never meets an earlier one.
LRESULT EraseWithParentBackground(HWND hwnd, HDC dc) {
  HWND parent = GetParent(hwnd);
  if (!parent) return 0;
  POINT origin{0, 0};
  MapWindowPoints(hwnd, parent, &origin, 1);
  POINT before{};
  OffsetWindowOrgEx(dc, origin.x, origin.y, &before);
  const LRESULT erased = SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetWindowOrgEx(dc, before.x, before.y, nullptr);
  return erased;
}

void DrawFocusRectangle(HWND hwnd) {
  if (SendMessageA(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
  HDC dc = GetDC(hwnd);
  RECT client{};
  GetClientRect(hwnd, &client);
  DrawFocusRect(dc, &client);
  ReleaseDC(hwnd, dc);
}

}  // namespace

bool IsLinkStatic(HWND hwnd) {
  char className[8] = {};
  GetClassNameA(hwnd, className, sizeof className);
  return _stricmp(className, "Static") == 0 && (GetWindowLongPtrA(hwnd, GWL_STYLE) & SS_NOTIFY) != 0;
}

LRESULT LinkStaticProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter and Space are the link's, not the dialog manager's.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = framework_detail::Dispatch(hwnd, message, wParam, lParam);
      return msg && msg->message == WM_KEYDOWN && IsClickKey(msg->wParam) ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      // Once per press: a held key repeats without clicking again.
      if (IsClickKey(wParam) && !(lParam & (1 << 30))) {
        SendCommand(GetParent(hwnd), GetDlgCtrlID(hwnd), STN_CLICKED, hwnd);
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_ERASEBKGND:
      return EraseWithParentBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
      InvalidateRect(hwnd, nullptr, TRUE);
      const LRESULT painted = framework_detail::Dispatch(hwnd, message, wParam, lParam);
      if (GetFocus() == hwnd) DrawFocusRectangle(hwnd);
      return painted;
    }
    default:
      break;
  }
  return framework_detail::Dispatch(hwnd, message, wParam, lParam);
}
