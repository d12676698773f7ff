#include "framework/dc.h"

#include <QFontMetrics>

#include "framework/qt/gdi_objects.h"
#include "framework/qt/window.h"
#include "framework/wnd.h"

CDC::~CDC() {
  if (m_hDC) {
    delete m_hDC->painter;
    delete m_hDC;
  }
}

void CDC::Adopt(HDC dc) {
  m_hDC = dc;
  dc->wrapper = this;
}

CDC* CDC::FromHandle(HDC dc) { return dc ? dc->wrapper : nullptr; }

COLORREF CDC::SetTextColor(COLORREF color) {
  const COLORREF previous = m_hDC->textColor;
  m_hDC->textColor = color;
  return previous;
}

int CDC::SetBkMode(int mode) {
  const int previous = m_hDC->bkMode;
  m_hDC->bkMode = mode;
  return previous;
}

CFont* CDC::SelectObject(CFont* font) {
  CFont* previous = CFont::FromHandle(m_hDC->font);
  if (font && font->m_hObject) m_hDC->font = font->m_hObject;
  return previous;
}

CFont* CDC::GetCurrentFont() const { return CFont::FromHandle(m_hDC->font); }

CSize CDC::GetTextExtent(const char* text, int count) const {
  const QFontMetrics metrics(m_hDC->font ? m_hDC->font->font : QFont());
  const QString string = QString::fromUtf8(text, count);
  return CSize(metrics.horizontalAdvance(string), metrics.height());
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
  if (!icon || !m_hDC->painter) return FALSE;
  m_hDC->painter->drawPixmap(x, y, icon->large);
  return TRUE;
}

CPaintDC::CPaintDC(CWnd* wnd) {
  auto* dc = new HDC__;
  dc->widget = wnd->m_hWnd->widget;
  dc->painter = new QPainter(dc->widget);
  dc->font = wnd->m_hWnd->hfont ? wnd->m_hWnd->hfont : StockSystemFont();
  Adopt(dc);
}

CPaintDC::~CPaintDC() = default;
