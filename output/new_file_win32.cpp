#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "output/new_file.h"

namespace output {

int CreateNewFile(const char* path) {
  return _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

bool SyncToDisk(int descriptor) { return _commit(descriptor) == 0; }

}  // namespace output
