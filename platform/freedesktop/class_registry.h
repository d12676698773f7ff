#pragma once
// The class registry, read only, made from the desktop's associations. Two
// kinds of key exist below HKEY_CLASSES_ROOT (names compare without case):
//   ".htm", ".html"           -> the desktop-entry id of the default
//                                application of text/html ("firefox.desktop");
//   "<id>\shell\open\command" -> that desktop entry's open command, as text
//                                holding "%1" (see ExecToOpenCommand).
// Nothing else exists. The keys are read when opened, from the environment's
// XDG locations at that moment, except that the open command of the
// application an extension key has just named is the one read for it then:
// its entry is not read a second time.

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/freedesktop/handed_out_commands.h"
#include "platform/freedesktop/installed_applications.h"
#include "platform/freedesktop/text_file.h"
#include "platform/services.h"

namespace platform {

class ClassRegistry {
 public:
  explicit ClassRegistry(TextFileReader read = ReadTextFile);

  // Opens subKey below HKEY_CLASSES_ROOT (the only root with keys). Returns
  // ERROR_FILE_NOT_FOUND for another root, no subKey or a key that does not
  // exist, ERROR_INVALID_PARAMETER without result.
  RegError Open(RegKey root, const char* subKey, RegKey* result);

  // Copies the key's default value into value, which offers *size bytes.
  // *size becomes the bytes the value needs, terminator included. A buffer
  // too small gets ERROR_MORE_DATA and an empty string (when it has room
  // for the terminator), never a cut value; no buffer just asks for the
  // size. ERROR_INVALID_HANDLE for a key not open, ERROR_INVALID_PARAMETER
  // without size.
  RegError Query(RegKey key, char* value, long* size);

  RegError Close(RegKey key);

  // The open commands whose text this registry handed out.
  const HandedOutCommands& HandedOut() const { return handedOut_; }

 private:
  // The default value of subKey, or nothing when there is no such key.
  std::optional<std::string> DefaultValue(std::string_view subKey);
  std::optional<OpenCommand> OpenCommandOf(std::string_view id,
                                           const std::vector<std::filesystem::path>& folders);

  const TextFileReader read_;
  HandedOutCommands handedOut_;
  std::mutex mutex_;
  std::map<RegKey, std::string> openKeys_;  // handle -> default value
  RegKey lastHandle_ = 0;
  // The application an extension key named last, until its command is read.
  std::optional<Application> named_;
};

}  // namespace platform
