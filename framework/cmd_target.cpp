#include "framework/cmd_target.h"

const MessageMap& CCmdTarget::GetThisMessageMap() {
  static const MessageMap map;
  return map;
}

BOOL CCmdTarget::OnCmdMsg(int id, UINT code) {
  const MessageMapEntry* entry = GetMessageMap().FindCommand(WM_COMMAND, code, id);
  if (!entry) return FALSE;
  entry->handler(*this, 0, 0);
  return TRUE;
}
