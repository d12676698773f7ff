#pragma once
// Sizes and rectangles with the classic helpers.

#include "framework/win_types.h"

class CSize : public SIZE {
 public:
  CSize() : SIZE{0, 0} {}
  CSize(LONG width, LONG height) : SIZE{width, height} {}
};

class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}

  LONG Width() const { return right - left; }
  LONG Height() const { return bottom - top; }

  operator RECT*() { return this; }
  operator const RECT*() const { return this; }
};
