#pragma once
// Where the desktop keeps its application associations and desktop entries,
// from the XDG environment variables as the base-directory rules read them.

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

struct XdgLocations {
  // Folders that may hold mimeapps.list files, most important first:
  // $XDG_CONFIG_HOME (~/.config), each of $XDG_CONFIG_DIRS (/etc/xdg),
  // $XDG_DATA_HOME/applications (~/.local/share/applications), each of
  // $XDG_DATA_DIRS/applications (/usr/local/share:/usr/share).
  std::vector<std::filesystem::path> mimeappsFolders;
  // Folders of desktop entries, most important first: the applications
  // folders of $XDG_DATA_HOME and of each of $XDG_DATA_DIRS.
  std::vector<std::filesystem::path> applicationFolders;
  // The names of the current desktop, from $XDG_CURRENT_DESKTOP, lowercase.
  std::vector<std::string> desktopNames;
};

// The locations for the current environment. Unset or empty variables take
// their defaults, and so do variables holding only relative paths (which do
// not count); desktop names holding a "/" are ignored; without an absolute
// $HOME the home defaults are left out.
XdgLocations CurrentXdgLocations();

struct MimeappsFile {
  std::filesystem::path path;
  bool desktopSpecific;  // "<desktop>-mimeapps.list", not "mimeapps.list"
};

// The mimeapps.list files of a folder, in lookup order: one
// "<desktop>-mimeapps.list" per desktop name, then "mimeapps.list".
std::vector<MimeappsFile> MimeappsFilesIn(const std::filesystem::path& folder,
                                          const std::vector<std::string>& desktopNames);

}  // namespace platform
