// What the shared CWnd operations ask of a window on Qt: the window is a
// widget (window.h), a dialog a DialogWindow.

#include "framework/internal/window_primitives.h"

#include "framework/dc.h"
#include "framework/internal/framework_access.h"
#include "framework/qt/backend_constants.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/gdi_objects.h"
#include "framework/qt/window.h"

namespace {

// A context that only measures, holding the stock system font.
class MeasuringDC : public CDC {
 public:
  explicit MeasuringDC(QWidget* widget) {
    auto* dc = new HDC__;
    dc->widget = widget;
    dc->font = StockSystemFont();
    AdoptDeviceContext(*this, dc);
  }
};

// The shared operations hand only running dialogs' windows to these.
DialogWindow& DialogOf(HWND hwnd) { return *WindowAs<DialogWindow>(hwnd); }

}  // namespace

namespace framework_detail {

LRESULT DoSendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessage(hwnd, message, wParam, lParam);
}

bool DoShowWindow(HWND hwnd, int showCommand) {
  const bool wasVisible = !hwnd->widget->isHidden();
  hwnd->widget->setVisible(showCommand != SW_HIDE);
  return wasVisible;
}

std::string DoGetText(HWND hwnd) { return hwnd->Text(); }

void DoSetText(HWND hwnd, const std::string& text) {
  ::SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

DWORD DoGetStyle(HWND hwnd) {
  DWORD style = hwnd->styleBits & ~(WS_VISIBLE | WS_DISABLED);
  if (!hwnd->widget->isHidden()) style |= WS_VISIBLE;
  if (!hwnd->widget->isEnabled()) style |= WS_DISABLED;
  return style;
}

void DoSetStyle(HWND hwnd, DWORD style) {
  // The widget keeps whether it is shown and enabled; the bits follow it.
  const bool visible = (style & WS_VISIBLE) != 0;
  if (visible == hwnd->widget->isHidden()) hwnd->widget->setVisible(visible);
  hwnd->widget->setEnabled((style & WS_DISABLED) == 0);
  hwnd->styleBits = style;
  hwnd->ApplyStyle();
}

bool DoEnableWindow(HWND hwnd, bool enable) {
  const bool wasDisabled = !hwnd->widget->isEnabled();
  hwnd->widget->setEnabled(enable);
  return wasDisabled;
}

RECT DoGetWindowRect(HWND hwnd) {
  QWidget* w = hwnd->widget;
  return w->isWindow() ? ToRect(w->frameGeometry()) : ToRect(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

RECT DoGetClientRect(HWND hwnd) { return {0, 0, hwnd->widget->width(), hwnd->widget->height()}; }

POINT DoClientOrigin(HWND hwnd) {
  const QPoint origin = hwnd->widget->mapToGlobal(QPoint(0, 0));
  return {origin.x(), origin.y()};
}

BOOL DoSetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  QWidget* w = hwnd->widget;
  if (!(flags & SWP_NOMOVE)) w->move(x, y);
  if (!(flags & SWP_NOSIZE)) w->resize(cx, cy);
  if (!(flags & SWP_NOZORDER) && insertAfter) w->stackUnder(insertAfter->widget);
  return TRUE;
}

void DoInvalidate(HWND hwnd, bool) { hwnd->widget->update(); }

bool DoIsIconic(HWND hwnd) { return hwnd->widget->window()->isMinimized(); }

CDC* DoGetDC(HWND hwnd) { return new MeasuringDC(hwnd->widget); }

HFONT DoGetFont(HWND hwnd) { return hwnd->hfont; }

HICON DoSetIcon(HWND dialog, HICON icon, bool big) { return DialogOf(dialog).SetIcon(icon, big); }

HMENU DoGetSystemMenu(HWND dialog, bool revert) { return DialogOf(dialog).SystemMenu(revert); }

}  // namespace framework_detail
