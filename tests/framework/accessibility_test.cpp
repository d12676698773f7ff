// What a screen reader is told a dialog's fields are called.

#include <gtest/gtest.h>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

TEST(Accessibility, EditFieldsAreNamedByTheLabelAboveThemAndFollowItsText) {
  if (!AccessibleNamesKnown()) GTEST_SKIP() << "Wine's oleacc names no control";
  CFormDlg dialog;
  std::string before;
  std::string after;
  std::string unlabelled;
  RunModal(dialog, [&] {
    before = AccessibleName(dialog, IDC_NOTE);
    dialog.caption.SetWindowText("Remarks");
    after = AccessibleName(dialog, IDC_NOTE);
    unlabelled = AccessibleName(dialog, IDC_NAME);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(before, "Caption");
  EXPECT_EQ(after, "Remarks");
  EXPECT_EQ(unlabelled, "");  // nothing above it, no frame around it
}
