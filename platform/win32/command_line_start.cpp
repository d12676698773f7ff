#include "platform/win32/command_line_start.h"

#include <string>
#include <string_view>

#include "platform/ascii_case.h"
#include "platform/result_codes.h"
#include "platform/target_refusal.h"
#include "platform/win32/windows_argument.h"

#include <windows.h>

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t";

// ERROR_ELEVATION_REQUIRED, which mingw-w64's headers lack: the program's
// manifest asks for an administrator's rights.
constexpr DWORD kElevationRequiredError = 740;

bool IsBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

// Whether text, read as the C runtime reads a command line, ends inside
// double quotes. In the program's name quotes only group; in the arguments
// an odd number of backslashes makes a quote literal.
bool LeavesQuoteOpen(std::string_view text) {
  bool inQuotes = false;
  std::size_t at = 0;
  for (; at < text.size() && (inQuotes || !IsBlank(text[at])); ++at) {
    if (text[at] == '"') inQuotes = !inQuotes;
  }
  std::size_t backslashes = 0;
  for (; at < text.size(); ++at) {
    if (text[at] == '"' && backslashes % 2 == 0) inQuotes = !inQuotes;
    backslashes = text[at] == '\\' ? backslashes + 1 : 0;
  }
  return inQuotes;
}

// Whether CreateProcessA could take a batch file for the program, which it
// would run through cmd.exe. A quoted name ends at the closing quote; an
// unquoted one may end at any blank, as CreateProcessA tries each in turn
// when the name holds blanks. Windows drops trailing dots and blanks of a
// file name.
bool NamesBatchFile(std::string_view text) {
  const auto isBatch = [](std::string_view name) {
    name = name.substr(0, name.find_last_not_of(". ") + 1);
    return EndsWithIgnoringAsciiCase(name, ".bat") || EndsWithIgnoringAsciiCase(name, ".cmd");
  };
  if (text.starts_with('"')) return isBatch(text.substr(1, text.find('"', 1) - 1));
  for (std::size_t blank = text.find_first_of(kBlanks);; blank = text.find_first_of(kBlanks, blank + 1)) {
    if (isBatch(text.substr(0, blank))) return true;
    if (blank == std::string_view::npos) return false;
  }
}

ResultCode CodeForStartError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      return kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return kPathNotFound;
    case ERROR_ACCESS_DENIED:
      return kAccessDenied;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return kOutOfMemory;
    case ERROR_BAD_FORMAT:
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_INVALID_EXE_SIGNATURE:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
      return kBadFormat;
    case ERROR_SHARING_VIOLATION:
      return kSharingViolation;
    case ERROR_MOD_NOT_FOUND:
    case ERROR_DLL_NOT_FOUND:
      return kDllNotFound;
    case ERROR_NO_SYSTEM_RESOURCES:
      return kOutOfResources;
    case kElevationRequiredError:
      return kElevationRequired;
    default:
      return kStartFailed;
  }
}

}  // namespace

ResultCode StartCommandLine(const char* commandLine, std::size_t targetOffset, int showCommand) {
  if (commandLine == nullptr) return kFileNotFound;
  const std::string_view line(commandLine);
  if (targetOffset > line.size()) return kFileNotFound;
  const std::string_view program = line.substr(0, targetOffset);
  const std::string_view target = line.substr(targetOffset);
  if (IsOptionLike(target)) return kAccessDenied;
  if (program.find_first_not_of(kBlanks) == std::string_view::npos || LeavesQuoteOpen(program)) {
    return kFileNotFound;
  }
  if (NamesBatchFile(program)) return kBadFormat;

  std::string started(program);
  if (!IsBlank(started.back())) started += ' ';
  AppendWindowsArgument(started, target);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, started.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return CodeForStartError(GetLastError());
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return kStarted;
}

}  // namespace platform
