// Window operations: showing and hiding, styles, position and size.

#include <gtest/gtest.h>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

TEST(ShowWindow, AHiddenControlKeepsItsTextAndGetStyleReportsVisibility) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    for (const int id : {IDC_NAME, IDC_CAPTION, IDC_APPLY, IDC_FRAME}) {
      SCOPED_TRACE(id);
      CWnd* control = dialog.GetDlgItem(id);
      control->SetWindowText("kept");
      EXPECT_TRUE(control->GetStyle() & WS_VISIBLE);
      EXPECT_TRUE(control->ShowWindow(SW_HIDE));  // it was visible
      EXPECT_FALSE(control->GetStyle() & WS_VISIBLE);
      EXPECT_FALSE(control->IsWindowVisible());
      EXPECT_EQ(control->GetWindowText(), "kept");
      EXPECT_FALSE(control->ShowWindow(SW_SHOW));  // it was hidden
      EXPECT_TRUE(control->GetStyle() & WS_VISIBLE);
      EXPECT_TRUE(ControlOf(dialog, id)->isVisible());
      EXPECT_EQ(control->GetWindowText(), "kept");
    }
    // The class's own style bits stay beside the visibility.
    EXPECT_TRUE(dialog.name.GetStyle() & WS_TABSTOP);
  });
}

TEST(ModifyStyle, AddingTheNotifyStyleMakesAStaticClickable) {
  CFormDlg dialog;
  std::vector<std::size_t> counts;
  RunModal(dialog, [&] {
    QWidget* caption = ControlOf(dialog, IDC_CAPTION);
    ClickAt(caption);
    counts.push_back(dialog.received.size());
    EXPECT_TRUE(dialog.caption.ModifyStyle(0, SS_NOTIFY));
    EXPECT_TRUE(dialog.caption.GetStyle() & SS_NOTIFY);
    ClickAt(caption);
    counts.push_back(dialog.received.size());
    dialog.caption.ModifyStyle(SS_NOTIFY, 0);
    ClickAt(caption);
    counts.push_back(dialog.received.size());
  });
  EXPECT_EQ(counts, (std::vector<std::size_t>{0, 1, 1}));
  EXPECT_EQ(dialog.received, (std::vector<Received>{{STN_CLICKED, IDC_CAPTION}}));
}

TEST(SetWindowPos, MovesAndSizesAControlAndItsWindowRectMapsBackToTheParent) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    QWidget* widget = ControlOf(dialog, IDC_CAPTION);
    const qsizetype stackPosition = WidgetOf(dialog)->children().indexOf(widget);
    dialog.caption.SetWindowPos(nullptr, 17, 23, 61, 19, SWP_NOZORDER);
    EXPECT_EQ(widget->geometry(), QRect(17, 23, 61, 19));
    EXPECT_EQ(WidgetOf(dialog)->children().indexOf(widget), stackPosition);

    CRect onScreen;
    dialog.caption.GetWindowRect(&onScreen);
    const CRect screen = onScreen;
    dialog.ScreenToClient(&onScreen);
    EXPECT_EQ(onScreen, CRect(17, 23, 78, 42));
    EXPECT_NE(screen, onScreen);  // the dialog is not at the screen's origin
    CRect client;
    dialog.caption.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 61, 19));

    dialog.caption.SetWindowPos(nullptr, 0, 0, 40, 10, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(widget->geometry(), QRect(17, 23, 40, 10));
    dialog.caption.SetWindowPos(nullptr, 5, 6, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_EQ(widget->geometry(), QRect(5, 6, 40, 10));
  });
}
