#pragma once
// Reading one of the desktop's small configuration files whole.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Larger files are not configuration files we know; they are not read.
constexpr std::size_t kMaxTextFileSize = std::size_t{1} << 20;

// The contents of the regular file at path, or nothing when it is missing,
// unreadable, not a regular file (a directory, a FIFO that would block, a
// device) or larger than kMaxTextFileSize.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

}  // namespace platform
