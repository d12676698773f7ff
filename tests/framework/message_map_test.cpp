// Message maps: lookup through the base classes' maps, and routing of
// notifications by code and control id.

#include <gtest/gtest.h>

#include <string>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

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
    Click(dialog, IDC_APPLY);
    TypeInto(dialog, IDC_NAME, "x");  // in the recording dialog's map
    Click(dialog, IDCANCEL);           // in CDialog's map
  });
  EXPECT_EQ(dialog.calls, (std::vector<std::string>{"derived apply"}));
  EXPECT_EQ(dialog.received, (std::vector<Received>{{EN_CHANGE, IDC_NAME}}));
  EXPECT_EQ(dialog.cancelCalls, 1);
  EXPECT_EQ(result, IDCANCEL);
}

TEST(MessageMap, RoutesNotificationsByCodeAndControlId) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    TypeInto(dialog, IDC_NOTE, "n");
    Click(dialog, IDC_APPLY);
    // A code the map has for another id reaches nothing; of two entries for
    // one id, the code picks the one.
    auto notify = [&](int id, UINT code) {
      dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code)), 0);
    };
    notify(IDC_NAME, LBN_SELCHANGE);
    notify(IDC_CHOICES, LBN_DBLCLK);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(dialog.received,
            (std::vector<Received>{{EN_CHANGE, IDC_NOTE}, {BN_CLICKED, IDC_APPLY}, {LBN_DBLCLK, IDC_CHOICES}}));
}
