#pragma once
// Starting a program with its standard streams on files, and waiting for
// it: one implementation per system.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Runs program with arguments, standard input read from input and standard
// output and error written to output and error. A fileSizeCap other than 0
// makes every write that would take a file beyond that many bytes fail, as
// on a full disk; only where STROUHAL_CAPS_FILE_SIZE is 1. Returns the exit
// code, or -1 when it did not exit normally. Throws when it cannot be started.
int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& input, const std::filesystem::path& output,
               const std::filesystem::path& error, std::uintmax_t fileSizeCap = 0);
