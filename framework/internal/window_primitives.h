#pragma once
// What each backend does to one of its windows, and nothing more. The public
// operations of CWnd and the controls (framework/*.cpp) check the wrapper,
// apply the failure policy and the framework's rules once, then call these
// on a window that exists. Only the framework includes this header.

#include <optional>
#include <string>
#include <vector>

#include "framework/win_types.h"

class CDC;

namespace framework_detail {

// --- Any window ---

LRESULT DoSendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Shows or hides the window; whether it was visible before.
bool DoShowWindow(HWND hwnd, int showCommand);
std::string DoGetText(HWND hwnd);
// Sets the text and tells whoever the system tells of a change.
void DoSetText(HWND hwnd, const std::string& text);
// The window's styles as they are now, WS_VISIBLE and WS_DISABLED included.
DWORD DoGetStyle(HWND hwnd);
void DoSetStyle(HWND hwnd, DWORD style);
// Enables or disables the window; whether it was disabled before.
bool DoEnableWindow(HWND hwnd, bool enable);
RECT DoGetWindowRect(HWND hwnd);
RECT DoGetClientRect(HWND hwnd);
// Where the client area's 0,0 is on the screen.
POINT DoClientOrigin(HWND hwnd);
BOOL DoSetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
void DoInvalidate(HWND hwnd, bool erase);
bool DoIsIconic(HWND hwnd);
// A new context that measures with the stock system font; the caller deletes it.
CDC* DoGetDC(HWND hwnd);
HFONT DoGetFont(HWND hwnd);

// --- A dialog's window ---

// Sets the big or small icon; the one it replaces.
HICON DoSetIcon(HWND dialog, HICON icon, bool big);
// The system menu, or (revert) puts back the standard one and gives null.
HMENU DoGetSystemMenu(HWND dialog, bool revert);

}  // namespace framework_detail

namespace framework_detail {

// --- A list box: rows from 0, changed without notifying anyone ---

bool DoIsListBox(HWND hwnd);
int DoListCount(HWND list);
void DoListClear(HWND list);
void DoListInsert(HWND list, int row, const std::string& text);
// The selected row, or LB_ERR.
int DoListSelection(HWND list);
// Selects row, or clears the selection for -1.
void DoListSelect(HWND list, int row);

// --- A tooltip ---

// A tooltip window owned by owner's window, or null when the system refuses.
HWND DoCreateToolTip(HWND owner, DWORD style);
bool DoAddTool(HWND tip, HWND window, UINT_PTR toolId, const RECT& rect, const std::string& text);
void DoUpdateTipText(HWND tip, HWND window, UINT_PTR toolId, const std::string& text);
void DoRelayEvent(HWND tip, MSG* msg);

// --- A message box ---

// Shows a modal message box owned by owner (or by none); the button chosen.
int DoMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// --- A save-file dialog ---

// One entry of the dialog's list of file types: "SVG images (*.svg)" with
// its patterns, "*.svg".
struct FileFilter {
  std::string description;
  std::vector<std::string> patterns;
};

struct SaveFileQuestion {
  std::string defaultExt;  // without its dot; "" for none
  std::string fileName;    // the name offered
  DWORD flags = 0;         // OFN_*
  std::vector<FileFilter> filters;
};

// Asks in the system's save dialog, owned by owner (or by none), for a file
// to write; the full path chosen, or nothing when the user cancels or the
// system cannot ask.
std::optional<std::string> DoSaveFileDialog(HWND owner, const SaveFileQuestion& question);

// --- The clipboard ---

// Puts text (UTF-8, '\n' line ends) on the clipboard as owner's; whether the
// system took it.
bool DoCopyTextToClipboard(HWND owner, const std::string& text);

}  // namespace framework_detail
