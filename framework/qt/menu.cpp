#include "framework/menu.h"

#include <algorithm>
#include <cstring>

#include "framework/qt/dialog_window.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
  if (!m_hMenu) return FALSE;
  m_hMenu->items.push_back({flags, (flags & MF_SEPARATOR) ? 0 : id, text ? text : ""});
  return TRUE;
}

int CMenu::GetMenuItemCount() const { return m_hMenu ? static_cast<int>(m_hMenu->items.size()) : -1; }

UINT CMenu::GetMenuItemID(int position) const {
  if (!m_hMenu || position < 0 || position >= GetMenuItemCount()) return static_cast<UINT>(-1);
  return static_cast<UINT>(m_hMenu->items[static_cast<std::size_t>(position)].id);
}

int CMenu::GetMenuString(int position, char* text, int maxCount) const {
  if (!m_hMenu || position < 0 || position >= GetMenuItemCount() || !text || maxCount <= 0) return 0;
  const std::string& item = m_hMenu->items[static_cast<std::size_t>(position)].text;
  const std::size_t length = std::min(item.size(), static_cast<std::size_t>(maxCount - 1));
  std::memcpy(text, item.data(), length);
  text[length] = '\0';
  return static_cast<int>(length);
}
