#pragma once
// HWND__: what a window handle points to. Every window the framework makes
// is a Qt widget that also derives from HWND__, which keeps the classic
// attributes (id, styles, font, bound wrapper) beside the widget. The kind of
// a window is its class: WindowAs<ListBoxWindow>(hwnd) asks for one.

#include <QWidget>
#include <memory>
#include <string>

#include "framework/win_types.h"

class CWnd;

struct HWND__ {
  HWND__(QWidget* widget, int id, DWORD style, DWORD styleEx);
  HWND__(const HWND__&) = delete;
  HWND__& operator=(const HWND__&) = delete;
  virtual ~HWND__();

  QWidget* const widget;
  const int id;
  DWORD styleBits;  // WS_* and the class's own style bits
  DWORD styleEx;    // WS_EX_* bits
  HFONT hfont = nullptr;  // the window's font
  CWnd* wrapper = nullptr;  // the bound wrapper
  std::unique_ptr<CWnd> temporary;  // the wrapper handed out while none is bound
  // The cursor a WM_SETCURSOR handler chose for this window, if one did.
  bool cursorOverridden = false;
  HCURSOR cursorShown = nullptr;

  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  // Carries the style bits over to the widget after a change.
  virtual void ApplyStyle() {}
  // Told when a child window's text was set (the dialog renames by labels).
  virtual void ChildTextChanged() {}
  // What the window does with a message nobody handles.
  virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  // The window of the parent widget (for a dialog, its owner), if any.
  HWND Parent() const;
  // The dialog this window belongs to (itself for a dialog).
  HWND Dialog();
  // The framework window at or above widget within the same top-level window.
  static HWND FromWidget(QWidget* widget);
  // The child window with id, if any.
  HWND Child(int childId) const;

  // Sends a notification code to the parent, as WM_COMMAND.
  void NotifyParent(UINT code);
  // Clears the bound wrapper's handle and forgets the wrapper.
  void UnbindWrapper();
};

// The window as its concrete class, or null when it is of another kind.
template <class Window>
Window* WindowAs(HWND hwnd) {
  return dynamic_cast<Window*>(hwnd);
}

// The window of a QObject that is one of the framework's windows, or null.
inline HWND WindowOfObject(QObject* object) { return dynamic_cast<HWND__*>(object); }

// Sends a message through the window's bound wrapper (its message map) or to
// its default processing.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Sends WM_COMMAND with id and notification code to a window, from the
// control from (null for a command from a key or menu).
LRESULT SendCommand(HWND to, int id, UINT code, HWND from);

// Unbinds every wrapper in the window's tree, silences its widgets and
// deletes it.
void DestroyWindowTree(HWND hwnd);

inline QString ToQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string FromQString(const QString& text) { return text.toStdString(); }
inline RECT ToRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
inline QRect ToQRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
