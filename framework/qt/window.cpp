#include "framework/qt/window.h"

#include "framework/win_constants.h"
#include "framework/wnd.h"

HWND__::HWND__(QWidget* w, WindowKind k, int controlId, DWORD windowStyle, DWORD extendedStyle)
    : widget(w), kind(k), id(controlId), styleBits(windowStyle), styleEx(extendedStyle) {}

HWND__::~HWND__() {
  UnbindWrapper();
  if (temporary) temporary->m_hWnd = nullptr;
}

LRESULT HWND__::DefaultProc(UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    SetText(reinterpret_cast<const char*>(lParam));
    if (HWND dialog = Dialog(); dialog && dialog != this) dialog->ChildTextChanged();
    return TRUE;
  }
  return 0;
}

HWND HWND__::Parent() const {
  return dynamic_cast<HWND__*>(widget->parentWidget());
}

HWND HWND__::Dialog() {
  HWND hwnd = this;
  while (hwnd->kind != WindowKind::Dialog) {
    hwnd = hwnd->Parent();
    if (!hwnd) return nullptr;
  }
  return hwnd;
}

HWND HWND__::FromWidget(QWidget* w) {
  for (; w; w = w->parentWidget()) {
    if (auto* hwnd = dynamic_cast<HWND__*>(w)) return hwnd;
    if (w->isWindow()) return nullptr;
  }
  return nullptr;
}

HWND HWND__::Child(int childId) const {
  for (QObject* object : widget->children()) {
    auto* child = dynamic_cast<HWND__*>(object);
    if (child && child->id == childId) return child;
  }
  return nullptr;
}

void HWND__::NotifyParent(UINT code) {
  if (HWND parent = Parent()) SendCommand(parent, id, code, this);
}

void HWND__::UnbindWrapper() {
  if (wrapper) wrapper->m_hWnd = nullptr;
  wrapper = nullptr;
}

LRESULT SendCommand(HWND to, int id, UINT code, HWND from) {
  return SendMessage(to, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code)),
                     reinterpret_cast<LPARAM>(from));
}

void DestroyWindowTree(HWND hwnd) {
  if (!hwnd) return;
  QWidget* top = hwnd->widget;
  const QList<QWidget*> descendants = top->findChildren<QWidget*>();
  for (QWidget* w : descendants) w->blockSignals(true);
  top->blockSignals(true);
  // Unbind before any destructor runs, so no wrapper sees a half-gone window.
  for (QWidget* w : descendants) {
    if (auto* child = dynamic_cast<HWND__*>(w)) child->UnbindWrapper();
  }
  hwnd->UnbindWrapper();
  delete top;
}
