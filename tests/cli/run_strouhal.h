#pragma once
// Runs the built strouhal (path in STROUHAL_BINARY) as a separate process.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct StrouhalRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// input becomes standard input; outputPath, when given, replaces the
// captured standard output (for example /dev/full); fileSizeCap as in
// RunProgram.
StrouhalRun RunStrouhal(const std::vector<std::string>& arguments, std::string_view input = {},
                        const std::string& outputPath = {}, std::uintmax_t fileSizeCap = 0);
