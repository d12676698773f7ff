#pragma once
// The brush wrapper: what shapes are filled with. The brush belongs to its
// wrapper and goes with it.

#include "framework/win_types.h"

class CBrush {
 public:
  CBrush() = default;
  CBrush(const CBrush&) = delete;
  CBrush& operator=(const CBrush&) = delete;
  ~CBrush();

  BOOL CreateSolidBrush(COLORREF color);
  HBRUSH GetSafeHandle() const { return m_hObject; }

 private:
  friend struct FrameworkAccess;
  HBRUSH m_hObject = nullptr;
};
