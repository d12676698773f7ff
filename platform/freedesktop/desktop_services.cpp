#include "platform/freedesktop/desktop_services.h"

#include <utility>

#include "platform/freedesktop/command_line_start.h"
#include "platform/freedesktop/xdg_open.h"
#include "platform/native_services.h"

namespace platform {

Services& NativeServices() {
  static DesktopServices desktop;
  return desktop;
}

DesktopServices::DesktopServices(TextFileReader read) : registry_(std::move(read)) {}

ResultCode DesktopServices::ShellExecuteA(const char* verb, const char* target,
                                          int /*showCommand*/) {
  return OpenWithDesktop(verb, target);
}

RegError DesktopServices::RegOpenKeyExA(RegKey root, const char* subKey, unsigned long /*access*/,
                                        RegKey* result) {
  return registry_.Open(root, subKey, result);
}

RegError DesktopServices::RegQueryValueA(RegKey key, char* value, long* size) {
  return registry_.Query(key, value, size);
}

RegError DesktopServices::RegCloseKey(RegKey key) { return registry_.Close(key); }

ResultCode DesktopServices::WinExec(const char* commandLine, std::size_t targetOffset,
                                    int /*showCommand*/) {
  return StartCommandLine(commandLine, targetOffset, registry_.HandedOut());
}

}  // namespace platform
