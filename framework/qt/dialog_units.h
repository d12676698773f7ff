#pragma once
// Dialog units: a template's positions and sizes scale with its font. One
// horizontal unit is a quarter of the average character width, one vertical
// unit an eighth of the character height.

#include <QFont>
#include <QRect>

struct DialogBaseUnits {
  int x;  // average width of the letters A-Z and a-z, rounded
  int y;  // character height

  static DialogBaseUnits Of(const QFont& font);
  QRect ToPixels(int x, int y, int cx, int cy) const;
  QSize ToPixels(int cx, int cy) const;
};

// a * b / c rounded to the nearest integer, as the classic MulDiv does.
int MulDiv(int a, int b, int c);
