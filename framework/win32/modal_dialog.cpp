// The modal loop of a dialog is the dialog manager's (DialogBoxIndirectParam):
// it decides Enter, Escape, Tab and the close box. The framework adds its
// message routing in the dialog procedure and its pre-translation in a
// message-filter hook, which the dialog manager calls for every message of
// its loop before it handles it.

#include "framework/win32/modal_dialog.h"

#include <algorithm>
#include <vector>

#include "framework/internal/framework_access.h"
#include "framework/win32/control_color.h"
#include "framework/win32/dialog_template.h"
#include "framework/win32/resource_images.h"
#include "framework/win32/window.h"
#include "framework/win_app.h"

namespace {

struct RunningDialog {
  CDialog* dialog;
  const DialogTemplate* dialogTemplate;
  HWND hwnd = nullptr;
  // Set while the dialog manager is asked for its default processing: the
  // dialog procedure then declines the message, so the manager acts.
  bool defaultPending = false;
};

// Innermost last.
std::vector<RunningDialog*>& RunningDialogs() {
  static std::vector<RunningDialog*> dialogs;
  return dialogs;
}

RunningDialog* RunningOf(HWND hwnd) {
  for (RunningDialog* running : RunningDialogs()) {
    if (running->hwnd == hwnd) return running;
  }
  return nullptr;
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
void SetStaticIcons(const RunningDialog& running) {
  HWND control = GetWindow(running.hwnd, GW_CHILD);
  for (const DialogItemTemplate& item : running.dialogTemplate->items) {
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

INT_PTR InitDialog(HWND hwnd, RunningDialog& running) {
  running.hwnd = hwnd;
  AttachWrapper(*running.dialog, hwnd);
  SetStaticIcons(running);
  RECT before{};
  GetWindowRect(hwnd, &before);
  const BOOL focusFirst = running.dialog->OnInitDialog();
  RECT after{};
  GetWindowRect(hwnd, &after);
  if (IsWindow(hwnd) && !IsWindowVisible(hwnd) && before.left == after.left && before.top == after.top) Center(hwnd);
  // TRUE lets the dialog manager give the focus to the first tab stop.
  return focusFirst;
}

INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return InitDialog(hwnd, *reinterpret_cast<RunningDialog*>(lParam));
  RunningDialog* running = RunningOf(hwnd);
  if (!running) return FALSE;
  if (running->defaultPending) {
    running->defaultPending = false;
    return FALSE;
  }
  if (message == WM_NCDESTROY) {
    // The controls are gone already, and unbound with them.
    DetachWrapper(hwnd);
    running->hwnd = nullptr;
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
      if (IsRunningDialog(dialog) && framework_detail::WalkPreTranslateTree(dialog, msg)) return TRUE;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void InstallMessageFilter() {
  static const HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, &MessageFilter, nullptr, GetCurrentThreadId());
  (void)hook;
}

}  // namespace

bool IsRunningDialog(HWND hwnd) { return hwnd && RunningOf(hwnd) != nullptr; }

LRESULT DialogDefaultProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  RunningDialog* running = RunningOf(dialog);
  running->defaultPending = true;
  const LRESULT result = DefDlgProcA(dialog, message, wParam, lParam);
  running->defaultPending = false;
  return result;
}

HWND DefaultModalOwner() {
  for (auto it = RunningDialogs().rbegin(); it != RunningDialogs().rend(); ++it) {
    if ((*it)->hwnd) return (*it)->hwnd;
  }
  const CWinApp* app = AfxGetApp();
  return app && app->m_pMainWnd ? FrameworkAccess::Handle(*app->m_pMainWnd) : nullptr;
}

namespace framework_detail {

INT_PTR RunModal(CDialog& dialog, const DialogTemplate& dialogTemplate) {
  InstallMessageFilter();
  const CWnd* parent = FrameworkAccess::Parent(dialog);
  HWND owner = parent && FrameworkAccess::Handle(*parent) ? FrameworkAccess::Handle(*parent) : DefaultModalOwner();
  const std::vector<WORD> templateData = BuildDialogTemplate(dialogTemplate);
  RunningDialog running{&dialog, &dialogTemplate};
  RunningDialogs().push_back(&running);
  const INT_PTR result =
      DialogBoxIndirectParamA(ProgramInstance(), reinterpret_cast<LPCDLGTEMPLATEA>(templateData.data()), owner,
                              &DialogProcedure, reinterpret_cast<LPARAM>(&running));
  std::erase(RunningDialogs(), &running);
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
