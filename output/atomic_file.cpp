#include "output/atomic_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "output/new_file.h"

namespace output {
namespace {

// A random name clashes with an existing file hardly ever; each clash
// draws another.
constexpr int kNameAttempts = 16;

// Creates path.XXXXXXXX.tmp, in path's folder so that renaming it over path
// stays on one file system; its descriptor, or -1 with errno set.
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random()));
    temporary = path + suffix;
    const int descriptor = CreateNewFile(temporary.c_str());
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

// Writes, flushes and closes; false with errno set on the first failure.
bool WriteAndClose(int descriptor, std::string_view contents) {
  std::FILE* file = fdopen(descriptor, "wb");
  if (file == nullptr) {
    const int reason = errno;
    close(descriptor);
    errno = reason;
    return false;
  }
  const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size() &&
                       std::fflush(file) == 0 && SyncToDisk(descriptor);
  const int reason = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written) errno = reason;  // the first failure is the one to report
  return written && closed;
}

}  // namespace

std::optional<std::string> WriteFileWhole(const std::string& path, std::string_view contents) {
  if (path.empty()) return "cannot write a file with an empty name";
  std::string temporary;
  const int descriptor = CreateTemporaryBeside(path, temporary);
  if (descriptor < 0) return "cannot write " + path + ": " + std::strerror(errno);

  std::error_code failure;
  if (!WriteAndClose(descriptor, contents)) {
    failure.assign(errno, std::generic_category());
  } else {
    std::filesystem::rename(temporary, path, failure);
  }
  if (!failure) return std::nullopt;
  std::remove(temporary.c_str());
  return "cannot write " + path + ": " + failure.message();
}

}  // namespace output
