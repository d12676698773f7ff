// Tab order is template order through the visible, enabled tab stops, and
// the first of them takes the focus when the dialog opens.

#include <gtest/gtest.h>

#include <vector>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"

namespace {

// The focus after each of count presses of key, starting where it is.
std::vector<int> FocusChain(Qt::Key key, int count) {
  std::vector<int> chain{FocusedId()};
  for (int i = 0; i < count; ++i) {
    PressKey(key);
    chain.push_back(FocusedId());
  }
  return chain;
}

}  // namespace

TEST(TabOrder, FollowsTemplateOrderThroughTabStopsOnly) {
  CFormDlg dialog;
  std::vector<int> forward;
  std::vector<int> backward;
  RunModal(dialog, [&] {
    forward = FocusChain(Qt::Key_Tab, 7);
    backward = FocusChain(Qt::Key_Backtab, 3);
  });
  // Not the read-only edit nor the plain list (no tab stop), nor the button
  // the template disables; plain statics and the frame never take the focus,
  // but a static that notifies is a link the keyboard reaches too.
  EXPECT_EQ(forward,
            (std::vector{IDC_NAME, IDC_NOTE, IDC_CHOICES, IDC_APPLY, IDOK, IDCANCEL, IDC_NOTIFY_LABEL, IDC_NAME}));
  EXPECT_EQ(backward, (std::vector{IDC_NAME, IDC_NOTIFY_LABEL, IDCANCEL, IDOK}));
}

TEST(TabOrder, SkipsHiddenAndDisabledControls) {
  CFormDlg dialog;
  std::vector<int> chain;
  RunModal(dialog, [&] {
    dialog.note.ShowWindow(SW_HIDE);
    dialog.choices.EnableWindow(FALSE);
    chain = FocusChain(Qt::Key_Tab, 5);
  });
  EXPECT_EQ(chain, (std::vector{IDC_NAME, IDC_APPLY, IDOK, IDCANCEL, IDC_NOTIFY_LABEL, IDC_NAME}));
}

TEST(InitialFocus, GoesToTheFirstVisibleEnabledTabStop) {
  CFormDlg dialog;
  dialog.onInit = [](CRecordingDlg& self) {
    auto& form = static_cast<CFormDlg&>(self);
    form.name.ShowWindow(SW_HIDE);
    form.note.EnableWindow(FALSE);
  };
  int focused = 0;
  RunModal(dialog, [&] { focused = FocusedId(); });
  EXPECT_EQ(focused, IDC_CHOICES);
}

TEST(InitialFocus, IsLeftToOnInitDialogWhenItReturnsFalse) {
  for (const BOOL initResult : {FALSE, TRUE}) {
    CFormDlg dialog;
    dialog.onInit = [](CRecordingDlg& self) { self.GetDlgItem(IDCANCEL)->SetFocus(); };
    dialog.initResult = initResult;
    int focused = 0;
    RunModal(dialog, [&] { focused = FocusedId(); });
    EXPECT_EQ(focused, initResult ? IDC_NAME : IDCANCEL) << "OnInitDialog returned " << initResult;
  }
}
