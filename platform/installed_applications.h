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

// A desktop-entry id we look for on disk: a file name ending in ".desktop",
// at most 255 bytes, without "/", "\" or NUL.
bool IsValidDesktopId(std::string_view id);

// The file of a desktop entry, first found in folder order. Within a folder,
// "foo-bar.desktop" is looked for as that file, then as "foo/bar.desktop"
// (and deeper, one "-" per folder level), never through "." or "..".
std::optional<std::filesystem::path> FindDesktopEntryFile(
    std::string_view id, const std::vector<std::filesystem::path>& applicationFolders);

// The text of the entry that id names, when it is installed: its file is
// found and readable, and not hidden (a hidden entry also hides entries of
// the same id in later folders).
std::optional<std::string> InstalledDesktopEntry(
    std::string_view id, const std::vector<std::filesystem::path>& applicationFolders);

// The id of mimeType's default application (see ChooseDefaultApplication),
// read from the mimeapps.list and mimeinfo.cache files of the locations.
// Only entries that are installed and have a usable Exec line count: an
// application we could not start is passed over for the next one.
std::optional<std::string> DefaultApplication(std::string_view mimeType,
                                              const XdgLocations& locations);

}  // namespace platform
