#include "framework/win32/application.h"
#include "framework/win_types.h"

namespace {

// Libraries load from System32 only, never from the program's folder or the
// current one, where a planted DLL would be found first. The call exists
// from Windows 8 (on Vista and 7 only with update KB2533623), so it is
// looked up rather than imported, which would stop the program loading
// there.
void LoadLibrariesFromSystem32Only() {
  const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
  if (!found) return;
  // Through the generic function type, which converts to any other.
  const auto setDefaultDllDirectories =
      reinterpret_cast<decltype(&SetDefaultDllDirectories)>(reinterpret_cast<void (*)()>(found));
  setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  LoadLibrariesFromSystem32Only();
  return framework_detail::RunApplication();
}
