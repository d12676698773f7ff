#include "tests/framework/recording_dialog.h"

const MessageMap& CRecordingDlg::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CRecordingDlg>(CDialog::GetThisMessageMap())
                                    .Notification(EN_CHANGE, IDC_NAME, &CRecordingDlg::OnNameChange)
                                    .Notification(EN_CHANGE, IDC_NOTE, &CRecordingDlg::OnNoteChange)
                                    .Notification(LBN_SELCHANGE, IDC_CHOICES, &CRecordingDlg::OnChoicesSelChange)
                                    .Notification(LBN_DBLCLK, IDC_CHOICES, &CRecordingDlg::OnChoicesDblClk)
                                    .Notification(LBN_SELCHANGE, IDC_PLAIN_LIST, &CRecordingDlg::OnPlainListSelChange)
                                    .Notification(STN_CLICKED, IDC_CAPTION, &CRecordingDlg::OnCaptionClicked)
                                    .Notification(STN_CLICKED, IDC_NOTIFY_LABEL, &CRecordingDlg::OnNotifyLabelClicked)
                                    .Notification(STN_DBLCLK, IDC_NOTIFY_LABEL, &CRecordingDlg::OnNotifyLabelDblClk)
                                    .Command(IDC_GO, &CRecordingDlg::OnGo)
                                    .Command(IDC_APPLY, &CRecordingDlg::OnApply)
                                    .SysCommand(&CRecordingDlg::OnSysCommand)
                                    .Build();
  return map;
}

BOOL CRecordingDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (onInit) onInit(*this);
  return initResult;
}

void CRecordingDlg::OnOK() {
  ++okCalls;
  if (okEnds) CDialog::OnOK();
}

void CRecordingDlg::OnCancel() {
  ++cancelCalls;
  CDialog::OnCancel();
}

void CRecordingDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  ++exchanges;
}

void CRecordingDlg::Record(UINT code, int id) {
  received.push_back({code, id});
  if (onReceived) onReceived(*this, {code, id});
}

void CRecordingDlg::OnSysCommand(UINT id, LPARAM lParam) {
  sysCommands.push_back(id);
  CDialog::OnSysCommand(id, lParam);
}

void CFormDlg::DoDataExchange(CDataExchange* dx) {
  CRecordingDlg::DoDataExchange(dx);
  DDX_Control(dx, IDC_NAME, name);
  DDX_Control(dx, IDC_NOTE, note);
  DDX_Control(dx, IDC_CAPTION, caption);
  DDX_Control(dx, IDC_CHOICES, choices);
  DDX_Control(dx, IDC_PLAIN_LIST, plainList);
  DDX_Control(dx, IDC_APPLY, apply);
  DDX_Control(dx, IDC_FRAME, frame);
}
