// What the shared list box, tooltip and message box operations ask of
// Windows: the system's controls and their messages.

#include "framework/internal/framework_access.h"
#include "framework/internal/window_primitives.h"
#include "framework/win32/common_controls.h"
#include "framework/win32/window.h"

namespace {

// The tool of window with id, in the oldest layout every comctl32 takes.
TOOLINFOA ToolInfo(HWND window, UINT_PTR toolId, const std::string& text) {
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = window;
  info.uId = toolId;
  info.lpszText = const_cast<char*>(text.c_str());
  return info;
}

}  // namespace

namespace framework_detail {

bool DoIsListBox(HWND hwnd) {
  char className[16] = {};
  GetClassNameA(hwnd, className, sizeof className);
  return lstrcmpiA(className, "ListBox") == 0;
}

int DoListCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

void DoListClear(HWND list) { SendMessageA(list, LB_RESETCONTENT, 0, 0); }

void DoListInsert(HWND list, int row, const std::string& text) {
  SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
}

int DoListSelection(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

void DoListSelect(HWND list, int row) { SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0); }

HWND DoCreateToolTip(HWND owner, DWORD style) {
  InitializeCommonControls();
  return CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, owner, nullptr, ProgramInstance(), nullptr);
}

bool DoAddTool(HWND tip, HWND window, UINT_PTR toolId, const RECT& rect, const std::string& text) {
  TOOLINFOA info = ToolInfo(window, toolId, text);
  info.rect = rect;
  return SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void DoUpdateTipText(HWND tip, HWND window, UINT_PTR toolId, const std::string& text) {
  TOOLINFOA info = ToolInfo(window, toolId, text);
  SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void DoRelayEvent(HWND tip, MSG* msg) { SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }

int DoMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

}  // namespace framework_detail
