#include "platform/freedesktop/child_reaper.h"

#include <pthread.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace platform {
namespace {

constexpr std::chrono::milliseconds kPollInterval{5};

// Children no reaping thread could be started for (the system was out of
// threads); each later call collects those that have ended meanwhile.
std::mutex strandedMutex;
std::vector<pid_t> stranded;

void CollectStranded() {
  const std::lock_guard lock(strandedMutex);
  std::erase_if(stranded, [](pid_t child) { return waitpid(child, nullptr, WNOHANG) != 0; });
}

void WaitUntilEnded(pid_t child) {
  while (waitpid(child, nullptr, 0) == -1 && errno == EINTR) {
  }
}

// The thread runs with every signal blocked, so no signal meant for the
// program is ever handled on it.
bool StartReaperThread(pid_t child) {
  sigset_t all;
  sigset_t previous;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &previous);
  bool started = true;
  try {
    std::thread(WaitUntilEnded, child).detach();
  } catch (const std::system_error&) {
    started = false;
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return started;
}

}  // namespace

void ReapInBackground(pid_t child) {
  CollectStranded();
  if (StartReaperThread(child)) return;
  const std::lock_guard lock(strandedMutex);
  stranded.push_back(child);
}

std::optional<int> AwaitExit(pid_t child, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    int status = 0;
    const pid_t ended = waitpid(child, &status, WNOHANG);
    if (ended == child) return status;
    if (ended == -1 && errno != EINTR) return std::nullopt;
    if (std::chrono::steady_clock::now() >= deadline) {
      ReapInBackground(child);
      return std::nullopt;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace platform
