#pragma once
// What tests of processes and desktop files share: temporary folders, files and scripts,
// environment variables set for one test, and this process's children.

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform_test {

// A fresh folder below the system's temporary folder, removed with all it
// holds when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes text to file, making its folders.
void WriteFile(const std::filesystem::path& file, const std::string& text);

// Writes an executable /bin/sh script with body after the "#!" line.
void WriteScript(const std::filesystem::path& file, const std::string& body);

// The NUL-terminated records a stub wrote with printf '%s\0' "$@".
std::vector<std::string> ReadRecords(const std::filesystem::path& file);

// Sets (or, given nothing, unsets) environment variables for the object's
// lifetime, restoring the previous values afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  void Set(const std::string& name, const std::optional<std::string>& value);

 private:
  std::map<std::string, std::optional<std::string>> previous_;
};

// The process states ('R', 'S', 'Z', ...) of this process's children.
std::vector<char> ChildStates();

// Waits until this process has no children left or limit has passed, and
// returns the states of those left.
std::vector<char> WaitForNoChildren(std::chrono::milliseconds limit);

}  // namespace platform_test
