#pragma once
// The desktop's own services, the default behind System(): xdg-open for the
// shell, the class registry made from the XDG associations, and programs
// started directly for command lines, with the words of the registry's own
// commands as it split them. The show command is not used: the desktop
// decides how a new window appears.

#include "platform/freedesktop/class_registry.h"
#include "platform/freedesktop/text_file.h"
#include "platform/services.h"

namespace platform {

class DesktopServices final : public Services {
 public:
  // read: how the registry reads the desktop's files (a test may count).
  explicit DesktopServices(TextFileReader read = ReadTextFile);

  ResultCode ShellExecuteA(const char* verb, const char* target, int showCommand) override;
  // The access mask is not checked: nothing here can write.
  RegError RegOpenKeyExA(RegKey root, const char* subKey, unsigned long access, RegKey* result) override;
  RegError RegQueryValueA(RegKey key, char* value, long* size) override;
  RegError RegCloseKey(RegKey key) override;
  ResultCode WinExec(const char* commandLine, std::size_t targetOffset, int showCommand) override;

 private:
  ClassRegistry registry_;
};

}  // namespace platform
