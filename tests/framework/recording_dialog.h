#pragma once
// Test dialogs that record what reaches them: the notifications and
// commands of their message map, OnOK and OnCancel, the data exchanges and
// the system commands. Hooks let a test act during initialisation and on
// what the map delivers.

#include <functional>
#include <ostream>
#include <vector>

#include "framework/afxwin.h"
#include "tests/framework/test_resources.h"

// A notification or command as the dialog's map delivered it.
struct Received {
  UINT code;
  int id;
  friend bool operator==(const Received&, const Received&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Received& r) {
    return out << "{code " << r.code << ", id " << r.id << "}";
  }
};

class CRecordingDlg : public CDialog {
 public:
  explicit CRecordingDlg(UINT templateId) : CDialog(templateId, nullptr) {}

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  std::vector<Received> received;
  int exchanges = 0;  // DoDataExchange calls
  std::vector<UINT> sysCommands;
  int okCalls = 0;
  int cancelCalls = 0;

  std::function<void(CRecordingDlg&)> onInit;   // inside OnInitDialog, after the base
  BOOL initResult = TRUE;                       // what OnInitDialog returns
  bool okEnds = true;                           // false: OnOK stays open, as a "Calculate" does
  std::function<void(CRecordingDlg&, Received)> onReceived;  // after each is recorded

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  void Record(UINT code, int id);
  void OnNameChange() { Record(EN_CHANGE, IDC_NAME); }
  void OnNoteChange() { Record(EN_CHANGE, IDC_NOTE); }
  void OnChoicesSelChange() { Record(LBN_SELCHANGE, IDC_CHOICES); }
  void OnChoicesDblClk() { Record(LBN_DBLCLK, IDC_CHOICES); }
  void OnPlainListSelChange() { Record(LBN_SELCHANGE, IDC_PLAIN_LIST); }
  void OnCaptionClicked() { Record(STN_CLICKED, IDC_CAPTION); }
  void OnNotifyLabelClicked() { Record(STN_CLICKED, IDC_NOTIFY_LABEL); }
  void OnNotifyLabelDblClk() { Record(STN_DBLCLK, IDC_NOTIFY_LABEL); }
  void OnGo() { Record(BN_CLICKED, IDC_GO); }
  void OnApply() { Record(BN_CLICKED, IDC_APPLY); }
  void OnSysCommand(UINT id, LPARAM lParam);
};

// The form (IDD_FORM) with wrappers bound to its controls.
class CFormDlg : public CRecordingDlg {
 public:
  CFormDlg() : CRecordingDlg(IDD_FORM) {}

  CEdit name;
  CEdit note;
  CStatic caption;
  CListBox choices;
  CListBox plainList;
  CButton apply;
  CButton frame;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};
