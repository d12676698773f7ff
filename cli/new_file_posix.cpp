#include <fcntl.h>
#include <unistd.h>

#include "cli/new_file.h"

namespace cli {

int CreateNewFile(const char* path) { return open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); }

bool SyncToDisk(int descriptor) { return fsync(descriptor) == 0; }

}  // namespace cli
