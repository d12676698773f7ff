#include "linklabel/open_target.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "framework/afxwin.h"
#include "platform/result_codes.h"

namespace {

constexpr std::size_t kCommandLineSize = 520;
constexpr long kRegistryValueSize = 260;

struct FailureText {
  std::uint32_t code;
  const char* text;
};

constexpr FailureText kFailureTexts[] = {
    {platform::kOutOfResources, "The operating system is out\nof memory or resources."},
    {platform::kFileNotFound, "The specified file was not found."},
    {platform::kPathNotFound, "The specified path was not found."},
    {platform::kAccessDenied, "The operating system denied\naccess to the specified file."},
    {platform::kOutOfMemory, "There was not enough memory to complete the operation."},
    {platform::kBadFormat, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {platform::kSharingViolation, "A sharing violation occurred. "},
    {platform::kAssociationIncomplete, "The filename association is\nincomplete or invalid."},
    {platform::kDdeTimeout, "The DDE transaction could not\nbe completed because the request timed out."},
    {platform::kDdeFailed, "The DDE transaction failed."},
    {platform::kDdeBusy, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {platform::kNoAssociation, "There is no application associated\nwith the given filename extension."},
    {platform::kDllNotFound, "The specified dynamic-link library was not found."},
    {platform::kElevationRequired, "The program registered for web pages\nneeds administrator rights to start."},
    {platform::kStartFailed, "The program registered for web pages\ncould not be started."},
};

}  // namespace

platform::RegError ReadClassesRootDefault(platform::RegKey root, const char* subkey, char* out) {
  platform::Services& system = platform::System();
  platform::RegKey key = 0;
  const platform::RegError opened = system.RegOpenKeyExA(root, subkey, platform::kKeyQueryValue, &key);
  if (opened != platform::kRegSuccess) return opened;
  char value[kRegistryValueSize] = {};
  long size = kRegistryValueSize;
  // A value too long for the buffer (or unreadable) reads as empty; one
  // read ends where its length says, terminated or not.
  if (system.RegQueryValueA(key, value, &size) != platform::kRegSuccess) size = 1;
  value[std::clamp(size, 1L, kRegistryValueSize) - 1] = '\0';
  std::strcpy(out, value);
  system.RegCloseKey(key);
  return opened;
}

int OpenTarget(const char* target, int showCommand) {
  platform::Services& system = platform::System();
  const int shellResult = static_cast<int>(system.ShellExecuteA("open", target, showCommand));
  if (static_cast<unsigned>(shellResult) > 32) return shellResult;

  // The fallback: the registered web-page class's open command. A value
  // that could not be read comes back empty, which names no class and
  // starts no program: the fallback then cannot start either.
  char commandLine[kCommandLineSize];
  const auto readDefault = [&commandLine](const char* subkey) {
    return ReadClassesRootDefault(platform::kClassesRoot, subkey, commandLine) == platform::kRegSuccess &&
           commandLine[0] != '\0';
  };
  if (!readDefault(platform::kWebPageExtension.data())) return shellResult;
  // A value is under 260 bytes, so this fits.
  std::strcat(commandLine, platform::kOpenCommandKey.data());
  if (!readDefault(commandLine)) return shellResult;

  // Cut at the placeholder, quoted or not. The text is UTF-8, where a
  // byte-wise search for ASCII never matches inside a multibyte character.
  char* placeholder = std::strstr(commandLine, platform::kTargetPlaceholder.data());
  if (!placeholder) placeholder = std::strstr(commandLine, "%1");
  if (placeholder) *placeholder = '\0';

  const std::size_t commandLength = std::strlen(commandLine);
  const std::size_t targetLength = std::strlen(target);
  // A command line that would not fit the buffer is not started at all.
  if (commandLength + 1 + targetLength + 1 > kCommandLineSize) return shellResult;
  commandLine[commandLength] = ' ';
  std::memcpy(commandLine + commandLength + 1, target, targetLength + 1);
  return static_cast<int>(system.WinExec(commandLine, commandLength + 1, showCommand));
}

void ShowOpenFailure(int code) {
  CString reason;
  for (const FailureText& failure : kFailureTexts) {
    if (failure.code == static_cast<std::uint32_t>(code)) reason = failure.text;
  }
  if (reason.IsEmpty()) reason.Format("Unknown Error (%d) occurred.", code);
  AfxMessageBox(CString("Unable to open hyperlink:\n\n") + reason, MB_ICONEXCLAMATION | MB_OK, 0);
}
