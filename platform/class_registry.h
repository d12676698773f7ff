#pragma once
// The class registry, read only, made from the desktop's associations. Two
// kinds of key exist below HKEY_CLASSES_ROOT (names compare without case):
//   ".htm", ".html"           -> the desktop-entry id of the default
//                                application of text/html ("firefox.desktop");
//   "<id>\shell\open\command" -> that desktop entry's Exec line as an open
//                                command holding "%1" (see ExecToOpenCommand).
// Nothing else exists. The keys are read when opened, from the environment's
// XDG locations at that moment.

#include <map>
#include <mutex>
#include <string>

#include "platform/services.h"

namespace platform {

class ClassRegistry {
 public:
  // Opens subKey below HKEY_CLASSES_ROOT (the only root with keys). Returns
  // ERROR_FILE_NOT_FOUND for another root, no subKey or a key that does not
  // exist, ERROR_INVALID_PARAMETER without result.
  RegError Open(HKEY root, const char* subKey, HKEY* result);

  // Copies the key's default value into value, which offers *size bytes.
  // *size becomes the bytes the value needs, terminator included. A buffer
  // too small gets ERROR_MORE_DATA and an empty string (when it has room
  // for the terminator), never a cut value; no buffer just asks for the
  // size. ERROR_INVALID_HANDLE for a key not open, ERROR_INVALID_PARAMETER
  // without size.
  RegError Query(HKEY key, char* value, long* size);

  RegError Close(HKEY key);

 private:
  std::mutex mutex_;
  std::map<HKEY, std::string> openKeys_;  // handle -> default value
  HKEY lastHandle_ = 0;
};

}  // namespace platform
