// The operations of CWnd that act on the window itself.

#include <QApplication>

#include "framework/dc.h"
#include "framework/internal/framework_access.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/gdi_objects.h"
#include "framework/qt/window.h"
#include "framework/win_constants.h"
#include "framework/wnd.h"

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

DialogWindow& DialogOf(HWND hwnd, const char* operation) {
  auto* dialog = WindowAs<DialogWindow>(hwnd);
  if (!dialog) framework_detail::ProgrammingError(std::string("CWnd::") + operation + " on a window that is not a dialog");
  return *dialog;
}

}  // namespace

BOOL CWnd::ShowWindow(int showCommand) {
  QWidget* widget = Bound("ShowWindow")->widget;
  const bool wasVisible = !widget->isHidden();
  widget->setVisible(showCommand != SW_HIDE);
  return wasVisible;
}

void CWnd::SetWindowText(const char* text) {
  HWND hwnd = Bound("SetWindowText");
  const std::string newText = text ? text : "";
  // Setting the text a window already has changes and notifies nothing.
  if (hwnd->Text() != newText) ::SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(newText.c_str()));
}

CString CWnd::GetWindowText() const { return CString(Bound("GetWindowText")->Text()); }

DWORD CWnd::GetStyle() const {
  HWND hwnd = Bound("GetStyle");
  DWORD style = hwnd->styleBits & ~(WS_VISIBLE | WS_DISABLED);
  if (!hwnd->widget->isHidden()) style |= WS_VISIBLE;
  if (!hwnd->widget->isEnabled()) style |= WS_DISABLED;
  return style;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
  HWND hwnd = Bound("ModifyStyle");
  const DWORD style = (hwnd->styleBits & ~remove) | add;
  if (style == hwnd->styleBits) return FALSE;
  hwnd->styleBits = style;
  hwnd->ApplyStyle();
  return TRUE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  QWidget* widget = Bound("EnableWindow")->widget;
  const bool wasDisabled = !widget->isEnabled();
  widget->setEnabled(enable != FALSE);
  return wasDisabled;
}

CWnd* CWnd::GetParent() const { return framework_detail::WindowOf(Bound("GetParent")->Parent()); }

void CWnd::GetWindowRect(RECT* rect) const {
  QWidget* w = Bound("GetWindowRect")->widget;
  *rect = w->isWindow() ? ToRect(w->frameGeometry()) : ToRect(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

void CWnd::GetClientRect(RECT* rect) const {
  QWidget* w = Bound("GetClientRect")->widget;
  *rect = {0, 0, w->width(), w->height()};
}

void CWnd::ScreenToClient(RECT* rect) const {
  const QPoint origin = Bound("ScreenToClient")->widget->mapFromGlobal(QPoint(rect->left, rect->top));
  const LONG dx = origin.x() - rect->left;
  const LONG dy = origin.y() - rect->top;
  *rect = {rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  QWidget* w = Bound("SetWindowPos")->widget;
  if (!(flags & SWP_NOMOVE)) w->move(x, y);
  if (!(flags & SWP_NOSIZE)) w->resize(cx, cy);
  if (!(flags & SWP_NOZORDER) && insertAfter && insertAfter->m_hWnd) w->stackUnder(insertAfter->m_hWnd->widget);
  return TRUE;
}

void CWnd::Invalidate(BOOL) { Bound("Invalidate")->widget->update(); }

BOOL CWnd::IsIconic() const { return Bound("IsIconic")->widget->window()->isMinimized(); }

CDC* CWnd::GetDC() { return new MeasuringDC(Bound("GetDC")->widget); }

int CWnd::ReleaseDC(CDC* dc) {
  delete dc;
  return 1;
}

CFont* CWnd::GetFont() const { return CFont::FromHandle(Bound("GetFont")->hfont); }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) { return DialogOf(Bound("SetIcon"), "SetIcon").SetIcon(icon, bigIcon != FALSE); }

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
  return DialogOf(Bound("GetSystemMenu"), "GetSystemMenu").SystemMenu(revert != FALSE);
}
