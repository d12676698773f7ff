// Drawing with a device context on Qt: pens, brushes, lines, shapes and
// text, as the classic graphics interface draws them (outlines with the
// pen, fills with the brush, text at a point by its alignment).

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "framework/dc.h"
#include "framework/internal/framework_access.h"
#include "framework/qt/gdi_objects.h"
#include "framework/qt/window.h"

namespace {

// A context's first pen and brush, as the classic interface gives every
// context: a black pen one pixel wide and a white brush. Their wrappers are
// what SelectObject hands back for them.
CPen& StockPen() {
  static CPen pen;
  if (!pen.GetSafeHandle()) pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  return pen;
}

CBrush& StockBrush() {
  static CBrush brush;
  if (!brush.GetSafeHandle()) brush.CreateSolidBrush(RGB(255, 255, 255));
  return brush;
}

QPen QtPen(const HDC__& dc) {
  const HPEN__& pen = *(dc.pen ? dc.pen : &StockPen())->GetSafeHandle();
  QPen qpen(ToQColor(pen.color));
  qpen.setWidth(std::max(1, pen.width));
  qpen.setStyle(pen.style == PS_DASH ? Qt::DashLine : pen.style == PS_DOT ? Qt::DotLine : Qt::SolidLine);
  qpen.setCapStyle(Qt::FlatCap);
  return qpen;
}

QBrush QtBrush(const HDC__& dc) {
  const HBRUSH__& brush = *(dc.brush ? dc.brush : &StockBrush())->GetSafeHandle();
  return brush.hollow ? QBrush(Qt::NoBrush) : QBrush(brush.color);
}

// The classic shapes cover left..right - 1 and top..bottom - 1, the pen
// drawn inside that.
QRectF ShapeRect(int left, int top, int right, int bottom) {
  return {left + 0.5, top + 0.5, right - left - 1.0, bottom - top - 1.0};
}

}  // namespace

CPen::~CPen() { delete m_hObject; }

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  delete m_hObject;
  m_hObject = new HPEN__{style, width, color};
  return TRUE;
}

CBrush::~CBrush() { delete m_hObject; }

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  delete m_hObject;
  m_hObject = new HBRUSH__{false, ToQColor(color)};
  return TRUE;
}

CPen* CDC::SelectObject(CPen* pen) {
  CPen* previous = m_hDC->pen ? m_hDC->pen : &StockPen();
  if (pen && pen->GetSafeHandle()) m_hDC->pen = pen == &StockPen() ? nullptr : pen;
  return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
  CBrush* previous = m_hDC->brush ? m_hDC->brush : &StockBrush();
  if (brush && brush->GetSafeHandle()) m_hDC->brush = brush == &StockBrush() ? nullptr : brush;
  return previous;
}

void CDC::MoveTo(int x, int y) { m_hDC->position = {x, y}; }

BOOL CDC::LineTo(int x, int y) {
  if (!m_hDC->painter) return FALSE;
  m_hDC->painter->setPen(QtPen(*m_hDC));
  m_hDC->painter->drawLine(QPointF(m_hDC->position.x + 0.5, m_hDC->position.y + 0.5), QPointF(x + 0.5, y + 0.5));
  m_hDC->position = {x, y};
  return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count) {
  if (!m_hDC->painter || !points || count < 2) return FALSE;
  std::vector<QPointF> line;
  line.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) line.emplace_back(points[i].x + 0.5, points[i].y + 0.5);
  m_hDC->painter->setPen(QtPen(*m_hDC));
  m_hDC->painter->drawPolyline(line.data(), count);
  return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
  if (!m_hDC->painter) return FALSE;
  m_hDC->painter->setPen(QtPen(*m_hDC));
  m_hDC->painter->setBrush(QtBrush(*m_hDC));
  m_hDC->painter->drawEllipse(ShapeRect(left, top, right, bottom));
  return TRUE;
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
  if (m_hDC->painter && rect) m_hDC->painter->fillRect(ToQRect(*rect), ToQColor(color));
}

UINT CDC::SetTextAlign(UINT align) {
  const UINT previous = m_hDC->textAlign;
  m_hDC->textAlign = align;
  return previous;
}

BOOL CDC::TextOut(int x, int y, const char* text, int count) {
  if (!m_hDC->painter || !text) return FALSE;
  const QFont font = m_hDC->font ? m_hDC->font->font : QFont();
  const QFontMetrics metrics(font);
  const QString string = QString::fromUtf8(text, count);
  const UINT align = m_hDC->textAlign;
  int left = x;
  if ((align & TA_CENTER) == TA_CENTER) {
    left = x - metrics.horizontalAdvance(string) / 2;
  } else if (align & TA_RIGHT) {
    left = x - metrics.horizontalAdvance(string);
  }
  int baseline = y + metrics.ascent();
  if ((align & TA_BASELINE) == TA_BASELINE) {
    baseline = y;
  } else if (align & TA_BOTTOM) {
    baseline = y - metrics.descent();
  }
  m_hDC->painter->setFont(font);
  m_hDC->painter->setPen(ToQColor(m_hDC->textColor));
  m_hDC->painter->drawText(QPoint(left, baseline), string);
  return TRUE;
}
