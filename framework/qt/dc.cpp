#include "framework/dc.h"

#include <QFontMetricsF>
#include <cmath>

#include "framework/internal/framework_access.h"
#include "framework/qt/gdi_objects.h"
#include "framework/qt/window.h"
#include "framework/wnd.h"

void AdoptDeviceContext(CDC& wrapper, HDC dc) {
  FrameworkAccess::Handle(wrapper) = dc;
  dc->wrapper = &wrapper;
}

CDC::~CDC() {
  if (m_hDC) {
    delete m_hDC->painter;
    delete m_hDC;
  }
}

COLORREF CDC::SetTextColor(COLORREF color) {
  const COLORREF previous = m_hDC->textColor;
  m_hDC->textColor = color;
  return previous;
}

// Every static is painted with a transparent background already: the mode
// changes nothing that this backend draws.
int CDC::SetBkMode(int) { return TRANSPARENT; }

CFont* CDC::SelectObject(CFont* font) {
  CFont* previous = CFont::FromHandle(m_hDC->font);
  if (font && font->GetSafeHandle()) m_hDC->font = font->GetSafeHandle();
  return previous;
}

CSize CDC::GetTextExtent(const char* text, int count) const {
  const QFontMetricsF metrics(m_hDC->font ? m_hDC->font->font : QFont());
  const QString string = QString::fromUtf8(text, count);
  // Rounded up: a static as wide as its text must not wrap it for a
  // fraction of a pixel.
  return CSize(static_cast<LONG>(std::ceil(metrics.horizontalAdvance(string))),
               static_cast<LONG>(std::ceil(metrics.height())));
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
  if (!icon || !m_hDC->painter) return FALSE;
  m_hDC->painter->drawPixmap(x, y, icon->large);
  return TRUE;
}

CPaintDC::CPaintDC(CWnd* wnd) {
  HWND hwnd = FrameworkAccess::Handle(*wnd);
  if (!hwnd) framework_detail::ProgrammingError("CPaintDC for a wrapper that is not bound to a window");
  auto* dc = new HDC__;
  dc->widget = hwnd->widget;
  dc->painter = new QPainter(dc->widget);
  dc->font = hwnd->hfont ? hwnd->hfont : StockSystemFont();
  AdoptDeviceContext(*this, dc);
}

CPaintDC::~CPaintDC() = default;
