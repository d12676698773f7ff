// A programming error fails loudly, naming what is wrong, in every build:
// the process ends with the message rather than going on quietly.

#include <gtest/gtest.h>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

// Binds an id that the form's template lacks.
class CMissingControlDlg : public CRecordingDlg {
 public:
  CMissingControlDlg() : CRecordingDlg(IDD_FORM) {}
  CEdit missing;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, 4242, missing);
  }
};

// Binds the name field, an edit, to a list box wrapper.
class CMisboundListDlg : public CRecordingDlg {
 public:
  CMisboundListDlg() : CRecordingDlg(IDD_FORM) {}
  CListBox list;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_NAME, list);
  }
};

}  // namespace

// Each dies in a fresh process of its own (the threadsafe style re-runs the
// test program), so the toolkit's threads and windows do not matter.
class FailurePolicy : public ::testing::Test {
 protected:
  FailurePolicy() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FailurePolicy, BindingAControlTheTemplateLacksNamesTheDialogAndTheId) {
  EXPECT_DEATH(
      {
        CMissingControlDlg dialog;
        dialog.DoModal();
      },
      "dialog 201 has no control 4242");
}

TEST_F(FailurePolicy, ATemplateTheResourcesLackIsNamed) {
  EXPECT_DEATH(
      {
        CRecordingDlg dialog(999);
        dialog.DoModal();
      },
      "no dialog template 999");
}

TEST_F(FailurePolicy, OpeningADialogThatIsAlreadyOpenIsNamed) {
  EXPECT_DEATH(
      {
        CFormDlg dialog;
        RunModal(dialog, [&] { dialog.DoModal(); });
      },
      "dialog 201 is already open");
}

TEST_F(FailurePolicy, AnOperationOnAWrapperWithoutAWindowIsNamed) {
  CFormDlg dialog;  // never opened: its wrappers have no windows
  EXPECT_DEATH(dialog.name.ShowWindow(SW_SHOW), "ShowWindow on a wrapper that is not bound to a window");
  EXPECT_DEATH(dialog.choices.InsertString(0, "x"), "InsertString on a wrapper that is not bound");
}

// The same on every system, although Windows itself would let them pass.
TEST_F(FailurePolicy, ADialogsOperationOnAControlIsNamed) {
  EXPECT_DEATH(
      {
        CFormDlg dialog;
        RunModal(dialog, [&] { dialog.name.SetIcon(nullptr, TRUE); });
      },
      "SetIcon on a window that is not a dialog");
  EXPECT_DEATH(
      {
        CFormDlg dialog;
        RunModal(dialog, [&] { dialog.caption.GetSystemMenu(FALSE); });
      },
      "GetSystemMenu on a window that is not a dialog");
  EXPECT_DEATH(
      {
        CMisboundListDlg dialog;
        RunModal(dialog, [&] { dialog.list.GetCurSel(); });
      },
      "GetCurSel on a wrapper that is not bound to a list box");
}
