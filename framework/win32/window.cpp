#include "framework/win32/window.h"

#include <map>
#include <memory>

#include "framework/internal/framework_access.h"
#include "framework/win32/control_color.h"
#include "framework/win32/link_static.h"
#include "framework/win32/modal_dialog.h"

namespace {

constexpr const char* kWrapperProperty = "VortexFramework.Wrapper";
constexpr const char* kProcedureProperty = "VortexFramework.Procedure";

WNDPROC OriginalProcedure(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetPropA(hwnd, kProcedureProperty)); }

LRESULT CALLBACK ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    // The last message: the wrapper lets go, the window goes back to its own
    // procedure, which finishes the destruction.
    const WNDPROC original = OriginalProcedure(hwnd);
    DetachWrapper(hwnd);
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
  }
  if (IsLinkStatic(hwnd)) return LinkStaticProcedure(hwnd, message, wParam, lParam);
  return framework_detail::Dispatch(hwnd, message, wParam, lParam);
}

// The wrappers handed out for windows that have none bound (WindowOf). They
// hold only the handle, so a stale one is harmless; one per handle value.
std::map<HWND, std::unique_ptr<CWnd>>& TemporaryWrappers() {
  static std::map<HWND, std::unique_ptr<CWnd>> wrappers;
  return wrappers;
}

}  // namespace

void AttachWrapper(CWnd& wrapper, HWND window) {
  FrameworkAccess::Handle(wrapper) = window;
  SetPropA(window, kWrapperProperty, &wrapper);
}

void DetachWrapper(HWND window) {
  if (CWnd* wrapper = framework_detail::BoundWrapper(window)) FrameworkAccess::Handle(*wrapper) = nullptr;
  RemovePropA(window, kWrapperProperty);
  if (const WNDPROC original = OriginalProcedure(window)) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropA(window, kProcedureProperty);
  }
  ForgetControlFont(window);
}

LRESULT SendCommand(HWND to, int id, UINT code, HWND from) {
  return SendMessageA(to, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code)),
                      reinterpret_cast<LPARAM>(from));
}

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

namespace framework_detail {

CWnd* BoundWrapper(HWND hwnd) { return hwnd ? static_cast<CWnd*>(GetPropA(hwnd, kWrapperProperty)) : nullptr; }

HWND ParentOf(HWND hwnd) { return hwnd ? GetParent(hwnd) : nullptr; }

LRESULT DefaultProcessing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC) {
    // The framework hands colour handlers a wrapper of the context; the
    // window itself wants the context.
    wParam = reinterpret_cast<WPARAM>(reinterpret_cast<CDC*>(wParam)->GetSafeHdc());
  }
  if (framework_detail::IsRunningDialog(hwnd)) return DialogDefaultProcessing(hwnd, message, wParam, lParam);
  WNDPROC procedure = OriginalProcedure(hwnd);
  if (!procedure) procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  return CallWindowProcA(procedure, hwnd, message, wParam, lParam);
}

HWND ControlOf(HWND dialog, int id) { return dialog ? GetDlgItem(dialog, id) : nullptr; }

void Bind(CWnd& wrapper, HWND window) {
  AttachWrapper(wrapper, window);
  const LONG_PTR original = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProcedure));
  SetPropA(window, kProcedureProperty, reinterpret_cast<HANDLE>(original));
}

// The window goes back to its own procedure.
void Unbind(HWND window) { DetachWrapper(window); }

CWnd* WindowOf(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (CWnd* bound = BoundWrapper(hwnd)) return bound;
  std::unique_ptr<CWnd>& temporary = TemporaryWrappers()[hwnd];
  if (!temporary) temporary = std::make_unique<CWnd>();
  FrameworkAccess::Handle(*temporary) = hwnd;
  return temporary.get();
}

}  // namespace framework_detail
