// Window operations: showing and hiding, styles, position and size.

#include <gtest/gtest.h>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

TEST(ShowWindow, AHiddenControlKeepsItsTextAndGetStyleReportsVisibility) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    for (CWnd* control : {static_cast<CWnd*>(&dialog.name), static_cast<CWnd*>(&dialog.caption),
                          static_cast<CWnd*>(&dialog.apply), static_cast<CWnd*>(&dialog.frame)}) {
      control->SetWindowText("kept");
      EXPECT_TRUE(control->GetStyle() & WS_VISIBLE);
      EXPECT_TRUE(control->ShowWindow(SW_HIDE));  // it was visible
      EXPECT_FALSE(control->GetStyle() & WS_VISIBLE);
      EXPECT_EQ(control->GetWindowText().str(), "kept");
      EXPECT_FALSE(control->ShowWindow(SW_SHOW));  // it was hidden
      EXPECT_TRUE(control->GetStyle() & WS_VISIBLE);
      EXPECT_EQ(control->GetWindowText().str(), "kept");
    }
    EXPECT_TRUE(IsControlVisible(dialog, IDC_FRAME));
    dialog.frame.ShowWindow(SW_HIDE);
    EXPECT_FALSE(IsControlVisible(dialog, IDC_FRAME));
    EXPECT_EQ(ControlText(dialog, IDC_FRAME), "kept");
    // The class's own style bits stay beside the visibility.
    EXPECT_TRUE(dialog.name.GetStyle() & WS_TABSTOP);
    PressKey(Key::Escape);
  });
}

TEST(ModifyStyle, AddingTheNotifyStyleMakesAStaticClickable) {
  CFormDlg dialog;
  std::vector<std::size_t> counts;
  RunModal(dialog, [&] {
    Click(dialog, IDC_CAPTION);
    counts.push_back(dialog.received.size());
    EXPECT_TRUE(dialog.caption.ModifyStyle(0, SS_NOTIFY));
    EXPECT_TRUE(dialog.caption.GetStyle() & SS_NOTIFY);
    Click(dialog, IDC_CAPTION);
    counts.push_back(dialog.received.size());
    dialog.caption.ModifyStyle(SS_NOTIFY, 0);
    Click(dialog, IDC_CAPTION);
    counts.push_back(dialog.received.size());
    PressKey(Key::Escape);
  });
  EXPECT_EQ(counts, (std::vector<std::size_t>{0, 1, 1}));
  EXPECT_EQ(dialog.received, (std::vector<Received>{{STN_CLICKED, IDC_CAPTION}}));
}

TEST(SetWindowPos, MovesAndSizesAControlAndItsWindowRectMapsBackToTheParent) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    dialog.caption.SetWindowPos(nullptr, 17, 23, 61, 19, SWP_NOZORDER);
    EXPECT_TRUE(ControlRect(dialog, IDC_CAPTION) == (RECT{17, 23, 78, 42}));

    CRect onScreen;
    dialog.caption.GetWindowRect(&onScreen);
    const CRect screen = onScreen;
    dialog.ScreenToClient(&onScreen);
    EXPECT_TRUE(onScreen == (RECT{17, 23, 78, 42}));
    EXPECT_FALSE(screen == onScreen) << "the dialog is not at the screen's origin";
    CRect client;
    dialog.caption.GetClientRect(&client);
    EXPECT_TRUE(client == (RECT{0, 0, 61, 19}));

    dialog.caption.SetWindowPos(nullptr, 0, 0, 40, 10, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_TRUE(ControlRect(dialog, IDC_CAPTION) == (RECT{17, 23, 57, 33}));
    dialog.caption.SetWindowPos(nullptr, 5, 6, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_TRUE(ControlRect(dialog, IDC_CAPTION) == (RECT{5, 6, 45, 16}));
    PressKey(Key::Escape);
  });
}
