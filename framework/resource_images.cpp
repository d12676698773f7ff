// Icons and cursors from the program's resources, made once each by the
// backend and shared until the program ends; nobody destroys them.

#include <map>
#include <span>

#include "framework/internal/framework_access.h"
#include "framework/user.h"

namespace {

// The image of resource id, made at its first request. A resource the
// system could not make stays null: asking again would fail again.
template <class Resource, class Handle, class Make>
Handle LoadOnce(std::map<UINT, Handle>& loaded, std::span<const Resource* const> resources, UINT id, Make make) {
  if (auto found = loaded.find(id); found != loaded.end()) return found->second;
  for (const Resource* resource : resources) {
    if (resource->id == id) return loaded[id] = make(*resource);
  }
  return nullptr;
}

}  // namespace

namespace framework_detail {

HICON LoadIconResource(UINT id) {
  static std::map<UINT, HICON> loaded;
  return LoadOnce(loaded, Resources().icons, id, &MakeIcon);
}

}  // namespace framework_detail

HCURSOR LoadCursor(UINT id) {
  static std::map<UINT, HCURSOR> loaded;
  return LoadOnce(loaded, framework_detail::Resources().cursors, id, &framework_detail::MakeCursor);
}
