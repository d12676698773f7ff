#include <fcntl.h>
#include <unistd.h>

#include "output/new_file.h"

namespace output {

int CreateNewFile(const char* path) { return open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); }

bool SyncToDisk(int descriptor) { return fsync(descriptor) == 0; }

}  // namespace output
