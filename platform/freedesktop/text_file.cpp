#include "platform/freedesktop/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace platform {
namespace {

// Larger files are not configuration files we know; they are not read.
constexpr std::size_t kMaxTextFileSize = std::size_t{1} << 20;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
  // Non-blocking, so that opening a FIFO cannot hang us before fstat tells
  // us what it is.
  const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return std::nullopt;
  struct stat status {};
  if (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  if (status.st_size < 0 || static_cast<std::size_t>(status.st_size) > kMaxTextFileSize) {
    return std::nullopt;
  }
  std::string text;
  char chunk[16384];
  for (;;) {
    const ssize_t count = read(file.get(), chunk, sizeof chunk);
    if (count == 0) return text;
    if (count < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    // The file may have grown since fstat.
    if (text.size() + static_cast<std::size_t>(count) > kMaxTextFileSize) return std::nullopt;
    text.append(chunk, static_cast<std::size_t>(count));
  }
}

}  // namespace platform
