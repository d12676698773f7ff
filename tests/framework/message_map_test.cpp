// Message maps: lookup through the base classes' maps, and routing of
// notifications by code and control id.

#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

// A dialog whose map lacks some entries of its base's and replaces another.
class CDerivedDlg : public CRecordingDlg {
 public:
  CDerivedDlg() : CRecordingDlg(IDD_FORM) {}
  std::vector<std::string> calls;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap() {
    static const MessageMap map = MessageMapBuilder<CDerivedDlg>(CRecordingDlg::GetThisMessageMap())
                                      .Command(IDC_APPLY, &CDerivedDlg::OnDerivedApply)
                                      .Build();
    return map;
  }

 private:
  void OnDerivedApply() { calls.push_back("derived apply"); }
};

}  // namespace

TEST(MessageMap, DerivedEntriesWinAndTheBaseMapsHandleTheRest) {
  CDerivedDlg dialog;
  const INT_PTR result = RunModal(dialog, [&] {
    ClickAt(ControlOf(dialog, IDC_APPLY));
    QTest::keyClicks(ControlOf(dialog, IDC_NAME), "x");  // in the recording dialog's map
    ClickAt(ControlOf(dialog, IDCANCEL));                // in CDialog's map
  });
  EXPECT_EQ(dialog.calls, (std::vector<std::string>{"derived apply"}));
  EXPECT_EQ(dialog.received, (std::vector<Received>{{EN_CHANGE, IDC_NAME}}));
  EXPECT_EQ(dialog.cancelCalls, 1);
  EXPECT_EQ(result, IDCANCEL);
}

TEST(MessageMap, RoutesNotificationsByCodeAndControlId) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    QTest::keyClicks(ControlOf(dialog, IDC_NOTE), "n");
    ClickAt(ControlOf(dialog, IDC_APPLY));
    // A code the map has for another id reaches nothing; of two entries for
    // one id, the code picks the one.
    auto notify = [&](const CWnd& control, UINT code) {
      dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control.GetDlgCtrlID()), static_cast<WORD>(code)),
                         reinterpret_cast<LPARAM>(control.m_hWnd));
    };
    notify(dialog.name, LBN_SELCHANGE);
    notify(dialog.choices, LBN_DBLCLK);
  });
  EXPECT_EQ(dialog.received,
            (std::vector<Received>{{EN_CHANGE, IDC_NOTE}, {BN_CLICKED, IDC_APPLY}, {LBN_DBLCLK, IDC_CHOICES}}));
}
