// The framework's save dialog, opened from a dialog's button as the program
// does: the system's own, offering the program's file name; the path typed,
// with the default extension added to a name typed without one; IDCANCEL
// when the user cancels; the keyboard back with the dialog afterwards.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

TEST(FileDialog, OffersTheNameAndGivesThePathTypedWithTheDefaultExtension) {
  // A folder of its own: a name that is already there would make the dialog
  // ask before replacing it.
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vortex_file_dialog_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  struct Case {
    const char* typed;  // "": the user cancels
    INT_PTR result;
    const char* chosen;
  };
  CFormDlg form;
  INT_PTR result = 0;
  CString chosen;
  form.onReceived = [&](CRecordingDlg&, Received r) {
    if (r.id != IDC_APPLY) return;
    CFileDialog save(FALSE, "svg", "lock-in.svg", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                     "SVG images (*.svg)|*.svg||", &form);
    result = save.DoModal();
    chosen = save.GetPathName();
  };
  const INT_PTR formResult = RunModal(form, [&] {
    for (const Case& c : {Case{"response", IDOK, "response.svg"}, Case{"response.svg", IDOK, "response.svg"},
                          Case{"", IDCANCEL, ""}}) {
      SCOPED_TRACE(c.typed);
      SaveDialogSeen seen;
      OnNextSaveDialog(&seen, *c.typed ? (folder / c.typed).string() : std::string());
      result = 0;
      Click(form, IDC_APPLY);
      EXPECT_EQ(seen, (SaveDialogSeen{"lock-in.svg", "Save", true}));
      EXPECT_EQ(result, c.result);
      if (c.result == IDOK) {
        EXPECT_EQ(std::filesystem::path(chosen.str()), folder / c.chosen);
      }
    }
    PressKey(Key::Escape);
  });
  EXPECT_EQ(formResult, IDCANCEL);
  std::filesystem::remove_all(folder);
}
