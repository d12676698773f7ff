#pragma once
// Finding the desktop's installed applications: desktop entries by id, and
// the default application of a MIME type.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xdg_locations.h"

namespace platform {

// The text of the entry that id names, when it is installed: its file is
// found and readable, and not hidden (a hidden entry also hides entries of
// the same id in later folders). id must be a plain file name ending in
// ".desktop"; the first folder holding it wins, where "foo-bar.desktop" may
// also be "foo/bar.desktop" (one "-" per folder level).
std::optional<std::string> InstalledDesktopEntry(
    std::string_view id, const std::vector<std::filesystem::path>& applicationFolders);

// The id of mimeType's default application (see ChooseDefaultApplication),
// read from the mimeapps.list and mimeinfo.cache files of the locations.
// Only entries that are installed and have a usable Exec line count: an
// application we could not start is passed over for the next one.
std::optional<std::string> DefaultApplication(std::string_view mimeType,
                                              const XdgLocations& locations);

}  // namespace platform
