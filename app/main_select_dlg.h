#pragma once
// The main dialog: the list of analyses, the contact button, Exit, and the
// About item of the system menu.

#include "dialogs/calculator_dlg.h"
#include "dialogs/contact_dlg.h"
#include "dialogs/correlation_dlg.h"
#include "dialogs/response_dlg.h"
#include "dialogs/screening_dlg.h"
#include "framework/afxwin.h"

class CMainSelectDlg : public CDialog {
 public:
  explicit CMainSelectDlg(CWnd* parent = nullptr);

  BOOL OnInitDialog() override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnSelchangeAnalysisSelect();
  void OnVisitWebSite();
  void FillAnalysisList();

  // Built once with the main dialog and reused for every opening.
  CCalculatorDlg calculatorDlg;
  CCorrelationDlg correlationDlg;
  CContactDlg contactDlg;
  CScreeningDlg screeningDlg;
  CResponseDlg responseDlg;
  CListBox analysisList;
  HICON icon;
};
