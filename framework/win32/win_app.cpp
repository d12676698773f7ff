// The start of a framework program on Windows, and what it knows of itself.

#include "framework/win32/application.h"

#include <string>

#include "framework/internal/framework_access.h"
#include "framework/win32/common_controls.h"
#include "framework/win_app.h"

namespace framework_detail {

std::string ApplicationTitle() {
  // The executable's name without folder and extension, as the classic
  // framework names the application after its module.
  static const std::string title = [] {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length);
    name.erase(0, name.find_last_of("\\/") + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
  }();
  return title;
}

int RunApplication() {
  InitializeCommonControls();
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  // No message loop follows InitInstance, whatever it returns.
  app->InitInstance();
  return 0;
}

void ShowProgrammingError(const std::string& what) {
  // A program started from the desktop has no standard error to read the
  // message from (one started from a console or a test has, and the shared
  // code has written it there): it shows the message before it ends.
  HANDLE standardError = GetStdHandle(STD_ERROR_HANDLE);
  if (standardError && standardError != INVALID_HANDLE_VALUE && GetFileType(standardError) != FILE_TYPE_UNKNOWN) {
    return;
  }
  MessageBoxA(nullptr, what.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONHAND | MB_TASKMODAL);
}

}  // namespace framework_detail
