#include "framework/dialog.h"

#include <cstdio>
#include <cstdlib>

#include "framework/qt/dialog_window.h"
#include "framework/win_app.h"
#include "framework/win_constants.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& wrapper) {
  if (wrapper.m_hWnd) return;  // bound already for this window
  CWnd* dialog = dx->m_pDlgWnd;
  HWND control = dialog && dialog->m_hWnd ? dialog->m_hWnd->Child(id) : nullptr;
  if (!control || !wrapper.SubclassWindow(control)) {
    // A template without the control is a fault in the program itself.
    std::fprintf(stderr, "DDX_Control: dialog has no control %d to bind\n", id);
    std::abort();
  }
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : template_(&dialogTemplate), parent_(parent) {}

const MessageMap& CDialog::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CDialog>(CWnd::GetThisMessageMap())
                                    .Command(IDOK, &CDialog::OnOK)
                                    .Command(IDCANCEL, &CDialog::OnCancel)
                                    .Build();
  return map;
}

const DialogTemplate* CDialog::ResolveTemplate() const {
  if (template_) return template_;
  for (const DialogTemplate* candidate : ModuleResources().dialogs) {
    if (candidate->id == templateId_) return candidate;
  }
  return nullptr;
}

INT_PTR CDialog::DoModal() {
  const DialogTemplate* dialogTemplate = ResolveTemplate();
  if (!dialogTemplate || m_hWnd) return -1;
  // Without a parent the dialog is owned by the dialog in front, or the main
  // window (never itself: a main window that is this dialog has none yet).
  QWidget* owner = parent_ && parent_->m_hWnd ? parent_->m_hWnd->widget : DefaultModalOwner();
  auto* window = new DialogWindow(owner, *dialogTemplate);
  Attach(window);
  if (OnInitDialog()) window->FocusFirstTabStop();
  const INT_PTR result = window->RunModal();
  DestroyWindowTree(window);
  return result;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) {
  if (auto* window = dynamic_cast<DialogWindow*>(m_hWnd)) window->End(result);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) return IsDialogMessage(msg);
  return FALSE;
}

BOOL CDialog::OnCmdMsg(int id, UINT code) {
  if (CWnd::OnCmdMsg(id, code)) return TRUE;
  // Commands nobody in the dialog handles go on to the application.
  if (code != BN_CLICKED) return FALSE;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(id, code);
}
