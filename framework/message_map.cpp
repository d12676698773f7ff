#include "framework/internal/framework_access.h"

namespace framework_detail {

const MessageMapEntry* FindMessage(const MessageMap& map, UINT message) {
  for (const MessageMap* table = &map; table; table = table->base) {
    for (const MessageMapEntry& entry : table->entries) {
      if (entry.message == message) return &entry;
    }
  }
  return nullptr;
}

const MessageMapEntry* FindCommand(const MessageMap& map, UINT message, UINT code, int id) {
  for (const MessageMap* table = &map; table; table = table->base) {
    for (const MessageMapEntry& entry : table->entries) {
      if (entry.message == message && entry.code == code && entry.id == id) return &entry;
    }
  }
  return nullptr;
}

}  // namespace framework_detail
