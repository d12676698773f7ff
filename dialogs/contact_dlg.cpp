#include "dialogs/contact_dlg.h"

#include "res/contact_config.h"
#include "res/resource.h"

CContactDlg::CContactDlg(CWnd* parent) : CDialog(IDD_CONTACT, parent) {}

void CContactDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_MAIL_LINK, mailLink);
  DDX_Control(dx, IDC_WEB_LINK, webLink);
  mailLink.SetTarget(contact_config::kMailTarget);
  mailLink.SetUnderlined(TRUE);
  webLink.SetTarget(contact_config::kWebAddress);
  webLink.SetUnderlined(TRUE);
}
