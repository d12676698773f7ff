#include "run_strouhal.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A fresh folder for one run's files, removed with it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "strouhal-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::filesystem::path operator/(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace

StrouhalRun RunStrouhal(const std::vector<std::string>& arguments, std::string_view input,
                        const std::string& outputPath) {
  const char* binary = std::getenv("STROUHAL_BINARY");
  if (binary == nullptr) throw std::runtime_error("STROUHAL_BINARY is not set");

  const ScratchFolder scratch;
  const std::string inPath = scratch / "in";
  const std::string outPath = outputPath.empty() ? std::string(scratch / "out") : outputPath;
  const std::string errPath = scratch / "err";
  std::ofstream(inPath, std::ios::binary).write(input.data(), static_cast<std::streamsize>(input.size()));

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<char*> argv{const_cast<char*>(binary)};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  pid_t child = 0;
  const int spawnError = posix_spawn(&child, binary, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawnError != 0) throw std::runtime_error(std::string("cannot start ") + binary);

  int status = 0;
  waitpid(child, &status, 0);
  StrouhalRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (outputPath.empty()) run.out = ReadFile(outPath);
  run.err = ReadFile(errPath);
  return run;
}
