// What every backend shares of CDialog: the default commands, data exchange
// and the checks that turn a programming error into a loud failure.

#include "framework/dialog.h"

#include <string>

#include "framework/internal/framework_access.h"
#include "framework/win_app.h"

using framework_detail::ProgrammingError;

void DDX_Control(CDataExchange* dx, int id, CWnd& wrapper) {
  if (FrameworkAccess::Handle(wrapper)) return;  // bound already for this window
  CDialog& dialog = dx->Dialog();
  HWND control = framework_detail::ControlOf(FrameworkAccess::Handle(dialog), id);
  if (!control) {
    ProgrammingError("DDX_Control: dialog " + std::to_string(FrameworkAccess::TemplateId(dialog)) +
                     " has no control " + std::to_string(id) + " to bind");
  }
  if (framework_detail::BoundWrapper(control)) {
    ProgrammingError("DDX_Control: control " + std::to_string(id) + " of dialog " +
                     std::to_string(FrameworkAccess::TemplateId(dialog)) + " is bound to another wrapper");
  }
  framework_detail::Bind(wrapper, control);
  wrapper.PreSubclassWindow();
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

const MessageMap& CDialog::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CDialog>(CWnd::GetThisMessageMap())
                                    .Command(IDOK, &CDialog::OnOK)
                                    .Command(IDCANCEL, &CDialog::OnCancel)
                                    .Build();
  return map;
}

INT_PTR CDialog::DoModal() {
  const DialogTemplate* dialogTemplate = framework_detail::FindDialogTemplate(templateId_);
  if (!dialogTemplate) ProgrammingError("DoModal: no dialog template " + std::to_string(templateId_));
  if (FrameworkAccess::Handle(*this)) {
    ProgrammingError("DoModal: dialog " + std::to_string(templateId_) + " is already open");
  }
  return framework_detail::RunModalDialog(*this, *dialogTemplate);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::UpdateData(BOOL) {
  CDataExchange dx(*this);
  DoDataExchange(&dx);
}

void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) { framework_detail::EndModal(FrameworkAccess::Bound(*this, "EndDialog"), result); }

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    return framework_detail::HandleDialogKey(FrameworkAccess::Bound(*this, "PreTranslateMessage"), msg);
  }
  return FALSE;
}

BOOL CDialog::OnCmdMsg(int id, UINT code) {
  if (CWnd::OnCmdMsg(id, code)) return TRUE;
  // Commands nobody in the dialog handles go on to the application.
  if (code != BN_CLICKED) return FALSE;
  CWinApp* app = AfxGetApp();
  return app && FrameworkAccess::OnCmdMsg(*app, id, code);
}
