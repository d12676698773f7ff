#include "framework/menu.h"

#include "framework/qt/dialog_window.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
  m_hMenu->items.push_back({flags, (flags & MF_SEPARATOR) ? 0 : id, text ? text : ""});
  return TRUE;
}
