#pragma once
// A window's system menu. The framework shows it (Alt+Space, or a right
// click on a dialog's background); a choice arrives as WM_SYSCOMMAND.

#include "framework/win_types.h"

class CMenu {
 public:
  explicit CMenu(HMENU menu) : m_hMenu(menu) {}
  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
  int GetMenuItemCount() const;
  UINT GetMenuItemID(int position) const;  // 0 for a separator
  int GetMenuString(int position, char* text, int maxCount) const;

  HMENU m_hMenu;
};
