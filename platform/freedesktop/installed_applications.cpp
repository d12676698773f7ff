#include "platform/freedesktop/installed_applications.h"

#include <map>

#include "platform/freedesktop/desktop_entry.h"
#include "platform/freedesktop/mime_apps.h"

namespace platform {
namespace {

using std::filesystem::path;

// Real ids use one or two levels; the bound keeps a hostile id cheap.
constexpr int kMaxFolderLevels = 8;
constexpr std::size_t kMaxFileNameSize = 255;

bool IsRegularFile(const path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

bool IsFolder(const path& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder, error);
}

std::optional<path> FindBelow(const path& folder, std::string_view name, int levelsLeft) {
  path direct = folder / name;
  if (IsRegularFile(direct)) return direct;
  if (levelsLeft == 0) return std::nullopt;
  for (std::size_t dash = name.find('-'); dash != std::string_view::npos;
       dash = name.find('-', dash + 1)) {
    const std::string_view level = name.substr(0, dash);
    if (level.empty() || level == "." || level == "..") continue;
    const path subfolder = folder / level;
    if (!IsFolder(subfolder)) continue;
    if (std::optional<path> found = FindBelow(subfolder, name.substr(dash + 1), levelsLeft - 1)) {
      return found;
    }
  }
  return std::nullopt;
}

// A desktop-entry id we look for on disk: a file name ending in ".desktop",
// at most 255 bytes, without "/", "\" or NUL.
bool IsValidDesktopId(std::string_view id) {
  return id.ends_with(".desktop") && id.size() <= kMaxFileNameSize &&
         id.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

// The file of a desktop entry, first found in folder order. Within a folder,
// "foo-bar.desktop" is looked for as that file, then as "foo/bar.desktop"
// (and deeper, one "-" per folder level), never through "." or "..".
std::optional<path> FindDesktopEntryFile(std::string_view id,
                                         const std::vector<path>& applicationFolders) {
  if (!IsValidDesktopId(id)) return std::nullopt;
  for (const path& folder : applicationFolders) {
    if (std::optional<path> found = FindBelow(folder, id, kMaxFolderLevels)) return found;
  }
  return std::nullopt;
}

}  // namespace

std::optional<OpenCommand> InstalledOpenCommand(std::string_view id,
                                                const std::vector<path>& applicationFolders,
                                                const TextFileReader& read) {
  const std::optional<path> file = FindDesktopEntryFile(id, applicationFolders);
  if (!file) return std::nullopt;
  const std::optional<std::string> text = read(*file);
  if (!text || IsHiddenEntry(*text)) return std::nullopt;
  return OpenCommandOfEntry(*text);
}

std::optional<Application> DefaultApplication(std::string_view mimeType,
                                              const XdgLocations& locations,
                                              const TextFileReader& read) {
  std::vector<MimeAssociations> files;
  for (const path& folder : locations.mimeappsFolders) {
    for (const MimeappsFile& file : MimeappsFilesIn(folder, locations.desktopNames)) {
      const std::optional<std::string> text = read(file.path);
      if (!text) continue;
      files.push_back(ReadMimeAssociations(*text, mimeType, file.desktopSpecific));
    }
  }
  std::vector<std::vector<std::string>> caches;
  for (const path& folder : locations.applicationFolders) {
    if (const std::optional<std::string> text = read(folder / "mimeinfo.cache")) {
      caches.push_back(ReadMimeCache(*text, mimeType));
    }
  }
  // An id may be offered as a default, an added association and in a cache:
  // its entry is read the first time only.
  std::map<std::string, std::optional<OpenCommand>> commands;
  const auto commandOf = [&](const std::string& id) -> const std::optional<OpenCommand>& {
    auto known = commands.find(id);
    if (known == commands.end()) {
      known = commands.emplace(id, InstalledOpenCommand(id, locations.applicationFolders, read)).first;
    }
    return known->second;
  };
  const std::optional<std::string> chosen = ChooseDefaultApplication(
      files, caches, [&](const std::string& id) { return commandOf(id).has_value(); });
  if (!chosen) return std::nullopt;
  return Application{*chosen, *commandOf(*chosen)};
}

}  // namespace platform
