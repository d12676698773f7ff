#pragma once
// The pen wrapper: lines and outlines. The pen belongs to its wrapper and
// goes with it.

#include "framework/win_types.h"

class CPen {
 public:
  CPen() = default;
  CPen(const CPen&) = delete;
  CPen& operator=(const CPen&) = delete;
  ~CPen();

  // PS_SOLID, PS_DASH or PS_DOT; width in pixels.
  BOOL CreatePen(int style, int width, COLORREF color);
  HPEN GetSafeHandle() const { return m_hObject; }

 private:
  friend struct FrameworkAccess;
  HPEN m_hObject = nullptr;
};
