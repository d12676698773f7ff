#include "framework/qt/static_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOption>
#include <QPainter>
#include <cstdlib>

#include "framework/dc.h"
#include "framework/qt/gdi_objects.h"
#include "framework/internal/framework_access.h"
#include "framework/win_constants.h"
#include "framework/wnd.h"

namespace {

// A context that paints on a static for one paint event, starting with
// black text for the colour handler to change.
class StaticPaintDC : public CDC {
 public:
  StaticPaintDC(QPainter* painter, QWidget* widget, HFONT font) {
    auto* dc = new HDC__;
    dc->painter = painter;
    dc->widget = widget;
    dc->font = font;
    AdoptDeviceContext(*this, dc);
  }
  ~StaticPaintDC() override { GetSafeHdc()->painter = nullptr; }  // the paint event owns the painter
};

// Classic statics break lines at CR, LF and CR LF alike.
QString NormalizeLineBreaks(const std::string& text) {
  QString result = ToQString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

}  // namespace

StaticWindow::StaticWindow(QWidget* parent, int controlId, DWORD windowStyle, DWORD extendedStyle,
                           const std::string& text)
    : QWidget(parent), HWND__(this, controlId, windowStyle, extendedStyle), text_(text) {
  setMouseTracking(true);
  if (IsIcon()) {
    // An icon static names its icon as "#id" and takes the icon's size.
    if (text_.size() > 1 && text_[0] == '#') icon_ = framework_detail::LoadIconResource(static_cast<UINT>(std::atoi(text_.c_str() + 1)));
    if (icon_) resize(icon_->large.size());
  }
  ApplyStyle();
}

bool StaticWindow::IsIcon() const { return (styleBits & SS_TYPEMASK) == SS_ICON; }

bool StaticWindow::IsClickable() const { return (styleBits & SS_NOTIFY) != 0; }

QString StaticWindow::PlainText() const {
  QString text = NormalizeLineBreaks(text_);
  if (!(styleBits & SS_NOPREFIX)) {
    // "&&" shows one ampersand; a single "&" only marks the next letter.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  }
  return text;
}

void StaticWindow::SetText(const std::string& newText) {
  text_ = newText;
  update();
}

void StaticWindow::ApplyStyle() {
  setAttribute(Qt::WA_TransparentForMouseEvents, !IsClickable());
  setFocusPolicy(IsClickable() ? Qt::TabFocus : Qt::NoFocus);
  update();
}

QSize StaticWindow::sizeHint() const { return size(); }

void StaticWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && IsClickable()) {
    Click();
    return;
  }
  QWidget::mousePressEvent(event);
}

void StaticWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  // Not a second click: a link would open its target twice.
  if (event->button() == Qt::LeftButton && IsClickable()) {
    NotifyParent(STN_DBLCLK);
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

void StaticWindow::keyPressEvent(QKeyEvent* event) {
  if (IsClickable() && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter)) {
    Click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void StaticWindow::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();  // for the focus rectangle
}

void StaticWindow::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

// The static's wrapper may draw it itself (a chart does) by handling WM_PAINT.
void StaticWindow::paintEvent(QPaintEvent*) { ::SendMessage(this, WM_PAINT); }

LRESULT StaticWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return HWND__::DefaultProc(message, wParam, lParam);
  Paint();
  return 0;
}

void StaticWindow::Paint() {
  QPainter painter(this);
  if (IsIcon()) {
    if (icon_) painter.drawPixmap(0, 0, icon_->large);
    return;
  }
  StaticPaintDC dc(&painter, this, hfont);
  HBRUSH brush = reinterpret_cast<HBRUSH>(
      ::SendMessage(Parent(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(static_cast<HWND>(this))));
  // The dialog's own brush needs no painting: its background already shows
  // through, including any frame the static sits in.
  if (brush && !brush->hollow && brush != DialogBackgroundBrush()) painter.fillRect(rect(), brush->color);
  PaintText(painter, dc.GetSafeHdc());
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void StaticWindow::PaintText(QPainter& painter, HDC dc) {
  int flags = Qt::TextWordWrap;
  switch (styleBits & SS_TYPEMASK) {
    case SS_CENTER:
      flags |= Qt::AlignHCenter;
      break;
    case SS_RIGHT:
      flags |= Qt::AlignRight;
      break;
    default:
      flags |= Qt::AlignLeft;
      break;
  }
  flags |= (styleBits & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
  if (!(styleBits & SS_NOPREFIX)) flags |= Qt::TextShowMnemonic;
  painter.setFont(dc->font ? dc->font->font : QWidget::font());
  painter.setPen(ToQColor(dc->textColor));
  painter.drawText(rect(), flags, NormalizeLineBreaks(text_));
}
