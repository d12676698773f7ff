#include "framework/qt/dialog_units.h"

#include <QFontMetrics>
#include <cmath>

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

DialogBaseUnits DialogBaseUnits::Of(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(width / 26 + 1) / 2, metrics.height()};
}

QRect DialogBaseUnits::ToPixels(int left, int top, int cx, int cy) const {
  return {MulDiv(left, x, 4), MulDiv(top, y, 8), MulDiv(cx, x, 4), MulDiv(cy, y, 8)};
}

QSize DialogBaseUnits::ToPixels(int cx, int cy) const { return {MulDiv(cx, x, 4), MulDiv(cy, y, 8)}; }
