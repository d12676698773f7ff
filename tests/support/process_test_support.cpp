#include "tests/support/process_test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace platform_test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "vortex-platform-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void WriteFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

void WriteScript(const fs::path& file, const std::string& body) {
  WriteFile(file, "#!/bin/sh\n" + body);
  fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

std::vector<std::string> ReadRecords(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> records;
  std::size_t start = 0;
  for (std::size_t end = all.find('\0'); end != std::string::npos; end = all.find('\0', start)) {
    records.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  return records;
}

ScopedEnvironment::~ScopedEnvironment() {
  for (const auto& [name, value] : previous_) {
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }
}

void ScopedEnvironment::Set(const std::string& name, const std::optional<std::string>& value) {
  if (!previous_.contains(name)) {
    const char* old = std::getenv(name.c_str());
    previous_[name] = old == nullptr ? std::nullopt : std::optional<std::string>(old);
  }
  if (value) {
    setenv(name.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name.c_str());
  }
}

std::vector<char> ChildStates() {
  const pid_t self = getpid();
  std::vector<char> states;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
    std::ifstream in(entry.path() / "stat");
    std::string stat;
    if (!std::getline(in, stat)) continue;
    // "pid (command) state ppid ...": the command may hold spaces and parentheses.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(stat.substr(close + 1));
    char state = 0;
    long parent = 0;
    if (rest >> state >> parent && parent == self) states.push_back(state);
  }
  return states;
}

std::vector<char> WaitForNoChildren(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  std::vector<char> states = ChildStates();
  while (!states.empty() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    states = ChildStates();
  }
  return states;
}

}  // namespace platform_test
