#include "dialogs/correlation_dlg.h"

#include "dialogs/blank_text.h"
#include "res/resource.h"
#include "shedding/correlation.h"
#include "shedding/number_text.h"

CCorrelationDlg::CCorrelationDlg(CWnd* parent) : CDialog(IDD_CORRELATION, parent) {}

const MessageMap& CCorrelationDlg::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CCorrelationDlg>(CDialog::GetThisMessageMap())
                                    .Notification(EN_CHANGE, IDC_REYNOLDS_INPUT, &CCorrelationDlg::OnChangeReynoldsInput)
                                    .Build();
  return map;
}

void CCorrelationDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDOK, calculateButton);
  DDX_Control(dx, IDC_STROUHAL_VALUE, strouhalValue);
  DDX_Control(dx, IDC_REYNOLDS_INPUT, reynoldsInput);
  DDX_Control(dx, IDC_STROUHAL_GROUP, strouhalGroup);
  DDX_Control(dx, IDC_REYNOLDS_GROUP, reynoldsGroup);
  HideResult();
}

void CCorrelationDlg::HideResult() {
  strouhalValue.ShowWindow(SW_HIDE);
  strouhalGroup.ShowWindow(SW_HIDE);
  strouhalValue.SetWindowText(kBlankText);
}

void CCorrelationDlg::OnChangeReynoldsInput() { HideResult(); }

void CCorrelationDlg::OnOK() {
  HideResult();
  strouhalValue.ShowWindow(SW_SHOW);
  strouhalGroup.ShowWindow(SW_SHOW);
  const double reynolds = shedding::TextToNumber(reynoldsInput.GetWindowText().str());
  const double strouhal = shedding::StrouhalFromReynolds(reynolds);
  strouhalValue.SetWindowText(shedding::StrouhalText(strouhal).c_str());
}

void CCorrelationDlg::OnCancel() { CDialog::OnCancel(); }
