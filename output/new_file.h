#pragma once
// The two file operations whose calls differ between systems; one
// implementation per system (new_file_posix.cpp, new_file_win32.cpp).

namespace output {

// Creates path, which must not exist yet, for writing bytes as they are
// (no "\r\n" for "\n"). Its descriptor, or -1 with errno set.
int CreateNewFile(const char* path);

// Hands what was written to the descriptor over to the disk, so that a file
// renamed over another is never found empty after a crash. False with errno
// set.
bool SyncToDisk(int descriptor);

}  // namespace output
