#include "program_run.h"

#include <stdexcept>

#include "platform/win32/windows_argument.h"

#include <windows.h>

namespace {

// A file handle the started program inherits.
class InheritedFile {
 public:
  InheritedFile(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    handle_ = CreateFileW(path.c_str(), access, FILE_SHARE_READ, &inherit, disposition,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path.string());
  }
  ~InheritedFile() { CloseHandle(handle_); }
  InheritedFile(const InheritedFile&) = delete;
  InheritedFile& operator=(const InheritedFile&) = delete;

  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& input, const std::filesystem::path& output,
               const std::filesystem::path& error, std::uintmax_t fileSizeCap) {
  if (fileSizeCap != 0) throw std::logic_error("Windows caps no file's size");
  const InheritedFile in(input, GENERIC_READ, OPEN_EXISTING);
  const InheritedFile out(output, GENERIC_WRITE, CREATE_ALWAYS);
  const InheritedFile err(error, GENERIC_WRITE, CREATE_ALWAYS);

  std::string commandLine;
  platform::AppendWindowsArgument(commandLine, program);
  for (const std::string& argument : arguments) {
    commandLine += ' ';
    platform::AppendWindowsArgument(commandLine, argument);
  }

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in.get();
  startup.hStdOutput = out.get();
  startup.hStdError = err.get();
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    throw std::runtime_error("cannot start " + program);
  }
  CloseHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}
