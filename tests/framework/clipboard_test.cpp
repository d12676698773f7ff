// The framework's clipboard: what a paste gets is exactly the text copied,
// lines and non-ASCII characters included, and a later copy replaces it.

#include <gtest/gtest.h>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

TEST(Clipboard, HoldsExactlyTheTextCopiedLast) {
  CFormDlg form;
  RunModal(form, [&] {
    for (const char* text : {"Lock-in screening\nρ = 1025 kg/m³ at 20 °C\n\nReduced velocity: 5.2", "St"}) {
      SCOPED_TRACE(text);
      EXPECT_TRUE(CopyTextToClipboard(&form, text));
      EXPECT_EQ(ClipboardText(), text);
    }
    PressKey(Key::Escape);
  });
}
