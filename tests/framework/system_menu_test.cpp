// The system menu every dialog has: the standard items and the program's own,
// opened with Alt+Space or a right click on the background, its choices
// arriving as system commands; and the minimised dialog that paints its icon.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

// Appends an item of its own to the system menu and paints its icon while
// minimised, as the program's main dialog does.
class CSystemMenuDlg : public CRecordingDlg {
 public:
  CSystemMenuDlg() : CRecordingDlg(IDD_FORM) {}
  HICON icon = AfxGetApp()->LoadIcon(IDI_TEST);

  BOOL OnInitDialog() override {
    CRecordingDlg::OnInitDialog();
    CMenu* menu = GetSystemMenu(FALSE);
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

// The system commands that Alt+Space and then a choice in the menu send.
std::vector<UINT> KeyboardChoice(UINT choice) {
  if (FrameworkOwnsTheSystemMenu()) return {choice};
  return {SC_KEYMENU, choice};
}

// The item's text as the user reads it: without mnemonic markers and
// without the shortcut after a tab.
std::string Plain(std::string text) {
  text = text.substr(0, text.find('\t'));
  std::erase(text, '&');
  return text;
}

}  // namespace

TEST(SystemMenu, HoldsTheStandardItemsFollowedByTheAppendedOnes) {
  CSystemMenuDlg dialog;
  std::vector<std::string> items;
  RunModal(dialog, [&] {
    OnNextMenu(&items, 0);
    PressKey(Key::Space, kAlt);
    PressKey(Key::Escape);
  });
  ASSERT_GE(items.size(), 4u);
  std::vector<std::string> standard;
  for (auto item = items.begin(); item != items.end() - 2; ++item) standard.push_back(Plain(*item));
  EXPECT_NE(std::find(standard.begin(), standard.end(), "Minimize"), standard.end());
  EXPECT_NE(std::find(standard.begin(), standard.end(), "Close"), standard.end());
  EXPECT_EQ(std::vector<std::string>(items.end() - 2, items.end()),
            (std::vector<std::string>{"-", "&Zap the dialog"}));
}

TEST(SystemMenu, OpensWithAltSpaceOrARightClickOnTheBackgroundAndSendsTheChoice) {
  CSystemMenuDlg dialog;
  bool openedOverBackground = false;
  bool openedOverButton = true;
  RunModal(dialog, [&] {
    OnNextMenu(nullptr, 'z');
    PressKey(Key::Space, kAlt);
    if (FrameworkOwnsTheSystemMenu()) {
      OnNextMenu(nullptr, 'z');
      ClickAt(dialog, 0, {3, 3}, Button::Right);
    } else {
      openedOverBackground = OpensMenu([&] { ClickAt(dialog, 0, {3, 3}, Button::Right); });
    }
    openedOverButton = OpensMenu([&] { Click(dialog, IDC_APPLY, Button::Right); });
    PressKey(Key::Escape);
  });
  std::vector<UINT> expected = KeyboardChoice(IDM_ZAP);
  if (FrameworkOwnsTheSystemMenu()) expected.push_back(IDM_ZAP);
  EXPECT_EQ(dialog.sysCommands, expected);
  // The system's menu opens on the caption, not on the dialog's background.
  EXPECT_FALSE(openedOverBackground);
  EXPECT_FALSE(openedOverButton);
}

TEST(SystemMenu, CloseThatTheDialogLeavesToTheDefaultCancelsIt) {
  CSystemMenuDlg dialog;
  const INT_PTR result = RunModal(dialog, [&] {
    OnNextMenu(nullptr, 'c');
    PressKey(Key::Space, kAlt);
  });
  EXPECT_EQ(dialog.sysCommands, KeyboardChoice(SC_CLOSE));
  EXPECT_EQ(dialog.cancelCalls, 1);
  EXPECT_EQ(result, IDCANCEL);
}

TEST(SystemMenu, MinimizeMakesTheDialogIconicAndItPaintsItsIconWhereItsHandlerSays) {
  if (!FrameworkOwnsTheSystemMenu()) {
    GTEST_SKIP() << "the system greys Minimize in the system menu of a dialog without a minimize box";
  }
  CSystemMenuDlg dialog;
  bool iconicBefore = true;
  bool iconic = false;
  Image image;
  RunModal(dialog, [&] {
    iconicBefore = dialog.IsIconic();
    OnNextMenu(nullptr, 'n');
    PressKey(Key::Space, kAlt);
    iconic = dialog.IsIconic();
    image = Grab(dialog, 0);
    dialog.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    PressKey(Key::Escape);
  });
  EXPECT_FALSE(iconicBefore);
  EXPECT_TRUE(iconic);
  EXPECT_EQ(dialog.sysCommands, (std::vector<UINT>{SC_MINIMIZE, SC_RESTORE}));
  ASSERT_GT(image.width, 33);
  const int x = (image.width - 32 + 1) / 2;
  const int y = (image.height - 32 + 1) / 2;
  const COLORREF background = DialogBackgroundColor();
  EXPECT_EQ(image.At(x, y), RGB(255, 0, 0));            // red top-left quarter
  EXPECT_EQ(image.At(x + 31, y), RGB(0, 0, 255));       // blue top-right
  EXPECT_EQ(image.At(x + 31, y + 31), RGB(0, 255, 0));  // lime bottom half
  EXPECT_EQ(image.At(x - 1, y), background);
  EXPECT_EQ(image.At(x, y - 1), background);
  EXPECT_EQ(image.At(x + 32, y + 31), background);
}
