#include "framework/qt/window.h"

#include "framework/internal/framework_access.h"
#include "framework/qt/backend_constants.h"
#include "framework/qt/dialog_window.h"

HWND__::HWND__(QWidget* w, int controlId, DWORD windowStyle, DWORD extendedStyle)
    : widget(w), id(controlId), styleBits(windowStyle), styleEx(extendedStyle) {}

HWND__::~HWND__() {
  UnbindWrapper();
  if (temporary) FrameworkAccess::Handle(*temporary) = nullptr;
}

LRESULT HWND__::DefaultProc(UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    SetText(reinterpret_cast<const char*>(lParam));
    if (HWND dialog = Dialog(); dialog && dialog != this) dialog->ChildTextChanged();
    return TRUE;
  }
  return 0;
}

HWND HWND__::Parent() const { return WindowOfObject(widget->parentWidget()); }

HWND HWND__::Dialog() {
  HWND hwnd = this;
  while (hwnd && !WindowAs<DialogWindow>(hwnd)) hwnd = hwnd->Parent();
  return hwnd;
}

HWND HWND__::FromWidget(QWidget* w) {
  for (; w; w = w->parentWidget()) {
    if (HWND hwnd = WindowOfObject(w)) return hwnd;
    if (w->isWindow()) return nullptr;
  }
  return nullptr;
}

HWND HWND__::Child(int childId) const {
  for (QObject* object : widget->children()) {
    HWND child = WindowOfObject(object);
    if (child && child->id == childId) return child;
  }
  return nullptr;
}

void HWND__::NotifyParent(UINT code) {
  if (HWND parent = Parent()) SendCommand(parent, id, code, this);
}

void HWND__::UnbindWrapper() {
  if (wrapper) FrameworkAccess::Handle(*wrapper) = nullptr;
  wrapper = nullptr;
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return hwnd ? framework_detail::Dispatch(hwnd, message, wParam, lParam) : 0;
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
    if (HWND child = WindowOfObject(w)) child->UnbindWrapper();
  }
  hwnd->UnbindWrapper();
  delete top;
}

// What the shared routing asks of this backend.
namespace framework_detail {

CWnd* BoundWrapper(HWND hwnd) { return hwnd ? hwnd->wrapper : nullptr; }

HWND ParentOf(HWND hwnd) { return hwnd ? hwnd->Parent() : nullptr; }

LRESULT DefaultProcessing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return hwnd ? hwnd->DefaultProc(message, wParam, lParam) : 0;
}

HWND ControlOf(HWND dialog, int id) { return dialog ? dialog->Child(id) : nullptr; }

void Bind(CWnd& wrapper, HWND window) {
  FrameworkAccess::Handle(wrapper) = window;
  window->wrapper = &wrapper;
}

void Unbind(HWND window) { window->wrapper = nullptr; }

CWnd* WindowOf(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (hwnd->wrapper) return hwnd->wrapper;
  if (!hwnd->temporary) {
    hwnd->temporary = std::make_unique<CWnd>();
    FrameworkAccess::Handle(*hwnd->temporary) = hwnd;
  }
  return hwnd->temporary.get();
}

}  // namespace framework_detail
