#pragma once
// The Strouhal-relation calculator: the user picks what to solve for, then
// the units, then types the three known values; "Calculate" shows the result.

#include "framework/afxwin.h"

class CCalculatorDlg : public CDialog {
 public:
  explicit CCalculatorDlg(CWnd* parent = nullptr);

  // "Calculate": solves, or reports "Input Error"; never closes the dialog.
  void OnOK() override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  void OnSelchangeAnalysisList();
  void OnSelchangeUnitsList();
  void OnChangeSlotInput();

  void HideResult();
  void RefreshSlots();
  void ShowDataSet(int showCommand);
  void ShowResultSet(int showCommand);

  CButton resultGroup;
  CEdit resultValue;
  CEdit resultLabel;
  CButton dataGroup;
  CEdit slotLabel3;
  CEdit slotLabel2;
  CEdit slotLabel1;
  CEdit slotInput3;
  CEdit slotInput2;
  CEdit slotInput1;
  CButton unitsGroup;
  CListBox unitsList;
  CListBox analysisList;
};
