#include "platform/freedesktop/process_start.h"

#include <spawn.h>

#include <cerrno>
#include <csignal>

#include "platform/result_codes.h"

extern char** environ;

namespace platform {
namespace {

// The spawn attributes every child gets: nothing blocked, nothing ignored,
// whatever this process had set up for itself.
class CleanSignals {
 public:
  CleanSignals() {
    posix_spawnattr_init(&attributes_);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes_, &none);
    sigset_t all;
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~CleanSignals() { posix_spawnattr_destroy(&attributes_); }
  CleanSignals(const CleanSignals&) = delete;
  CleanSignals& operator=(const CleanSignals&) = delete;

  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

// Returns 0 and sets child, or the errno that kept the program from starting.
int Spawn(const std::vector<std::string>& argv, pid_t& child) {
  if (argv.empty()) return ENOENT;
  std::vector<char*> words;
  words.reserve(argv.size() + 1);
  for (const std::string& word : argv) words.push_back(const_cast<char*>(word.c_str()));
  words.push_back(nullptr);
  const CleanSignals attributes;
  return posix_spawnp(&child, words[0], nullptr, attributes.get(), words.data(), environ);
}

ResultCode CodeForStartError(int error) {
  switch (error) {
    case ENOENT:
      return kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return kPathNotFound;
    case EACCES:
    case EPERM:
      return kAccessDenied;
    case ENOMEM:
    case E2BIG:
      return kOutOfMemory;
    case ENOEXEC:
    case ELIBBAD:
      return kBadFormat;
    case ETXTBSY:
      return kSharingViolation;
    default:
      return kOutOfResources;
  }
}

}  // namespace

ResultCode StartProgram(const std::vector<std::string>& argv, pid_t& child) {
  const int error = Spawn(argv, child);
  return error == 0 ? kStarted : CodeForStartError(error);
}

}  // namespace platform
