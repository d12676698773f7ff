#include "framework/tooltip_ctrl.h"

#include "framework/internal/framework_access.h"
#include "framework/qt/tooltip_window.h"

namespace {

// The tooltip's window, or null when it was never created (every call is
// then ignored, as for a tooltip the system refused).
ToolTipWindow* TipOf(const CToolTipCtrl& wrapper) {
  return WindowAs<ToolTipWindow>(FrameworkAccess::Handle(wrapper));
}

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD) {
  HWND owner = parent ? FrameworkAccess::Handle(*parent) : nullptr;
  if (TipOf(*this) || !owner) return FALSE;
  // The tooltip belongs to its owner's window and goes when that window goes.
  framework_detail::Bind(*this, new ToolTipWindow(owner->widget));
  return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const char* text, const RECT* toolRect, UINT_PTR toolId) {
  ToolTipWindow* tip = TipOf(*this);
  HWND window = wnd ? FrameworkAccess::Handle(*wnd) : nullptr;
  if (!tip || !window) return FALSE;
  RECT rect{};
  if (toolRect) {
    rect = *toolRect;
  } else {
    wnd->GetClientRect(&rect);
  }
  tip->AddTool({window, toolId, rect, text ? text : ""});
  return TRUE;
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* wnd, UINT_PTR toolId) {
  ToolTipWindow* tip = TipOf(*this);
  if (tip && wnd) tip->UpdateText(FrameworkAccess::Handle(*wnd), toolId, text ? text : "");
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
  if (ToolTipWindow* tip = TipOf(*this)) ::SendMessage(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}
