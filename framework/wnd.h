#pragma once
// CWnd: the wrapper of a window. A wrapper is bound (attached) to one window
// at a time and outlives it; when the window goes, the wrapper is unbound
// and may be bound to the next window made from the same template.

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

  HWND GetSafeHwnd() const { return m_hWnd; }
  // The bound wrapper of a window, if any.
  static CWnd* FromHandlePermanent(HWND hwnd);
  // The bound wrapper, or a temporary one the window owns.
  static CWnd* FromHandle(HWND hwnd);

  BOOL Attach(HWND hwnd);
  HWND Detach();
  // Binds this wrapper to hwnd and runs PreSubclassWindow.
  BOOL SubclassWindow(HWND hwnd);

  // Overridables.
  virtual void PreSubclassWindow() {}
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Default processing of the message being handled.
  LRESULT Default();

  // Pre-translation from the window a message is for up to (and including) stop.
  static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

  // Visibility, text and style.
  BOOL ShowWindow(int showCommand);
  BOOL IsWindowVisible() const;
  void SetWindowText(const char* text);
  void GetWindowText(CString& text) const;
  CString GetWindowText() const;
  DWORD GetStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add);
  BOOL EnableWindow(BOOL enable = TRUE);

  // Family.
  int GetDlgCtrlID() const;
  CWnd* GetDlgItem(int id) const;
  CWnd* GetParent() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();

  // Geometry.
  void GetWindowRect(RECT* rect) const;
  void GetClientRect(RECT* rect) const;
  void ScreenToClient(RECT* rect) const;
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void Invalidate(BOOL erase = TRUE);
  BOOL IsIconic() const;

  // Drawing and fonts. A context from GetDC holds the stock system font.
  CDC* GetDC();
  int ReleaseDC(CDC* dc);
  CFont* GetFont() const;

  HICON SetIcon(HICON icon, BOOL bigIcon);
  HICON GetIcon(BOOL bigIcon) const;
  CMenu* GetSystemMenu(BOOL revert) const;

  // Handlers with default behaviour, for derived classes to fall back on.
  void OnPaint() { Default(); }
  void OnSysCommand(UINT, LPARAM) { Default(); }
  HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

  HWND m_hWnd = nullptr;

 protected:
  // Routes a message to this wrapper's map; false when nothing handles it.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Offers a control's own notification to the control's wrapper.
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The dialog manager's keyboard handling (Enter, Escape).
  BOOL IsDialogMessage(MSG* msg);
};

// Sends a message to a window: to its bound wrapper, or to the window's
// default processing when it has none.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
