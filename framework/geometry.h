#pragma once
// Points, sizes and rectangles with the classic helper operations.

#include "framework/win_types.h"

class CPoint : public POINT {
 public:
  CPoint() = default;
  CPoint(LONG px, LONG py) : POINT{px, py} {}
};

class CSize : public SIZE {
 public:
  CSize() = default;
  CSize(LONG width, LONG height) : SIZE{width, height} {}
};

class CRect : public RECT {
 public:
  CRect() = default;
  CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
  explicit CRect(const RECT& rc) : RECT(rc) {}

  LONG Width() const { return right - left; }
  LONG Height() const { return bottom - top; }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool PtInRect(POINT pt) const {
    return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
  }
  void InflateRect(LONG dx, LONG dy) {
    left -= dx;
    top -= dy;
    right += dx;
    bottom += dy;
  }
  void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
  void OffsetRect(LONG dx, LONG dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  bool operator==(const CRect& other) const {
    return left == other.left && top == other.top && right == other.right &&
           bottom == other.bottom;
  }

  operator RECT*() { return this; }
  operator const RECT*() const { return this; }
};
