#pragma once
// Writing a file whole or not at all.

#include <optional>
#include <string>
#include <string_view>

namespace output {

// Writes contents to a new file beside path, hands it to the disk, then
// renames it over path. On any failure the new file is removed and an
// existing file at path stays as it was. Returns nothing on success,
// otherwise the message: "cannot write nodir/chart.svg: No such file or
// directory".
std::optional<std::string> WriteFileWhole(const std::string& path, std::string_view contents);

}  // namespace output
