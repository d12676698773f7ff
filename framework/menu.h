#pragma once
// A window's system menu, as GetSystemMenu hands it out. The framework shows
// it; a choice arrives in the window's message map as WM_SYSCOMMAND.

#include "framework/win_types.h"

class CMenu {
 public:
  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);

 private:
  friend struct FrameworkAccess;
  explicit CMenu(HMENU menu) : m_hMenu(menu) {}
  HMENU m_hMenu;
};
