#include "framework/qt/gdi_objects.h"

#include <QPalette>
#include <algorithm>
#include <cstring>

#include "framework/internal/framework_access.h"
#include "framework/qt/dialog_units.h"
#include "framework/win_constants.h"

namespace {

constexpr int kLogPixelsY = 96;

HBRUSH StockNullBrush() {
  static HBRUSH__ brush{true, QColor()};
  return &brush;
}

}  // namespace

HFONT__::HFONT__(const LOGFONT& description) : logFont(description), font(QFontFromLogFont(description)) {
  FrameworkAccess::Borrow(wrapper, this);
}

LOGFONT TemplateLogFont(const char* face, int pointSize) {
  LOGFONT logFont;
  logFont.lfHeight = -MulDiv(pointSize, kLogPixelsY, 72);
  std::strncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
  return logFont;
}

QFont QFontFromLogFont(const LOGFONT& logFont) {
  QFont font(QString::fromUtf8(logFont.lfFaceName));
  // A positive height includes the internal leading, about an eighth of the
  // cell in the sans faces we use.
  const int pixels = logFont.lfHeight < 0 ? -logFont.lfHeight
                     : logFont.lfHeight > 0 ? std::max(1, MulDiv(logFont.lfHeight, 7, 8))
                                            : 13;
  font.setPixelSize(pixels);
  font.setWeight(static_cast<QFont::Weight>(std::clamp<LONG>(logFont.lfWeight ? logFont.lfWeight : FW_NORMAL, 100, 900)));
  font.setItalic(logFont.lfItalic != 0);
  font.setUnderline(logFont.lfUnderline != 0);
  font.setStrikeOut(logFont.lfStrikeOut != 0);
  return font;
}

void InstallFontSubstitutes() {
  // Liberation Sans has Arial's metrics, so dialog units come out as designed.
  for (const char* face : {"Arial", "MS Sans Serif", "MS Shell Dlg", "System"}) {
    QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("Liberation Sans"));
  }
}

QColor ToQColor(COLORREF color) {
  return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF ToColorRef(const QColor& color) {
  return RGB(static_cast<BYTE>(color.red()), static_cast<BYTE>(color.green()), static_cast<BYTE>(color.blue()));
}

HFONT StockSystemFont() {
  static HFONT__ font([] {
    LOGFONT logFont;
    logFont.lfHeight = 16;
    logFont.lfWeight = FW_BOLD;
    std::strncpy(logFont.lfFaceName, "System", LF_FACESIZE - 1);
    return logFont;
  }());
  return &font;
}

HBRUSH DialogBackgroundBrush() {
  static HBRUSH__ brush{false, QColor()};
  brush.color = QPalette().color(QPalette::Window);
  return &brush;
}

HGDIOBJ GetStockObject(int object) {
  switch (object) {
    case NULL_BRUSH:
      return StockNullBrush();
    case SYSTEM_FONT:
      return StockSystemFont();
    default:
      return nullptr;
  }
}
