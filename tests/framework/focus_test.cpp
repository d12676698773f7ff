// Tab order is template order through the visible, enabled tab stops, and
// the first of them takes the focus when the dialog opens.

#include <gtest/gtest.h>

#include <vector>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

// The tab stops of the form after the buttons: its link, where links take
// the focus.
std::vector<int> WithLink(std::vector<int> chain, std::size_t linkAt) {
  if (LinksTakeTheFocus()) chain.insert(chain.begin() + static_cast<std::ptrdiff_t>(linkAt), IDC_NOTIFY_LABEL);
  return chain;
}

// The focus after each of count presses of Tab (with modifiers), starting
// where it is.
std::vector<int> FocusChain(unsigned modifiers, int count) {
  std::vector<int> chain{FocusedId()};
  for (int i = 0; i < count; ++i) {
    PressKey(Key::Tab, modifiers);
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
    forward = FocusChain(kNoModifier, LinksTakeTheFocus() ? 7 : 6);
    backward = FocusChain(kShift, 3);
    PressKey(Key::Escape);
  });
  // Not the read-only edit nor the plain list (no tab stop), nor the button
  // the template disables; plain statics and the frame never take the focus,
  // but a static that notifies is a link the keyboard reaches too.
  EXPECT_EQ(forward, WithLink({IDC_NAME, IDC_NOTE, IDC_CHOICES, IDC_APPLY, IDOK, IDCANCEL, IDC_NAME}, 6));
  EXPECT_EQ(backward, LinksTakeTheFocus() ? (std::vector{IDC_NAME, IDC_NOTIFY_LABEL, IDCANCEL, IDOK})
                                          : (std::vector{IDC_NAME, IDCANCEL, IDOK, IDC_APPLY}));
}

TEST(TabOrder, SkipsHiddenAndDisabledControls) {
  CFormDlg dialog;
  std::vector<int> chain;
  RunModal(dialog, [&] {
    dialog.note.ShowWindow(SW_HIDE);
    EnableControl(dialog, IDC_CHOICES, false);
    chain = FocusChain(kNoModifier, LinksTakeTheFocus() ? 5 : 4);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(chain, WithLink({IDC_NAME, IDC_APPLY, IDOK, IDCANCEL, IDC_NAME}, 4));
}

TEST(InitialFocus, GoesToTheFirstVisibleEnabledTabStop) {
  CFormDlg dialog;
  dialog.onInit = [](CRecordingDlg& self) {
    static_cast<CFormDlg&>(self).name.ShowWindow(SW_HIDE);
    EnableControl(self, IDC_NOTE, false);
  };
  int focused = 0;
  RunModal(dialog, [&] {
    focused = FocusedId();
    PressKey(Key::Escape);
  });
  EXPECT_EQ(focused, IDC_CHOICES);
}

TEST(InitialFocus, IsLeftToOnInitDialogWhenItReturnsFalse) {
  for (const BOOL initResult : {FALSE, TRUE}) {
    CFormDlg dialog;
    dialog.onInit = [](CRecordingDlg& self) { FocusControl(self, IDCANCEL); };
    dialog.initResult = initResult;
    int focused = 0;
    RunModal(dialog, [&] {
      focused = FocusedId();
      PressKey(Key::Escape);
    });
    EXPECT_EQ(focused, initResult ? IDC_NAME : IDCANCEL) << "OnInitDialog returned " << initResult;
  }
}
