#pragma once

#include "framework/win_types.h"

// The cursor the last SetCursor asked for, applied by the framework to the
// window the pointer is over once that window has answered WM_SETCURSOR.
struct CursorState {
  static inline HCURSOR current = nullptr;
  static inline bool set = false;
};
