#pragma once
// The framework's own view of its public classes: their handles, and the
// shared message routing that each backend's window procedure calls. Only the
// framework (its shared code and its backends) includes this header; the
// program never does.

#include <string>

#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/font.h"
#include "framework/menu.h"
#include "framework/pen.h"
#include "framework/resource_types.h"
#include "framework/wnd.h"

// The one friend of the public classes.
struct FrameworkAccess {
  static HWND& Handle(CWnd& wnd) { return wnd.m_hWnd; }
  static HWND Handle(const CWnd& wnd) { return wnd.m_hWnd; }
  // The bound window; a programming error when there is none.
  static HWND Bound(const CWnd& wnd, const char* operation) { return wnd.Bound(operation); }
  static HDC& Handle(CDC& dc) { return dc.m_hDC; }
  static HFONT& Handle(CFont& font) { return font.m_hObject; }
  static HMENU Handle(const CMenu& menu) { return menu.m_hMenu; }
  static HPEN& Handle(CPen& pen) { return pen.m_hObject; }
  static HBRUSH& Handle(CBrush& brush) { return brush.m_hObject; }
  static CMenu MakeMenu(HMENU menu) { return CMenu(menu); }
  // A wrapper of a font the framework owns, which it never deletes.
  static void Borrow(CFont& font, HFONT handle) {
    font.m_hObject = handle;
    font.owned_ = false;
  }
  static void Own(CFont& font, HFONT handle) {
    font.m_hObject = handle;
    font.owned_ = true;
  }

  static BOOL OnCmdMsg(CCmdTarget& target, int id, UINT code) { return target.OnCmdMsg(id, code); }
  static UINT TemplateId(const CDialog& dialog) { return dialog.templateId_; }
  static CWnd* Parent(const CDialog& dialog) { return dialog.parent_; }
};

// What DoDataExchange is handed: the dialog whose controls are bound.
class CDataExchange {
 public:
  explicit CDataExchange(CDialog& dialog) : dialog_(dialog) {}
  CDialog& Dialog() const { return dialog_; }

 private:
  CDialog& dialog_;
};

namespace framework_detail {

// --- Shared code (framework/*.cpp) ---

// Routes a message to hwnd's bound wrapper through its message map, or to
// the window's default processing when it has none or nothing handles it.
// The message is the one Default() processes while its handler runs.
LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Offers msg to PreTranslateMessage of the wrappers from the window it is
// for up through its parents, stopping after stop. TRUE once one swallows it.
BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

// The resources AfxSetResources registered.
const ResourceModule& Resources();
const DialogTemplate* FindDialogTemplate(UINT id);

// The message-map entry for a window message, or for a command or
// notification (message WM_COMMAND or a reflected one), this map first.
const MessageMapEntry* FindMessage(const MessageMap& map, UINT message);
const MessageMapEntry* FindCommand(const MessageMap& map, UINT message, UINT code, int id);

// Prints what is wrong and aborts (see the failure policy in wnd.h).
[[noreturn]] void ProgrammingError(const std::string& what);

// Runs dialog modally on the backend (RunModal below) as the innermost
// running dialog, owned by its parent's window or the default owner.
INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate);
// The icon with this id in the resources, made once and shared; null when
// there is none or the system cannot make it.
HICON LoadIconResource(UINT id);
// Whether hwnd is the window of a dialog whose DoModal is running.
bool IsRunningDialog(HWND hwnd);
// The owner of a modal window that names none: the innermost running dialog
// that has its window, else the application's main window, else none.
HWND DefaultModalOwner();

// --- What each backend provides ---

// The wrapper bound to hwnd, or null.
CWnd* BoundWrapper(HWND hwnd);
// The parent (for a dialog, its owner) of hwnd, or null.
HWND ParentOf(HWND hwnd);
// The window's own processing of a message nobody handled.
LRESULT DefaultProcessing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The child window of dialog with this control id, or null.
HWND ControlOf(HWND dialog, int id);
// Binds wrapper to window, so that the window's messages reach the wrapper.
void Bind(CWnd& wrapper, HWND window);
// Lets go of the wrapper bound to window, which is going before its window.
void Unbind(HWND window);
// Makes a window from dialogTemplate for dialog, owned by owner (or by
// none), binds the dialog to it, runs OnInitDialog and the modal loop,
// destroys the window (unbinding every wrapper) and returns the result
// EndModal was given.
INT_PTR RunModal(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner);
// Ends the modal loop of dialog (a window of RunModal) with result; a
// dialog ended during OnInitDialog never enters its loop.
void EndModal(HWND dialog, INT_PTR result);
// The dialog manager's keyboard handling (Enter, Escape and the rest) for
// a key message inside dialog; TRUE when it took the message.
BOOL HandleDialogKey(HWND dialog, MSG* msg);
// The application's title: the executable's name without its extension.
std::string ApplicationTitle();
// Makes the image of an icon or cursor resource (both sizes of an icon), or
// null when the system cannot; the shared cache keeps it for good.
HICON MakeIcon(const IconResource& icon);
HCURSOR MakeCursor(const CursorResource& cursor);
// Makes the user see a programming error before the process ends (the
// shared code has already written it to standard error).
void ShowProgrammingError(const std::string& what);

}  // namespace framework_detail
