// What Enter, Escape, the close box, OnOK, OnCancel and EndDialog do: the
// framework, not the toolkit, decides.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

TEST(EnterKey, OnAFocusedPushButtonSendsThatButtonsId) {
  CFormDlg dialog;
  const INT_PTR result = RunModal(dialog, [&] {
    dialog.apply.SetFocus();
    PressKey(Qt::Key_Return);
  });
  EXPECT_EQ(dialog.received, (std::vector<Received>{{BN_CLICKED, IDC_APPLY}}));
  EXPECT_EQ(dialog.okCalls, 0);
  EXPECT_EQ(result, kLeftOpen);
}

TEST(EnterKey, ElsewhereSendsTheDefaultPushButtonsId) {
  CRecordingDlg dialog(IDD_OTHER_DEFAULT);
  const INT_PTR result = RunModal(dialog, [&] { PressKey(Qt::Key_Return); });  // in the edit
  EXPECT_EQ(dialog.received, (std::vector<Received>{{BN_CLICKED, IDC_GO}}));
  EXPECT_EQ(dialog.okCalls, 0);
  EXPECT_EQ(result, kLeftOpen);
}

TEST(EnterKey, SendsIdOkWhenNoButtonIsDefault) {
  CRecordingDlg dialog(IDD_NO_DEFAULT);
  const INT_PTR result = RunModal(dialog, [&] { PressKey(Qt::Key_Return); });
  EXPECT_TRUE(dialog.received.empty());
  EXPECT_EQ(dialog.okCalls, 1);
  EXPECT_EQ(result, IDOK);
}

TEST(EnterKey, DoesNothingWhileTheDefaultButtonIsDisabled) {
  CFormDlg dialog;
  const INT_PTR result = RunModal(dialog, [&] {
    dialog.GetDlgItem(IDOK)->EnableWindow(FALSE);
    dialog.choices.SetFocus();
    PressKey(Qt::Key_Return);
  });
  EXPECT_EQ(dialog.okCalls, 0);
  EXPECT_TRUE(dialog.received.empty());
  EXPECT_EQ(result, kLeftOpen);
}

TEST(Cancel, EscapeAndTheCloseBoxReachOnCancel) {
  CFormDlg escaped;
  EXPECT_EQ(RunModal(escaped, [] { PressKey(Qt::Key_Escape); }), IDCANCEL);
  EXPECT_EQ(escaped.cancelCalls, 1);

  CFormDlg closed;
  EXPECT_EQ(RunModal(closed, [&] { WidgetOf(closed)->close(); }), IDCANCEL);
  EXPECT_EQ(closed.cancelCalls, 1);
  // The close box is a system command first, which the dialog may handle.
  EXPECT_EQ(closed.sysCommands, (std::vector<UINT>{SC_CLOSE}));
}

TEST(OnOK, AnOverrideThatDoesNotEndKeepsTheDialogOpen) {
  CFormDlg dialog;
  dialog.okEnds = false;
  bool openAfterEnter = false;
  const INT_PTR result = RunModal(dialog, [&] {
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Return);
    openAfterEnter = WidgetOf(dialog)->isVisible();
  });
  EXPECT_EQ(dialog.okCalls, 2);
  EXPECT_TRUE(openAfterEnter);
  EXPECT_EQ(result, kLeftOpen);
}

TEST(OnOK, TheBaseSavesTheDataAgainAndEndsWithIdOk) {
  CFormDlg dialog;
  const INT_PTR result = RunModal(dialog, [&] { ClickAt(ControlOf(dialog, IDOK)); });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.exchanges, (std::vector<BOOL>{FALSE, TRUE}));
}

TEST(DoModal, ReturnsTheValueGivenToEndDialog) {
  CFormDlg dialog;
  dialog.onReceived = [](CRecordingDlg& self, Received r) {
    if (r.id == IDC_APPLY) self.EndDialog(42);
  };
  EXPECT_EQ(RunModal(dialog, [&] { ClickAt(ControlOf(dialog, IDC_APPLY)); }), 42);
}

TEST(DoModal, EndDialogDuringInitialisationEndsBeforeTheLoop) {
  CFormDlg dialog;
  bool loopRan = false;
  dialog.onInit = [&loopRan](CRecordingDlg& self) {
    self.EndDialog(7);
    // Fires inside the modal loop if one runs, or after DoModal returns.
    QTimer::singleShot(0, [&loopRan, &self, window = QPointer<QWidget>(WidgetOf(self))] {
      loopRan = window && window->isVisible();
      if (loopRan) self.EndDialog(static_cast<int>(kLeftOpen));
    });
  };
  EXPECT_EQ(dialog.DoModal(), 7);
  QCoreApplication::processEvents();
  EXPECT_FALSE(loopRan);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}
