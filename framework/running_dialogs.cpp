// The dialogs whose DoModal is running, one stack for every backend: it
// decides which window owns a modal window that names no owner.

#include <algorithm>
#include <vector>

#include "framework/internal/framework_access.h"
#include "framework/win_app.h"

namespace {

// Innermost last.
std::vector<const CDialog*>& RunningDialogs() {
  static std::vector<const CDialog*> dialogs;
  return dialogs;
}

}  // namespace

namespace framework_detail {

bool IsRunningDialog(HWND hwnd) {
  return hwnd && std::ranges::any_of(RunningDialogs(),
                                     [hwnd](const CDialog* dialog) { return FrameworkAccess::Handle(*dialog) == hwnd; });
}

HWND DefaultModalOwner() {
  for (auto it = RunningDialogs().rbegin(); it != RunningDialogs().rend(); ++it) {
    if (HWND hwnd = FrameworkAccess::Handle(**it)) return hwnd;
  }
  const CWinApp* app = AfxGetApp();
  return app && app->m_pMainWnd ? FrameworkAccess::Handle(*app->m_pMainWnd) : nullptr;
}

INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate) {
  // Without a parent the dialog is owned by the dialog in front, or the main
  // window (never itself: a main window that is this dialog has none yet).
  const CWnd* parent = FrameworkAccess::Parent(dialog);
  HWND owner = parent && FrameworkAccess::Handle(*parent) ? FrameworkAccess::Handle(*parent) : DefaultModalOwner();
  RunningDialogs().push_back(&dialog);
  const INT_PTR result = RunModal(dialog, dialogTemplate, owner);
  std::erase(RunningDialogs(), &dialog);
  return result;
}

}  // namespace framework_detail
