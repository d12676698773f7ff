#include "framework/cmd_target.h"

#include "framework/internal/framework_access.h"

const MessageMap& CCmdTarget::GetThisMessageMap() {
  static const MessageMap map;
  return map;
}

BOOL CCmdTarget::OnCmdMsg(int id, UINT code) {
  const MessageMapEntry* entry = framework_detail::FindCommand(GetMessageMap(), WM_COMMAND, code, id);
  if (!entry) return FALSE;
  entry->handler(*this, 0, 0);
  return TRUE;
}
