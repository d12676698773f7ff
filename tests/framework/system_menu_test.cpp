// The system menu the framework provides for every dialog: standard items
// and the program's own, opened with Alt+Space or a right click on the
// background, its choices arriving as system commands; and the minimised
// dialog that paints its icon.

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <algorithm>
#include <vector>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

// Appends an item of its own to the system menu and paints its icon while
// minimised, as the program's main dialog does.
class CSystemMenuDlg : public CRecordingDlg {
 public:
  CSystemMenuDlg() : CRecordingDlg(IDD_FORM) {}
  HICON icon = LoadIcon(IDI_TEST);
  int standardItems = 0;

  BOOL OnInitDialog() override {
    CRecordingDlg::OnInitDialog();
    CMenu* menu = GetSystemMenu(FALSE);
    standardItems = menu->GetMenuItemCount();
    CString item;
    item.LoadString(IDS_ZAP);
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, IDM_ZAP, item);
    return TRUE;
  }

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap() {
    static const MessageMap map =
        MessageMapBuilder<CSystemMenuDlg>(CRecordingDlg::GetThisMessageMap()).Paint(&CSystemMenuDlg::OnPaint).Build();
    return map;
  }

 private:
  void OnPaint() {
    if (!IsIconic()) {
      CRecordingDlg::OnPaint();
      return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    dc.DrawIcon((client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2,
                (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2, icon);
  }
};

// Picks a menu item by its mnemonic.
void Choose(char mnemonic) {
  OnNextPopupMenu([mnemonic](QMenu* menu) { QTest::keyClick(menu, mnemonic); });
}

}  // namespace

TEST(SystemMenu, HoldsTheStandardItemsFollowedByTheAppendedOnes) {
  CSystemMenuDlg dialog;
  std::vector<UINT> ids;
  char lastText[64] = {};
  QStringList shown;
  RunModal(dialog, [&] {
    CMenu* menu = dialog.GetSystemMenu(FALSE);
    for (int i = 0; i < menu->GetMenuItemCount(); ++i) ids.push_back(menu->GetMenuItemID(i));
    menu->GetMenuString(menu->GetMenuItemCount() - 1, lastText, sizeof lastText);
    OnNextPopupMenu([&](QMenu* popup) {
      for (const QAction* action : popup->actions()) shown << action->text();
      popup->close();
    });
    PressKey(Qt::Key_Space, Qt::AltModifier);
  });
  ASSERT_EQ(ids.size(), static_cast<std::size_t>(dialog.standardItems + 2));
  const std::vector<UINT> standard(ids.begin(), ids.end() - 2);
  EXPECT_NE(std::find(standard.begin(), standard.end(), SC_MINIMIZE), standard.end());
  EXPECT_NE(std::find(standard.begin(), standard.end(), SC_CLOSE), standard.end());
  EXPECT_EQ(std::vector<UINT>(ids.end() - 2, ids.end()), (std::vector<UINT>{0, IDM_ZAP}));
  EXPECT_STREQ(lastText, "&Zap the dialog");
  ASSERT_EQ(shown.size(), static_cast<qsizetype>(ids.size()));
  EXPECT_EQ(shown.back(), QStringLiteral("&Zap the dialog"));
}

TEST(SystemMenu, OpensWithAltSpaceOrARightClickOnTheBackgroundAndSendsTheChoice) {
  CSystemMenuDlg dialog;
  bool openedOverButton = true;
  const INT_PTR result = RunModal(dialog, [&] {
    Choose('z');
    PressKey(Qt::Key_Space, Qt::AltModifier);
    OnNextPopupMenu([](QMenu* menu) {
      QTest::keyClick(menu, Qt::Key_Up);  // from the bottom: the last item
      QTest::keyClick(menu, Qt::Key_Return);
    });
    ClickAt(WidgetOf(dialog), QPoint(3, 3), Qt::RightButton);
    openedOverButton = OpensPopup([&] { ClickAt(ControlOf(dialog, IDC_APPLY), {}, Qt::RightButton); });
  });
  EXPECT_EQ(dialog.sysCommands, (std::vector<UINT>{IDM_ZAP, IDM_ZAP}));
  EXPECT_FALSE(openedOverButton);
  EXPECT_EQ(result, kLeftOpen);
}

TEST(SystemMenu, CloseThatTheDialogLeavesToTheDefaultCancelsIt) {
  CSystemMenuDlg dialog;
  const INT_PTR result = RunModal(dialog, [&] {
    Choose('c');
    PressKey(Qt::Key_Space, Qt::AltModifier);
  });
  EXPECT_EQ(dialog.sysCommands, (std::vector<UINT>{SC_CLOSE}));
  EXPECT_EQ(dialog.cancelCalls, 1);
  EXPECT_EQ(result, IDCANCEL);
}

TEST(SystemMenu, MinimizeMakesTheDialogIconicAndItPaintsItsIconWhereItsHandlerSays) {
  CSystemMenuDlg dialog;
  bool iconicBefore = true;
  bool iconic = false;
  QImage image;
  QColor background;
  RunModal(dialog, [&] {
    iconicBefore = dialog.IsIconic();
    Choose('n');
    PressKey(Qt::Key_Space, Qt::AltModifier);
    iconic = dialog.IsIconic();
    image = WidgetOf(dialog)->grab().toImage();
    background = WidgetOf(dialog)->palette().color(QPalette::Window);
  });
  EXPECT_FALSE(iconicBefore);
  EXPECT_TRUE(iconic);
  EXPECT_EQ(dialog.sysCommands, (std::vector<UINT>{SC_MINIMIZE}));
  ASSERT_FALSE(image.isNull());
  const int x = (image.width() - 32 + 1) / 2;
  const int y = (image.height() - 32 + 1) / 2;
  EXPECT_EQ(image.pixelColor(x, y), QColor(255, 0, 0));            // red top-left quarter
  EXPECT_EQ(image.pixelColor(x + 31, y), QColor(0, 0, 255));       // blue top-right
  EXPECT_EQ(image.pixelColor(x + 31, y + 31), QColor(0, 255, 0));  // lime bottom half
  EXPECT_EQ(image.pixelColor(x - 1, y), background);
  EXPECT_EQ(image.pixelColor(x, y - 1), background);
  EXPECT_EQ(image.pixelColor(x + 32, y + 31), background);
}
