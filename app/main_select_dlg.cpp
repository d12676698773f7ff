#include "app/main_select_dlg.h"

#include "app/about_box.h"
#include "res/resource.h"

namespace {

enum MainMenuChoice { kCalculateStrouhal = 0, kCorrelation = 1, kLockInScreening = 2, kVortexResponse = 3 };

}  // namespace

CMainSelectDlg::CMainSelectDlg(CWnd* parent)
    : CDialog(IDD_MAIN_SELECT, parent), icon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

const MessageMap& CMainSelectDlg::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CMainSelectDlg>(CDialog::GetThisMessageMap())
                                    .SysCommand(&CMainSelectDlg::OnSysCommand)
                                    .Paint(&CMainSelectDlg::OnPaint)
                                    .QueryDragIcon(&CMainSelectDlg::OnQueryDragIcon)
                                    .Notification(LBN_SELCHANGE, IDC_ANALYSIS_SELECT, &CMainSelectDlg::OnSelchangeAnalysisSelect)
                                    .Command(IDC_VISIT_WEB_SITE, &CMainSelectDlg::OnVisitWebSite)
                                    .Build();
  return map;
}

void CMainSelectDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_ANALYSIS_SELECT, analysisList);
  FillAnalysisList();
}

void CMainSelectDlg::FillAnalysisList() {
  // Explicit indices keep each entry's row its choice, whatever the sort style.
  analysisList.ResetContent();
  analysisList.InsertString(kCalculateStrouhal, "Calculate Strouhal Number");
  analysisList.InsertString(kCorrelation, "Strouhal and Reynolds Number Correlation");
  analysisList.InsertString(kLockInScreening, "Lock-in Screening");
  analysisList.InsertString(kVortexResponse, "Vortex-Induced Response");
}

BOOL CMainSelectDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
    CString aboutItem;
    aboutItem.LoadString(IDS_ABOUTBOX);
    if (!aboutItem.IsEmpty()) {
      systemMenu->AppendMenu(MF_SEPARATOR);
      systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutItem);
    }
  }
  SetIcon(icon, TRUE);
  SetIcon(icon, FALSE);
  return TRUE;
}

void CMainSelectDlg::OnSysCommand(UINT id, LPARAM lParam) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutBox about;
    about.DoModal();
  } else {
    CDialog::OnSysCommand(id, lParam);
  }
}

void CMainSelectDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int iconWidth = GetSystemMetrics(SM_CXICON);
  const int iconHeight = GetSystemMetrics(SM_CYICON);
  CRect client;
  GetClientRect(&client);
  const int x = (client.Width() - iconWidth + 1) / 2;
  const int y = (client.Height() - iconHeight + 1) / 2;
  dc.DrawIcon(x, y, icon);
}

HCURSOR CMainSelectDlg::OnQueryDragIcon() { return icon; }

void CMainSelectDlg::OnSelchangeAnalysisSelect() {
  switch (analysisList.GetCurSel()) {
    case kCalculateStrouhal:
      calculatorDlg.DoModal();
      break;
    case kCorrelation:
      correlationDlg.DoModal();
      break;
    case kLockInScreening:
      screeningDlg.DoModal();
      break;
    case kVortexResponse:
      responseDlg.DoModal();
      break;
    default:
      break;
  }
  // Refilled, so no entry stays selected and choosing it again is a new change.
  FillAnalysisList();
}

void CMainSelectDlg::OnVisitWebSite() { contactDlg.DoModal(); }
