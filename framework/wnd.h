#pragma once
// CWnd: the wrapper of a window. A wrapper is bound to one window at a time
// (by DDX_Control, or by DoModal for a dialog) and outlives it: when the
// window goes, the wrapper is unbound and may be bound to the next window
// made from the same template.
//
// Failure policy of the whole framework:
// - A programming error fails loudly in every build: the process prints
//   what is wrong, naming the dialog's template id and the control id where
//   there are any, and aborts. These are programming errors: binding a
//   control id that the dialog's template lacks, opening a dialog that is
//   already open, a dialog template id that the resources lack, any window
//   operation below on a wrapper that is not bound to a window, a dialog's
//   operation (SetIcon, GetSystemMenu) on a window that is not a running
//   dialog, and a list box's operation on a window that is not a list box.
//   Every backend holds to this, even where its system would let the call
//   pass (the operations are written once, in the shared framework).
// - What the platform refuses at run time is not a fault of the program: a
//   cursor or icon that cannot be made, a tooltip that cannot be created, a
//   font the system lacks. The operation degrades (a null handle, FALSE, no
//   tooltip) and the program goes on.
//
// For a subclass: override PreSubclassWindow and PreTranslateMessage (each
// override calls the base), and GetMessageMap to add handlers. Nothing else
// is virtual. A handler that wants the default processing of its message
// calls the matching On... member below.

#include "framework/cmd_target.h"
#include "framework/cstring.h"
#include "framework/geometry.h"

class CDC;
class CFont;
class CMenu;

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  // Runs when the wrapper is bound to a window, before anyone uses it.
  virtual void PreSubclassWindow() {}
  // Sees each keyboard and mouse message meant for this window before it is
  // dispatched; TRUE keeps it from being dispatched.
  virtual BOOL PreTranslateMessage(MSG* msg);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // The bound window, or null: what a message's hwnd is compared with.
  HWND GetSafeHwnd() const { return m_hWnd; }

  // Visibility, text and style. A hidden window keeps its text; setting the
  // text a window already has changes and notifies nothing.
  BOOL ShowWindow(int showCommand);
  void SetWindowText(const char* text);
  CString GetWindowText() const;
  DWORD GetStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add);
  // A disabled window takes no input and is skipped by Tab; returns whether
  // it was disabled before.
  BOOL EnableWindow(BOOL enable = TRUE);

  // Geometry: window rectangles in screen coordinates, client ones from 0,0.
  CWnd* GetParent() const;
  void GetWindowRect(RECT* rect) const;
  void GetClientRect(RECT* rect) const;
  void ScreenToClient(RECT* rect) const;
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void Invalidate(BOOL erase = TRUE);
  BOOL IsIconic() const;

  // Drawing and fonts. A context from GetDC holds the stock system font, not
  // the window's; give it back with ReleaseDC.
  CDC* GetDC();
  int ReleaseDC(CDC* dc);
  CFont* GetFont() const;

  // The dialog's icons and system menu.
  HICON SetIcon(HICON icon, BOOL bigIcon);
  CMenu* GetSystemMenu(BOOL revert) const;

  // Default processing, for handlers to fall back on.
  void OnPaint() { Default(); }
  void OnSysCommand(UINT, LPARAM) { Default(); }
  HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 private:
  friend struct FrameworkAccess;

  // The bound window; a programming error when there is none.
  HWND Bound(const char* operation) const;
  // Default processing of the message being handled.
  LRESULT Default();

  HWND m_hWnd = nullptr;
};
