#include "framework/message_map.h"

const MessageMapEntry* MessageMap::FindMessage(UINT message) const {
  for (const MessageMap* map = this; map; map = map->base) {
    for (const MessageMapEntry& entry : map->entries) {
      if (entry.message == message) return &entry;
    }
  }
  return nullptr;
}

const MessageMapEntry* MessageMap::FindCommand(UINT message, UINT code, int id) const {
  for (const MessageMap* map = this; map; map = map->base) {
    for (const MessageMapEntry& entry : map->entries) {
      if (entry.message == message && entry.code == code && entry.id == id) return &entry;
    }
  }
  return nullptr;
}
