#pragma once
// The system's own services on Windows, the default behind System():
// ShellExecuteA, the real class registry, and CreateProcessA for command
// lines.

#include "platform/services.h"

namespace platform {

class WindowsServices final : public Services {
 public:
  ResultCode ShellExecuteA(const char* verb, const char* target, int showCommand) override;
  // Keys open for reading values whatever access is asked: nothing here
  // writes.
  RegError RegOpenKeyExA(RegKey root, const char* subKey, unsigned long access, RegKey* result) override;
  RegError RegQueryValueA(RegKey key, char* value, long* size) override;
  RegError RegCloseKey(RegKey key) override;
  ResultCode WinExec(const char* commandLine, std::size_t targetOffset, int showCommand) override;
};

}  // namespace platform
