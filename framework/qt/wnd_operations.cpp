// The operations of CWnd that act on the window itself.

#include <QApplication>

#include "framework/dc.h"
#include "framework/qt/button_window.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/gdi_objects.h"
#include "framework/qt/static_window.h"
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
    Adopt(dc);
  }
};

}  // namespace

BOOL CWnd::ShowWindow(int showCommand) {
  if (!m_hWnd) return FALSE;
  const bool wasVisible = !m_hWnd->widget->isHidden();
  m_hWnd->widget->setVisible(showCommand != SW_HIDE);
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd && m_hWnd->widget->isVisible(); }

void CWnd::SetWindowText(const char* text) {
  if (!m_hWnd) return;
  const std::string newText = text ? text : "";
  // Setting the text a window already has changes and notifies nothing.
  if (m_hWnd->Text() != newText) SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(newText.c_str()));
}

void CWnd::GetWindowText(CString& text) const { text = m_hWnd ? CString(m_hWnd->Text()) : CString(); }

CString CWnd::GetWindowText() const {
  CString text;
  GetWindowText(text);
  return text;
}

DWORD CWnd::GetStyle() const {
  if (!m_hWnd) return 0;
  DWORD style = m_hWnd->styleBits & ~(WS_VISIBLE | WS_DISABLED);
  if (!m_hWnd->widget->isHidden()) style |= WS_VISIBLE;
  if (!m_hWnd->widget->isEnabled()) style |= WS_DISABLED;
  return style;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
  if (!m_hWnd) return FALSE;
  const DWORD style = (m_hWnd->styleBits & ~remove) | add;
  if (style == m_hWnd->styleBits) return FALSE;
  m_hWnd->styleBits = style;
  m_hWnd->ApplyStyle();
  return TRUE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  if (!m_hWnd) return FALSE;
  const bool wasDisabled = !m_hWnd->widget->isEnabled();
  m_hWnd->widget->setEnabled(enable != FALSE);
  return wasDisabled;
}

int CWnd::GetDlgCtrlID() const { return m_hWnd ? m_hWnd->id : 0; }

CWnd* CWnd::GetDlgItem(int id) const { return m_hWnd ? FromHandle(m_hWnd->Child(id)) : nullptr; }

CWnd* CWnd::GetParent() const { return m_hWnd ? FromHandle(m_hWnd->Parent()) : nullptr; }

CWnd* CWnd::SetFocus() {
  CWnd* previous = GetFocus();
  if (m_hWnd) m_hWnd->widget->setFocus(Qt::OtherFocusReason);
  return previous;
}

CWnd* CWnd::GetFocus() { return FromHandle(HWND__::FromWidget(QApplication::focusWidget())); }

void CWnd::GetWindowRect(RECT* rect) const {
  if (!m_hWnd || !rect) return;
  QWidget* w = m_hWnd->widget;
  *rect = w->isWindow() ? ToRect(w->frameGeometry())
                        : ToRect(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

void CWnd::GetClientRect(RECT* rect) const {
  if (!m_hWnd || !rect) return;
  *rect = {0, 0, m_hWnd->widget->width(), m_hWnd->widget->height()};
}

void CWnd::ScreenToClient(RECT* rect) const {
  if (!m_hWnd || !rect) return;
  const QPoint origin = m_hWnd->widget->mapFromGlobal(QPoint(rect->left, rect->top));
  const LONG dx = origin.x() - rect->left;
  const LONG dy = origin.y() - rect->top;
  *rect = {rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  if (!m_hWnd) return FALSE;
  QWidget* w = m_hWnd->widget;
  if (!(flags & SWP_NOMOVE)) w->move(x, y);
  if (!(flags & SWP_NOSIZE)) w->resize(cx, cy);
  if (!(flags & SWP_NOZORDER) && insertAfter && insertAfter->m_hWnd) w->stackUnder(insertAfter->m_hWnd->widget);
  return TRUE;
}

void CWnd::Invalidate(BOOL) {
  if (m_hWnd) m_hWnd->widget->update();
}

BOOL CWnd::IsIconic() const { return m_hWnd && m_hWnd->widget->window()->isMinimized(); }

CDC* CWnd::GetDC() { return m_hWnd ? new MeasuringDC(m_hWnd->widget) : nullptr; }

int CWnd::ReleaseDC(CDC* dc) {
  delete dc;
  return 1;
}

CFont* CWnd::GetFont() const { return m_hWnd ? CFont::FromHandle(m_hWnd->hfont) : nullptr; }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  auto* dialog = dynamic_cast<DialogWindow*>(m_hWnd);
  return dialog ? dialog->SetIcon(icon, bigIcon != FALSE) : nullptr;
}

HICON CWnd::GetIcon(BOOL bigIcon) const {
  auto* dialog = dynamic_cast<DialogWindow*>(m_hWnd);
  return dialog ? dialog->Icon(bigIcon != FALSE) : nullptr;
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
  auto* dialog = dynamic_cast<DialogWindow*>(m_hWnd);
  return dialog ? dialog->SystemMenu(revert != FALSE) : nullptr;
}

BOOL CWnd::IsDialogMessage(MSG* msg) {
  auto* dialog = dynamic_cast<DialogWindow*>(m_hWnd);
  if (!dialog || msg->message != WM_KEYDOWN) return FALSE;
  if (msg->wParam == VK_ESCAPE) {
    SendCommand(m_hWnd, IDCANCEL, BN_CLICKED, dialog->Child(IDCANCEL));
    return TRUE;
  }
  if (msg->wParam == VK_RETURN) {
    // Enter presses the focused push button, or opens a focused link, else
    // presses the default button.
    HWND focus = HWND__::FromWidget(QApplication::focusWidget());
    if (auto* link = dynamic_cast<StaticWindow*>(focus); link && link->IsClickable()) return FALSE;
    auto* focusedButton = dynamic_cast<ButtonWindow*>(focus);
    const int id = focusedButton && focusedButton->Parent() == dialog ? focusedButton->id : dialog->DefaultButtonId();
    HWND button = dialog->Child(id);
    if (button && !button->widget->isEnabled()) return TRUE;
    SendCommand(m_hWnd, id, BN_CLICKED, button);
    return TRUE;
  }
  return FALSE;
}
