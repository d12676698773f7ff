// What Enter, Escape, the close box, OnOK and OnCancel do: the framework, not
// the toolkit, decides.

#include <gtest/gtest.h>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

TEST(EnterKey, OnAFocusedPushButtonSendsThatButtonsId) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    FocusControl(dialog, IDC_APPLY);
    PressKey(Key::Return);
    EXPECT_TRUE(IsOpen(dialog));
    PressKey(Key::Escape);
  });
  EXPECT_EQ(dialog.received, (std::vector<Received>{{BN_CLICKED, IDC_APPLY}}));
  EXPECT_EQ(dialog.okCalls, 0);
}

TEST(EnterKey, ElsewhereSendsTheDefaultPushButtonsId) {
  CRecordingDlg dialog(IDD_OTHER_DEFAULT);
  RunModal(dialog, [&] {
    PressKey(Key::Return);  // in the edit
    EXPECT_TRUE(IsOpen(dialog));
    PressKey(Key::Escape);
  });
  EXPECT_EQ(dialog.received, (std::vector<Received>{{BN_CLICKED, IDC_GO}}));
  EXPECT_EQ(dialog.okCalls, 0);
}

TEST(EnterKey, SendsIdOkWhenNoButtonIsDefault) {
  CRecordingDlg dialog(IDD_NO_DEFAULT);
  EXPECT_EQ(RunModal(dialog, [] { PressKey(Key::Return); }), IDOK);
  EXPECT_TRUE(dialog.received.empty());
  EXPECT_EQ(dialog.okCalls, 1);
}

TEST(EnterKey, DoesNothingWhileTheDefaultButtonIsDisabled) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    EnableControl(dialog, IDOK, false);
    FocusControl(dialog, IDC_CHOICES);
    PressKey(Key::Return);
    EXPECT_TRUE(IsOpen(dialog));
    PressKey(Key::Escape);
  });
  EXPECT_EQ(dialog.okCalls, 0);
  EXPECT_TRUE(dialog.received.empty());
}

TEST(Cancel, EscapeAndTheCloseBoxReachOnCancel) {
  CFormDlg escaped;
  EXPECT_EQ(RunModal(escaped, [] { PressKey(Key::Escape); }), IDCANCEL);
  EXPECT_EQ(escaped.cancelCalls, 1);

  CFormDlg closed;
  EXPECT_EQ(RunModal(closed, [&] { PressCloseBox(closed); }), IDCANCEL);
  EXPECT_EQ(closed.cancelCalls, 1);
  // The close box is a system command first, which the dialog may handle.
  EXPECT_EQ(closed.sysCommands, (std::vector<UINT>{SC_CLOSE}));
}

TEST(OnOK, AnOverrideThatDoesNotEndKeepsTheDialogOpen) {
  CFormDlg dialog;
  dialog.okEnds = false;
  RunModal(dialog, [&] {
    PressKey(Key::Return);
    PressKey(Key::Return);
    EXPECT_TRUE(IsOpen(dialog));
    PressKey(Key::Escape);
  });
  EXPECT_EQ(dialog.okCalls, 2);
}

TEST(OnOK, TheBaseExchangesTheDataAgainAndEndsWithIdOk) {
  CFormDlg dialog;
  EXPECT_EQ(RunModal(dialog, [&] { Click(dialog, IDOK); }), IDOK);
  EXPECT_EQ(dialog.exchanges, 2);
}

TEST(DoModal, CancellingDuringInitialisationEndsBeforeTheLoop) {
  CFormDlg dialog;
  bool checked = false;
  bool loopShowedIt = false;
  dialog.onInit = [&](CRecordingDlg& self) {
    self.OnCancel();
    // Runs inside the modal loop if one runs, or after DoModal returns.
    RunSoon([&] {
      loopShowedIt = IsOpen(self);
      if (loopShowedIt) PressKey(Key::Escape);
      checked = true;
    });
  };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(WaitFor([&] { return checked; }));
  EXPECT_FALSE(loopShowedIt);
  EXPECT_FALSE(IsOpen(dialog));
}
