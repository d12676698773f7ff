#include "platform/win32/windows_services.h"

#include "platform/native_services.h"
#include "platform/win32/class_registry.h"
#include "platform/win32/command_line_start.h"
#include "platform/win32/shell_open.h"

namespace platform {

Services& NativeServices() {
  static WindowsServices windows;
  return windows;
}

ResultCode WindowsServices::ShellExecuteA(const char* verb, const char* target, int showCommand) {
  return OpenWithShell(verb, target, showCommand);
}

RegError WindowsServices::RegOpenKeyExA(RegKey root, const char* subKey, unsigned long /*access*/,
                                        RegKey* result) {
  // The class registry is the only root the link code reads, and the root
  // itself is not a key it asks for.
  if (root != kClassesRoot || subKey == nullptr) return kRegFileNotFound;
  return OpenClassesRootKey(subKey, result);
}

RegError WindowsServices::RegQueryValueA(RegKey key, char* value, long* size) {
  return QueryDefaultValue(key, value, size);
}

RegError WindowsServices::RegCloseKey(RegKey key) { return CloseClassesRootKey(key); }

ResultCode WindowsServices::WinExec(const char* commandLine, std::size_t targetOffset,
                                    int showCommand) {
  return StartCommandLine(commandLine, targetOffset, showCommand);
}

}  // namespace platform
