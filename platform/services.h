#pragma once
// The operating-system services that opening a link needs, in the shape of
// the classic shell, registry and process calls. The desktop's own services
// are the default; a test installs its own to observe or script them.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// Result codes of the shell and process calls: above 32 means success,
// 0 to 32 are the classic error codes (2 file not found, 3 path not found,
// 5 access denied, 8 out of memory, 11 bad format, 31 no association, ...).
using ResultCode = std::intptr_t;

// Registry-style error codes.
using RegError = long;
constexpr RegError kRegSuccess = 0;
constexpr RegError kRegFileNotFound = 2;
constexpr RegError kRegInvalidHandle = 6;
constexpr RegError kRegInvalidParameter = 87;
constexpr RegError kRegMoreData = 234;

// A key of the read-only class registry.
using RegKey = std::uintptr_t;
constexpr RegKey kClassesRoot = 0x80000000u;
constexpr unsigned long kKeyQueryValue = 0x0001;

// Names the registry and its readers agree on: the web-page extension whose
// default value names the browser's class, the key below a class holding its
// open command, and the placeholder, quotes included, where that command
// takes the target. Views of string literals, so data() is a C string.
constexpr std::string_view kWebPageExtension = ".htm";
constexpr std::string_view kOpenCommandKey = "\\shell\\open\\command";
constexpr std::string_view kTargetPlaceholder = "\"%1\"";

class Services {
 public:
  virtual ~Services() = default;

  // Opens target with the desktop's handler for it ("open" verb). Never
  // blocks for long: a handler still busy after a short wait counts as
  // started. A target starting with "-" is refused (it would read as an
  // option).
  virtual ResultCode ShellExecuteA(const char* verb, const char* target, int showCommand) = 0;

  // Opens subKey below root for reading.
  virtual RegError RegOpenKeyExA(RegKey root, const char* subKey, unsigned long access,
                                 RegKey* result) = 0;
  // Reads the default value of key into value, offering *size bytes
  // (terminator included); *size becomes the bytes the value needs. A value
  // that does not fit gives ERROR_MORE_DATA, and nothing is written past the
  // offered bytes.
  virtual RegError RegQueryValueA(RegKey key, char* value, long* size) = 0;
  virtual RegError RegCloseKey(RegKey key) = 0;

  // Starts commandLine. The text before targetOffset is the program and its
  // arguments (an open command the registry handed out, cut at its
  // placeholder, keeps the registry's own words); the text from targetOffset
  // to the end reaches the program as exactly one argument, or part of one
  // where the registered command put the placeholder inside a word; it is
  // refused when it starts with "-". No shell is involved. Returns above 31
  // once the program has started; it is not waited for.
  virtual ResultCode WinExec(const char* commandLine, std::size_t targetOffset,
                             int showCommand) = 0;
};

// The services in use: the desktop's unless a test installed others.
Services& System();
// Installs services (not owned); nullptr restores the desktop's.
void InstallServices(Services* services);

}  // namespace platform
