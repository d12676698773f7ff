#pragma once
// The system's own services on Windows, the default behind System():
// ShellExecuteA, the real class registry, and CreateProcessA for command
// lines.

#include "platform/services.h"

namespace platform {

class WindowsServices final : public Services {
 public:
  ResultCode ShellExecute(const char* verb, const char* target, int showCommand) override;
  // Keys open for reading values whatever access is asked: nothing here
  // writes.
  RegError RegOpenKeyEx(HKEY root, const char* subKey, unsigned long access, HKEY* result) override;
  RegError RegQueryValue(HKEY key, char* value, long* size) override;
  RegError RegCloseKey(HKEY key) override;
  ResultCode WinExec(const char* commandLine, std::size_t targetOffset, int showCommand) override;
};

}  // namespace platform
