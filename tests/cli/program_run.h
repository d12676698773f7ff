#pragma once
// Starting a program with its standard streams on files, and waiting for
// it: one implementation per system.

#include <filesystem>
#include <string>
#include <vector>

// Runs program with arguments, standard input read from input and standard
// output and error written to output and error. Returns its exit code, or
// -1 when it did not exit normally. Throws when it cannot be started.
int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& input, const std::filesystem::path& output,
               const std::filesystem::path& error);
