#include "framework/tooltip_ctrl.h"

#include "framework/internal/framework_access.h"
#include "framework/win32/common_controls.h"
#include "framework/win32/window.h"

namespace {

// A tooltip the system refused ignores every call.
bool Created(const CToolTipCtrl& tip) { return FrameworkAccess::Handle(tip) != nullptr; }

// The tool of window with id, in the oldest layout every comctl32 takes.
TOOLINFOA ToolInfo(CWnd* wnd, UINT_PTR toolId, const char* text) {
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = FrameworkAccess::Handle(*wnd);
  info.uId = toolId;
  info.lpszText = const_cast<char*>(text ? text : "");
  return info;
}

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  HWND owner = parent ? FrameworkAccess::Handle(*parent) : nullptr;
  if (Created(*this) || !owner) return FALSE;
  InitializeCommonControls();
  // Owned by the window, the tooltip goes when the window's dialog goes.
  HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, ProgramInstance(), nullptr);
  if (!tip) return FALSE;
  framework_detail::Bind(*this, tip);
  return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const char* text, const RECT* toolRect, UINT_PTR toolId) {
  if (!Created(*this) || !wnd || !FrameworkAccess::Handle(*wnd)) return FALSE;
  TOOLINFOA info = ToolInfo(wnd, toolId, text);
  if (toolRect) {
    info.rect = *toolRect;
  } else {
    wnd->GetClientRect(&info.rect);
  }
  return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* wnd, UINT_PTR toolId) {
  if (!Created(*this) || !wnd || !FrameworkAccess::Handle(*wnd)) return;
  TOOLINFOA info = ToolInfo(wnd, toolId, text);
  SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
  if (Created(*this)) SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}
