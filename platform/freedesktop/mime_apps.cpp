#include "platform/freedesktop/mime_apps.h"

#include <algorithm>

#include "platform/freedesktop/key_file.h"

namespace platform {
namespace {

std::vector<std::string> IdList(std::string_view text, std::string_view group,
                                std::string_view mimeType) {
  const std::optional<std::string_view> raw = KeyFileValue(text, group, mimeType);
  if (!raw) return {};
  std::vector<std::string> ids = SplitKeyFileList(*raw);
  if (ids.size() > kMaxIdsPerList) ids.resize(kMaxIdsPerList);
  return ids;
}

bool Contains(const std::vector<std::string>& ids, const std::string& id) {
  return std::ranges::find(ids, id) != ids.end();
}

}  // namespace

MimeAssociations ReadMimeAssociations(std::string_view mimeappsText, std::string_view mimeType,
                                      bool desktopSpecific) {
  MimeAssociations associations;
  associations.defaults = IdList(mimeappsText, "Default Applications", mimeType);
  if (!desktopSpecific) {
    associations.added = IdList(mimeappsText, "Added Associations", mimeType);
    associations.removed = IdList(mimeappsText, "Removed Associations", mimeType);
  }
  return associations;
}

std::vector<std::string> ReadMimeCache(std::string_view cacheText, std::string_view mimeType) {
  return IdList(cacheText, "MIME Cache", mimeType);
}

std::optional<std::string> ChooseDefaultApplication(
    const std::vector<MimeAssociations>& files, const std::vector<std::vector<std::string>>& caches,
    const std::function<bool(const std::string&)>& isInstalled) {
  for (const MimeAssociations& file : files) {
    for (const std::string& id : file.defaults) {
      if (isInstalled(id)) return id;
    }
  }
  std::vector<std::string> removed;
  const auto usable = [&](const std::string& id) {
    return !Contains(removed, id) && isInstalled(id);
  };
  for (const MimeAssociations& file : files) {
    removed.insert(removed.end(), file.removed.begin(), file.removed.end());
    for (const std::string& id : file.added) {
      if (usable(id)) return id;
    }
  }
  for (const std::vector<std::string>& cache : caches) {
    for (const std::string& id : cache) {
      if (usable(id)) return id;
    }
  }
  return std::nullopt;
}

}  // namespace platform
