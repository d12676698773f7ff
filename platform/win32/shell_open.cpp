#include "platform/win32/shell_open.h"

#include <optional>

#include "platform/target_refusal.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace platform {

ResultCode OpenWithShell(const char* verb, const char* target, int showCommand) {
  if (const std::optional<ResultCode> refusal = ShellTargetRefusal(target)) return *refusal;
  // The shell may hand the target to extensions that are COM objects, so it
  // wants COM on the calling thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const HINSTANCE result = ShellExecuteA(nullptr, verb, target, nullptr, nullptr, showCommand);
  if (SUCCEEDED(com)) CoUninitialize();
  return reinterpret_cast<ResultCode>(result);
}

}  // namespace platform
