#pragma once
// Sizes and rectangles with the classic helper operations.

#include "framework/win_types.h"

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
  bool PtInRect(POINT pt) const {
    return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
  }
  bool operator==(const CRect& other) const {
    return left == other.left && top == other.top && right == other.right &&
           bottom == other.bottom;
  }

  operator RECT*() { return this; }
  operator const RECT*() const { return this; }
};
