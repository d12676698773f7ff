#pragma once
// The Strouhal number of a circular cylinder from a typed Reynolds number.

#include "framework/afxwin.h"

class CCorrelationDlg : public CDialog {
 public:
  explicit CCorrelationDlg(CWnd* parent = nullptr);

  // "Calculate": shows the estimate for whatever the input holds; never closes.
  void OnOK() override;
  void OnCancel() override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  void OnChangeReynoldsInput();
  void HideResult();

  CButton calculateButton;
  CEdit strouhalValue;
  CEdit reynoldsInput;
  CButton strouhalGroup;
  CButton reynoldsGroup;
};
