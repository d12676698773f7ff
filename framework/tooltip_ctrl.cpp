// The operations of the tooltip wrapper, written once. A tooltip the system
// refused, or one never created, ignores every call.

#include "framework/tooltip_ctrl.h"

#include "framework/internal/framework_access.h"
#include "framework/internal/window_primitives.h"

using namespace framework_detail;

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  HWND owner = parent ? FrameworkAccess::Handle(*parent) : nullptr;
  if (FrameworkAccess::Handle(*this) || !owner) return FALSE;
  // The tooltip belongs to its owner's window and goes when that window goes.
  HWND tip = DoCreateToolTip(owner, style);
  if (!tip) return FALSE;
  Bind(*this, tip);
  return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const char* text, const RECT* toolRect, UINT_PTR toolId) {
  HWND tip = FrameworkAccess::Handle(*this);
  HWND window = wnd ? FrameworkAccess::Handle(*wnd) : nullptr;
  if (!tip || !window) return FALSE;
  RECT rect{};
  if (toolRect) {
    rect = *toolRect;
  } else {
    wnd->GetClientRect(&rect);
  }
  return DoAddTool(tip, window, toolId, rect, text ? text : "");
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* wnd, UINT_PTR toolId) {
  HWND tip = FrameworkAccess::Handle(*this);
  HWND window = wnd ? FrameworkAccess::Handle(*wnd) : nullptr;
  if (tip && window) DoUpdateTipText(tip, window, toolId, text ? text : "");
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
  if (HWND tip = FrameworkAccess::Handle(*this)) DoRelayEvent(tip, msg);
}
