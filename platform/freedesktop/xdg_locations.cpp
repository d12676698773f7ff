#include "platform/freedesktop/xdg_locations.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "platform/ascii_case.h"
#include "platform/freedesktop/text_parts.h"

namespace platform {
namespace {

using std::filesystem::path;

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

// The parts of a colon-separated list, empty ones left out.
std::vector<std::string_view> SplitColons(std::string_view text) {
  std::vector<std::string_view> parts;
  while (!text.empty()) {
    const std::string_view part = TakePart(text, ':');
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

// A single-folder variable, or its default below an absolute $HOME.
std::optional<path> HomeFolder(const char* variable, const char* belowHome) {
  const path given(Variable(variable));
  if (given.is_absolute()) return given;
  const path home(Variable("HOME"));
  if (home.is_absolute()) return home / belowHome;
  return std::nullopt;
}

// A folder-list variable, or its default when it gives no absolute folder.
std::vector<path> FolderList(const char* variable, std::string_view defaults) {
  std::vector<path> folders;
  for (const std::string_view part : SplitColons(Variable(variable))) {
    if (path(part).is_absolute()) folders.emplace_back(part);
  }
  if (folders.empty()) {
    for (const std::string_view part : SplitColons(defaults)) folders.emplace_back(part);
  }
  return folders;
}

}  // namespace

XdgLocations CurrentXdgLocations() {
  XdgLocations locations;
  std::vector<path> dataFolders;
  if (const std::optional<path> dataHome = HomeFolder("XDG_DATA_HOME", ".local/share")) {
    dataFolders.push_back(*dataHome);
  }
  for (const path& folder : FolderList("XDG_DATA_DIRS", "/usr/local/share:/usr/share")) {
    dataFolders.push_back(folder);
  }
  for (const path& folder : dataFolders) {
    locations.applicationFolders.push_back(folder / "applications");
  }

  if (const std::optional<path> configHome = HomeFolder("XDG_CONFIG_HOME", ".config")) {
    locations.mimeappsFolders.push_back(*configHome);
  }
  for (const path& folder : FolderList("XDG_CONFIG_DIRS", "/etc/xdg")) {
    locations.mimeappsFolders.push_back(folder);
  }
  locations.mimeappsFolders.insert(locations.mimeappsFolders.end(),
                                   locations.applicationFolders.begin(),
                                   locations.applicationFolders.end());

  for (const std::string_view name : SplitColons(Variable("XDG_CURRENT_DESKTOP"))) {
    if (name.find('/') == std::string_view::npos) {
      locations.desktopNames.push_back(AsciiLower(name));
    }
  }
  return locations;
}

std::vector<MimeappsFile> MimeappsFilesIn(const path& folder,
                                          const std::vector<std::string>& desktopNames) {
  std::vector<MimeappsFile> files;
  for (const std::string& name : desktopNames) {
    files.push_back({folder / (name + "-mimeapps.list"), true});
  }
  files.push_back({folder / "mimeapps.list", false});
  return files;
}

}  // namespace platform
