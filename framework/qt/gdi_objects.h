#pragma once
// The structures behind font, brush, icon and device-context handles.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <optional>

#include "framework/font.h"
#include "framework/win_types.h"
#include "framework/win_constants.h"

class CBrush;
class CDC;
class CPen;

struct HFONT__ {
  explicit HFONT__(const LOGFONT& description);
  LOGFONT logFont;
  QFont font;
  CFont wrapper;  // FromHandle's non-owning wrapper
};

struct HBRUSH__ {
  bool hollow;
  QColor color;
};

struct HPEN__ {
  int style;  // PS_SOLID, PS_DASH, PS_DOT
  int width;
  COLORREF color;
};

struct HICON__ {
  QPixmap large;
  QPixmap small;
  std::optional<QCursor> cursor;  // set for cursors
};

struct HDC__ {
  QPainter* painter = nullptr;  // null for a context that only measures
  QWidget* widget = nullptr;
  HFONT font = nullptr;
  CPen* pen = nullptr;      // the selected pen; null: the stock black pen
  CBrush* brush = nullptr;  // the selected brush; null: the stock white brush
  COLORREF textColor = RGB(0, 0, 0);
  UINT textAlign = TA_LEFT | TA_TOP;
  POINT position;
  CDC* wrapper = nullptr;
};

// Makes dc the wrapper of a context the framework made; the wrapper deletes
// it (and its painter) when it goes.
void AdoptDeviceContext(CDC& wrapper, HDC dc);

// The logical font of a dialog template's font at 96 dots per inch.
LOGFONT TemplateLogFont(const char* face, int pointSize);
QFont QFontFromLogFont(const LOGFONT& logFont);
QColor ToQColor(COLORREF color);
COLORREF ToColorRef(const QColor& color);
// Maps the classic face names onto the metric-compatible faces we install.
void InstallFontSubstitutes();

HFONT StockSystemFont();
// The brush a dialog paints its statics' background with.
HBRUSH DialogBackgroundBrush();
