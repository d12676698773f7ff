// The framework's message box: the application's title as caption, the
// exclamation icon for an OK box asked without one, text shown as typed.

#include <gtest/gtest.h>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

TEST(MessageBox, IsCaptionedWithTheApplicationTitleAndAnOkBoxGetsTheExclamationIcon) {
  // The test program has no application name of its own: the executable's
  // name without its extension is the title.
  const std::string title = "vortex_framework_tests";
  struct Case {
    UINT type;
    MessageIcon icon;
  };
  MessageBoxAnswerer boxes;
  for (const Case& c : {Case{MB_OK, MessageIcon::Exclamation}, Case{MB_ICONEXCLAMATION, MessageIcon::Exclamation},
                        Case{MB_OK | MB_ICONASTERISK, MessageIcon::Information}}) {
    SCOPED_TRACE(c.type);
    boxes.Forget();
    EXPECT_EQ(AfxMessageBox("Input Error", c.type), IDOK);
    EXPECT_EQ(boxes.Seen(), (std::vector<MessageBoxSeen>{{title, "Input Error", c.icon}}));
  }
}

TEST(MessageBox, ShowsItsTextLiterallyAndGivesTheKeyboardBackToTheDialog) {
  const char* text = "<b>a</b> < b & c";  // markup, were it not shown as plain text
  CFormDlg dialog;
  MessageBoxAnswerer boxes;
  dialog.onReceived = [&](CRecordingDlg&, Received r) {
    if (r.id == IDC_APPLY) AfxMessageBox(text);
  };
  const INT_PTR result = RunModal(dialog, [&] {
    Click(dialog, IDC_APPLY);
    PressKey(Key::Escape);  // the dialog is in front again and takes the keys
  });
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].text, text);
  EXPECT_EQ(result, IDCANCEL);
}
