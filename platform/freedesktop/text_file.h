#pragma once
// Reading one of the desktop's small configuration files whole.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// The contents of the regular file at path, or nothing when it is missing,
// unreadable, not a regular file (a directory, a FIFO that would block, a
// device) or larger than 1 MiB (no configuration file we know comes near).
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

// How the class registry reads files: ReadTextFile, unless a test watches.
using TextFileReader = std::function<std::optional<std::string>(const std::filesystem::path&)>;

}  // namespace platform
