#pragma once
// Choosing the default application of a MIME type from the desktop's
// mimeapps.list files and mimeinfo.cache files. Pure functions over the files'
// text; which files exist and which applications are installed is the
// caller's business.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Longer lists are cut to this many desktop-entry ids: no real list comes
// near it, and it bounds the work a broken or hostile file can cause.
constexpr std::size_t kMaxIdsPerList = 256;

// What one mimeapps.list says about one MIME type.
struct MimeAssociations {
  std::vector<std::string> defaults;  // [Default Applications]
  std::vector<std::string> added;     // [Added Associations]
  std::vector<std::string> removed;   // [Removed Associations]
};

// Reads the three groups of a mimeapps.list. A desktop-specific file
// ("gnome-mimeapps.list") may only give defaults; its other groups are
// ignored.
MimeAssociations ReadMimeAssociations(std::string_view mimeappsText, std::string_view mimeType,
                                      bool desktopSpecific);

// The applications a mimeinfo.cache ([MIME Cache]) lists for mimeType.
std::vector<std::string> ReadMimeCache(std::string_view cacheText, std::string_view mimeType);

// The default application, given the mimeapps.list files in lookup order
// (most important first) and the mimeinfo.cache files in data-directory order:
//   1. the first installed id of [Default Applications], file by file;
//   2. otherwise the first installed id of [Added Associations], file by
//      file, skipping ids that a [Removed Associations] of the same or a more
//      important file removed;
//   3. otherwise the first installed id of the caches (which list what the
//      desktop entries themselves declare), skipping every removed id.
std::optional<std::string> ChooseDefaultApplication(
    const std::vector<MimeAssociations>& files, const std::vector<std::vector<std::string>>& caches,
    const std::function<bool(const std::string&)>& isInstalled);

}  // namespace platform
