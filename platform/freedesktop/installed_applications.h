#pragma once
// Finding the desktop's installed applications: open commands by desktop-entry
// id, and the default application of a MIME type.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/freedesktop/open_command.h"
#include "platform/freedesktop/text_file.h"
#include "platform/freedesktop/xdg_locations.h"

namespace platform {

// The open command of the entry that id names, when it is installed: its
// file is found and read, not hidden (a hidden entry also hides entries of
// the same id in later folders), and has a usable Exec line. id must be a
// plain file name ending in ".desktop"; the first folder holding it wins,
// where "foo-bar.desktop" may also be "foo/bar.desktop" (one "-" per folder
// level).
std::optional<OpenCommand> InstalledOpenCommand(
    std::string_view id, const std::vector<std::filesystem::path>& applicationFolders,
    const TextFileReader& read);

struct Application {
  std::string id;
  OpenCommand command;
};

// mimeType's default application (see ChooseDefaultApplication), read from
// the mimeapps.list and mimeinfo.cache files of the locations. Only installed
// applications count: one we could not start is passed over for the next.
// Each file is read at most once, also when an id is offered in several
// places.
std::optional<Application> DefaultApplication(std::string_view mimeType,
                                              const XdgLocations& locations,
                                              const TextFileReader& read);

}  // namespace platform
