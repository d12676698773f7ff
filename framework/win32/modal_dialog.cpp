// The modal loop of a dialog is the dialog manager's (DialogBoxIndirectParam):
// it decides Enter, Escape, Tab and the close box. The framework adds its
// message routing in the dialog procedure and its pre-translation in a
// message-filter hook, which the dialog manager calls for every message of
// its loop before it handles it.

#include "framework/win32/modal_dialog.h"

#include <algorithm>
#include <set>
#include <vector>

#include "framework/internal/framework_access.h"
#include "framework/win32/control_color.h"
#include "framework/win32/dialog_template.h"
#include "framework/win32/window.h"

namespace {

// The running dialogs the dialog manager is asked for its default
// processing of a message: their dialog procedure then declines the
// message, so the manager acts.
std::set<HWND>& DefaultPending() {
  static std::set<HWND> pending;
  return pending;
}

// Messages whose result is the dialog procedure's return value; the others
// return it through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_COMPAREITEM ||
         message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON ||
         message == WM_INITDIALOG;
}

INT_PTR DialogResult(HWND hwnd, UINT message, LRESULT result) {
  if (ReturnsResultDirectly(message)) return result;
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

// The controls are the dialog's children in template order (icon statics
// share the id IDC_STATIC, so an id would not name one).
void SetStaticIcons(HWND dialog, const DialogTemplate& dialogTemplate) {
  HWND control = GetWindow(dialog, GW_CHILD);
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    if (!control) break;
    const UINT iconId = IconOfStatic(item);
    if (HICON icon = iconId ? framework_detail::LoadIconResource(iconId) : nullptr) {
      SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    control = GetWindow(control, GW_HWNDNEXT);
  }
}

// A modal dialog that OnInitDialog neither moved nor showed opens centred
// on its owner (or on the screen), as the classic framework places it.
void Center(HWND hwnd) {
  RECT area{};
  HWND owner = GetWindow(hwnd, GW_OWNER);
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
    GetWindowRect(owner, &area);
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int x = std::max<int>(0, area.left + (area.right - area.left - width) / 2);
  const int y = std::max<int>(0, area.top + (area.bottom - area.top - height) / 2);
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR InitDialog(HWND hwnd, CDialog& dialog) {
  AttachWrapper(dialog, hwnd);
  SetStaticIcons(hwnd, *framework_detail::FindDialogTemplate(FrameworkAccess::TemplateId(dialog)));
  RECT before{};
  GetWindowRect(hwnd, &before);
  const BOOL focusFirst = dialog.OnInitDialog();
  RECT after{};
  GetWindowRect(hwnd, &after);
  if (IsWindow(hwnd) && !IsWindowVisible(hwnd) && before.left == after.left && before.top == after.top) Center(hwnd);
  // TRUE lets the dialog manager give the focus to the first tab stop.
  return focusFirst;
}

INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return InitDialog(hwnd, *reinterpret_cast<CDialog*>(lParam));
  if (!framework_detail::IsRunningDialog(hwnd)) return FALSE;
  if (DefaultPending().erase(hwnd) != 0) return FALSE;
  if (message == WM_NCDESTROY) {
    // The controls are gone already, and unbound with them.
    DetachWrapper(hwnd);
    return FALSE;
  }
  if (message == WM_CTLCOLORSTATIC) {
    return DispatchControlColor(hwnd, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
  }
  return DialogResult(hwnd, message, framework_detail::Dispatch(hwnd, message, wParam, lParam));
}

bool IsInputMessage(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// Offers each input message of a dialog loop to the wrappers' PreTranslateMessage,
// from the window it is for up to its dialog; a message one of them takes
// never reaches the dialog manager.
LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (msg && msg->hwnd && IsInputMessage(msg->message)) {
      HWND dialog = GetAncestor(msg->hwnd, GA_ROOT);
      if (framework_detail::IsRunningDialog(dialog) && framework_detail::WalkPreTranslateTree(dialog, msg)) return TRUE;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void InstallMessageFilter() {
  static const HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, &MessageFilter, nullptr, GetCurrentThreadId());
  (void)hook;
}

}  // namespace

LRESULT DialogDefaultProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DefaultPending().insert(dialog);
  const LRESULT result = DefDlgProcA(dialog, message, wParam, lParam);
  DefaultPending().erase(dialog);
  return result;
}

namespace framework_detail {

INT_PTR RunModal(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner) {
  InstallMessageFilter();
  const std::vector<WORD> templateData = BuildDialogTemplate(dialogTemplate);
  const INT_PTR result =
      DialogBoxIndirectParamA(ProgramInstance(), reinterpret_cast<LPCDLGTEMPLATEA>(templateData.data()), owner,
                              &DialogProcedure, reinterpret_cast<LPARAM>(&dialog));
  // A window the system failed to make was never bound, or is gone by now.
  if (FrameworkAccess::Handle(dialog)) FrameworkAccess::Handle(dialog) = nullptr;
  return result;
}

void EndModal(HWND dialog, INT_PTR result) { ::EndDialog(dialog, result); }

BOOL HandleDialogKey(HWND dialog, MSG* msg) {
  // F1 asks for help, as a command the dialog or the application handles;
  // every other key is the dialog manager's.
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1) {
    SendCommand(dialog, static_cast<int>(ID_HELP), 0, nullptr);
    return TRUE;
  }
  return FALSE;
}

}  // namespace framework_detail
