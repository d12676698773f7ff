// The modal loop of a dialog on Qt, and the dialog manager's keys.

#include <QApplication>

#include "framework/internal/framework_access.h"
#include "framework/qt/button_window.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/static_window.h"
#include "framework/win_constants.h"

namespace framework_detail {

INT_PTR RunModal(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner) {
  auto* window = new DialogWindow(owner ? owner->widget : nullptr, dialogTemplate);
  Bind(dialog, window);
  if (dialog.OnInitDialog()) window->FocusFirstTabStop();
  const INT_PTR result = window->RunModal();
  DestroyWindowTree(window);
  return result;
}

void EndModal(HWND dialog, INT_PTR result) {
  if (auto* window = WindowAs<DialogWindow>(dialog)) window->End(result);
}

BOOL HandleDialogKey(HWND dialog, MSG* msg) {
  auto* window = WindowAs<DialogWindow>(dialog);
  if (!window || msg->message != WM_KEYDOWN) return FALSE;
  if (msg->wParam == VK_ESCAPE) {
    SendCommand(window, IDCANCEL, BN_CLICKED, window->Child(IDCANCEL));
    return TRUE;
  }
  if (msg->wParam == VK_RETURN) {
    // Enter presses the focused push button, or opens a focused link, else
    // presses the default button.
    HWND focus = HWND__::FromWidget(QApplication::focusWidget());
    if (auto* link = WindowAs<StaticWindow>(focus); link && link->IsClickable()) return FALSE;
    auto* focusedButton = WindowAs<ButtonWindow>(focus);
    const int id = focusedButton && focusedButton->Parent() == window ? focusedButton->id : window->DefaultButtonId();
    HWND button = window->Child(id);
    if (button && !button->widget->isEnabled()) return TRUE;
    SendCommand(window, id, BN_CLICKED, button);
    return TRUE;
  }
  return FALSE;
}

}  // namespace framework_detail
