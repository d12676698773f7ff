#include "program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

extern char** environ;

int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& input, const std::filesystem::path& output,
               const std::filesystem::path& error, std::uintmax_t fileSizeCap) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, error.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  // The child inherits the cap and the ignored signal, so that a write
  // beyond the cap fails with EFBIG instead of ending the program.
  rlimit ownCap{};
  void (*ownHandler)(int) = SIG_DFL;
  if (fileSizeCap != 0) {
    getrlimit(RLIMIT_FSIZE, &ownCap);
    const rlimit cap{static_cast<rlim_t>(fileSizeCap), ownCap.rlim_max};
    setrlimit(RLIMIT_FSIZE, &cap);
    ownHandler = std::signal(SIGXFSZ, SIG_IGN);
  }
  pid_t child = 0;
  const int spawnError = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  if (fileSizeCap != 0) {
    setrlimit(RLIMIT_FSIZE, &ownCap);
    std::signal(SIGXFSZ, ownHandler);
  }
  posix_spawn_file_actions_destroy(&actions);
  if (spawnError != 0) throw std::runtime_error("cannot start " + program);

  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
