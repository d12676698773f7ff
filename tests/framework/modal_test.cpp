// The life of a modal dialog: binding its wrappers once per window, opening
// the same object again with fresh windows, and dialogs opened from the
// handlers of others.

#include <gtest/gtest.h>

#include <string>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

class CCountingStatic : public CStatic {
 public:
  int preSubclassCalls = 0;
  void PreSubclassWindow() override {
    ++preSubclassCalls;
    CStatic::PreSubclassWindow();
  }
};

class CBindingDlg : public CRecordingDlg {
 public:
  CBindingDlg() : CRecordingDlg(IDD_FORM) {}
  CCountingStatic caption;
  CEdit name;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_CAPTION, caption);
    DDX_Control(dx, IDC_NAME, name);
  }
};

}  // namespace

TEST(DDX_Control, BindsOncePerWindowAndRunsPreSubclassWindowOncePerOpening) {
  CBindingDlg dialog;
  // OK exchanges the data again, with the controls already bound.
  EXPECT_EQ(RunModal(dialog, [&] {
              dialog.caption.SetWindowText("bound");
              Click(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(dialog.exchanges, 2);
  EXPECT_EQ(dialog.caption.preSubclassCalls, 1);
}

TEST(DoModal, TheSameObjectOpensAgainWithFreshWindows) {
  CBindingDlg dialog;
  RunModal(dialog, [&] {
    dialog.name.SetWindowText("typed in the first opening");
    PressKey(Key::Escape);
  });
  EXPECT_FALSE(IsOpen(dialog));
  dialog.received.clear();

  std::string textAtSecondOpening = "?";
  RunModal(dialog, [&] {
    textAtSecondOpening = dialog.name.GetWindowText().str();
    dialog.name.SetWindowText("second");
    PressKey(Key::Escape);
  });
  EXPECT_EQ(textAtSecondOpening, "");
  EXPECT_EQ(dialog.received, (std::vector<Received>{{EN_CHANGE, IDC_NAME}}));
  EXPECT_EQ(dialog.caption.preSubclassCalls, 2);
}

TEST(ModalNesting, ADialogOpenedFromAHandlerRunsNestedAndReturnsToTheOuterOne) {
  CFormDlg outer;
  CRecordingDlg inner(IDD_NO_DEFAULT);  // no parent, as the program's dialogs
  std::vector<std::string> events;
  bool outerOpenMeanwhile = false;
  INT_PTR innerResult = 0;
  outer.onReceived = [&](CRecordingDlg&, Received r) {
    if (r.id != IDC_APPLY) return;
    events.push_back("outer handler");
    innerResult = RunModal(inner, [&] {
      events.push_back("inner open");
      outerOpenMeanwhile = IsOpen(outer);
      PressKey(Key::Escape);
    });
    events.push_back("outer handler resumes");
  };
  const INT_PTR outerResult = RunModal(outer, [&] {
    Click(outer, IDC_APPLY);
    events.push_back("outer loop");
    // In front again, it takes the keys, whatever a window manager would do.
    PressKey(Key::Escape);
  });
  EXPECT_EQ(events, (std::vector<std::string>{"outer handler", "inner open", "outer handler resumes", "outer loop"}));
  EXPECT_TRUE(outerOpenMeanwhile);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_EQ(outerResult, IDCANCEL);
  EXPECT_EQ(inner.cancelCalls, 1);
  EXPECT_EQ(outer.cancelCalls, 1);
}

TEST(ModalNesting, AListsSelectionHandlerMayRunADialogAndRefillTheList) {
  // As the program's main dialog does: each choice opens a dialog, and the
  // list is refilled afterwards so that no entry stays selected.
  CFormDlg outer;
  CRecordingDlg inner(IDD_NO_DEFAULT);
  auto fill = [&outer] {
    outer.choices.ResetContent();
    outer.choices.InsertString(0, "first");
    outer.choices.InsertString(1, "second");
  };
  outer.onInit = [&](CRecordingDlg&) { fill(); };
  std::vector<int> chosen;
  std::vector<INT_PTR> innerResults;
  outer.onReceived = [&](CRecordingDlg&, Received r) {
    if (r != Received{LBN_SELCHANGE, IDC_CHOICES}) return;
    chosen.push_back(outer.choices.GetCurSel());
    innerResults.push_back(RunModal(inner, [] { PressKey(Key::Escape); }));
    fill();
  };
  std::vector<int> selectionAfter;
  RunModal(outer, [&] {
    for (const int row : {1, 1, 0}) {
      ClickRow(outer, IDC_CHOICES, row);
      selectionAfter.push_back(outer.choices.GetCurSel());
    }
    PressKey(Key::Escape);
  });
  EXPECT_EQ(chosen, (std::vector{1, 1, 0}));  // the same entry again is a new choice
  EXPECT_EQ(innerResults, (std::vector<INT_PTR>{IDCANCEL, IDCANCEL, IDCANCEL}));
  EXPECT_EQ(selectionAfter, (std::vector{-1, -1, -1}));
}
