// The main dialog as a user drives it: the analysis list from the mouse and
// the keyboard, "Visit Web Site", Exit, Enter and Escape, the system menu with
// its About item, and the icon it paints when minimised.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "app/main_select_dlg.h"
#include "framework/resource_colors.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "tests/support/gui_driver.h"
#include "tests/support/scripted_services.h"

using namespace gui_test;

namespace {

const std::string kAboutItem = "&About VortexCalc...";
const std::vector<std::string> kEntries{"Calculate Strouhal Number", "Strouhal and Reynolds Number Correlation",
                                        "Lock-in Screening", "Vortex-Induced Response"};

// Runs step in the next dialog, recording its caption, then closes it with
// Escape as a user would.
void ExpectDialogNext(std::string& caption, std::function<void(CWnd&)> step = {}) {
  OnNextDialog([&caption, step](CWnd& dialog) {
    caption = Caption(dialog);
    if (step) step(dialog);
    PressKey(Key::Escape);
  });
}

std::set<int> VisibleIds(const CWnd& dialog) {
  const std::vector<int> ids = VisibleControlIds(dialog);
  return {ids.begin(), ids.end()};
}

class MainSelectDlgTest : public ::testing::Test {
 protected:
  ScriptedServices services;  // nothing reaches the desktop
  CMainSelectDlg mainDialog;
  MessageBoxAnswerer boxes;
};

TEST_F(MainSelectDlgTest, ChoosingCalculateOpensTheCalculatorAgainAndAgain) {
  const INT_PTR result = RunModal(mainDialog, [&] {
    EXPECT_EQ(FocusedId(), IDCANCEL);
    EXPECT_EQ(ListRows(mainDialog, IDC_ANALYSIS_SELECT), kEntries);

    // The first opening leaves choices behind; the second must start afresh.
    std::string caption;
    ExpectDialogNext(caption, [](CWnd& calculator) {
      ClickRow(calculator, IDC_ANALYSIS_LIST, 2);
      ClickRow(calculator, IDC_UNITS_LIST, 1);
      TypeInto(calculator, IDC_SLOT_INPUT1, "0.2");
    });
    ClickRow(mainDialog, IDC_ANALYSIS_SELECT, 0);
    EXPECT_EQ(caption, "Strouhal Number Calculator");
    EXPECT_EQ(ListSelection(mainDialog, IDC_ANALYSIS_SELECT), LB_ERR);
    EXPECT_EQ(ListRows(mainDialog, IDC_ANALYSIS_SELECT), kEntries);

    caption.clear();
    std::set<int> visibleOnReopening;
    ExpectDialogNext(caption, [&](CWnd& calculator) {
      visibleOnReopening = VisibleIds(calculator);
      EXPECT_EQ(ControlText(calculator, IDC_SLOT_INPUT1), " ");
    });
    ClickRow(mainDialog, IDC_ANALYSIS_SELECT, 0);
    EXPECT_EQ(caption, "Strouhal Number Calculator");
    EXPECT_EQ(visibleOnReopening, (std::set<int>{IDOK, IDCANCEL, IDC_ANALYSIS_LIST}));
    EXPECT_EQ(ListSelection(mainDialog, IDC_ANALYSIS_SELECT), LB_ERR);

    Click(mainDialog, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(MainSelectDlgTest, TheOtherEntriesOpenTheirAnalysesAndTheButtonTheContactDialog) {
  RunModal(mainDialog, [&] {
    std::string caption;
    ExpectDialogNext(caption);
    ClickRow(mainDialog, IDC_ANALYSIS_SELECT, 1);
    EXPECT_EQ(caption, "Strouhal and Reynolds Number Correlation");
    EXPECT_EQ(ListSelection(mainDialog, IDC_ANALYSIS_SELECT), LB_ERR);

    caption.clear();
    ExpectDialogNext(caption);
    ClickRow(mainDialog, IDC_ANALYSIS_SELECT, 2);
    EXPECT_EQ(caption, "Lock-in Screening");
    EXPECT_EQ(ListSelection(mainDialog, IDC_ANALYSIS_SELECT), LB_ERR);

    caption.clear();
    ExpectDialogNext(caption);
    ClickRow(mainDialog, IDC_ANALYSIS_SELECT, 3);
    EXPECT_EQ(caption, "Vortex-Induced Response");
    EXPECT_EQ(ListSelection(mainDialog, IDC_ANALYSIS_SELECT), LB_ERR);

    caption.clear();
    ExpectDialogNext(caption);
    Click(mainDialog, IDC_VISIT_WEB_SITE);
    EXPECT_EQ(caption, "Contact Information");
    PressKey(Key::Escape);
  });
  RunModal(mainDialog, [&] {
    // From the keyboard: from "Exit" past the list to the button; Enter presses it.
    std::string caption;
    ExpectDialogNext(caption);
    PressKey(Key::Tab);
    PressKey(Key::Tab);
    ASSERT_EQ(FocusedId(), IDC_VISIT_WEB_SITE);
    PressKey(Key::Return);
    EXPECT_EQ(caption, "Contact Information");
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(services.shellCalls.empty());
}

TEST_F(MainSelectDlgTest, TheKeyboardReachesEveryEntryOfTheList) {
  struct Case {
    const char* keys;
    Key key;
    unsigned modifiers;
    const char* opens;
    const char* letter = nullptr;  // typed instead of the key
  };
  // Selection opens the dialog at once, so the first key from the unselected
  // list decides which. The system's list box answers it with the entry
  // under its caret, the first; there the entries' initials reach the others.
  const bool keysMove = ListKeysMoveFromBeforeTheFirstEntry();
  const char* const last = keysMove ? "Vortex-Induced Response" : "Strouhal Number Calculator";
  std::vector<Case> cases = {{"Down", Key::Down, kNoModifier, "Strouhal Number Calculator"},
                             {"Home", Key::Home, kNoModifier, "Strouhal Number Calculator"},
                             {"End", Key::End, kNoModifier, last},
                             {"Ctrl+End", Key::End, kControl, last},
                             // The list shows its four entries: a page reaches the last.
                             {"Page Down", Key::PageDown, kNoModifier, last}};
  if (!keysMove) {
    cases.push_back({"S", Key::Space, kNoModifier, "Strouhal and Reynolds Number Correlation", "S"});
    cases.push_back({"L", Key::Space, kNoModifier, "Lock-in Screening", "L"});
    cases.push_back({"V", Key::Space, kNoModifier, "Vortex-Induced Response", "V"});
  }
  RunModal(mainDialog, [&] {
    for (const Case& c : cases) {
      PressKey(Key::Tab);
      ASSERT_EQ(FocusedId(), IDC_ANALYSIS_SELECT) << c.keys;
      std::string caption;
      ExpectDialogNext(caption);
      if (c.letter) {
        TypeText(c.letter);
      } else {
        PressKey(c.key, c.modifiers);
      }
      EXPECT_EQ(caption, c.opens) << c.keys;
      FocusControl(mainDialog, IDCANCEL);
    }
    PressKey(Key::Escape);
  });
}

TEST_F(MainSelectDlgTest, ExitEscapeEnterAndCloseEndTheDialog) {
  EXPECT_EQ(RunModal(mainDialog, [&] { Click(mainDialog, IDCANCEL); }), IDCANCEL);
  EXPECT_EQ(RunModal(mainDialog, [&] { PressKey(Key::Escape); }), IDCANCEL);
  // Right after opening Enter presses "Exit", which has the focus; where
  // the system's dialog manager has not made it the default button yet,
  // Enter is OK, which ends the dialog too.
  EXPECT_EQ(RunModal(mainDialog, [&] { PressKey(Key::Return); }),
            EnterAtOpeningPressesTheFocusedButton() ? IDCANCEL : IDOK);
  EXPECT_EQ(RunModal(mainDialog, [&] { mainDialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }), IDCANCEL);
  EXPECT_EQ(RunModal(mainDialog, [&] { PressCloseBox(mainDialog); }), IDCANCEL);
}

TEST_F(MainSelectDlgTest, EnterOnTheListEndsTheDialogThroughOk) {
  const INT_PTR result = RunModal(mainDialog, [&] {
    PressKey(Key::Tab);
    ASSERT_EQ(FocusedId(), IDC_ANALYSIS_SELECT);
    PressKey(Key::Return);
  });
  EXPECT_EQ(result, IDOK);
}

TEST_F(MainSelectDlgTest, TheSystemMenuEndsWithASeparatorAndTheAboutItemWhichOpensTheAboutBox) {
  for (int opening = 0; opening < 2; ++opening) {
    RunModal(mainDialog, [&] {
      std::vector<std::string> items;
      std::string caption;
      OnNextMenu(&items, 'a');
      OnNextDialog([&caption](CWnd& about) {
        caption = Caption(about);
        PressKey(Key::Return);  // "OK", the default button
      });
      PressKey(Key::Space, kAlt);
      ASSERT_GE(items.size(), 3u);
      EXPECT_EQ(std::count(items.begin(), items.end(), kAboutItem), 1) << "opening " << opening;
      EXPECT_EQ(std::vector<std::string>(items.end() - 2, items.end()), (std::vector<std::string>{"-", kAboutItem}));
      EXPECT_EQ(caption, "About VortexCalc");
      EXPECT_TRUE(IsOpen(mainDialog));
      PressKey(Key::Escape);
    });
  }
}

TEST_F(MainSelectDlgTest, TheAboutCommandOpensTheAboutBoxWhateverItsLowBits) {
  RunModal(mainDialog, [&] {
    // The command's low four bits are the system's own and do not matter.
    for (const UINT command : {IDM_ABOUTBOX, IDM_ABOUTBOX | 0x000Fu}) {
      std::string caption;
      OnNextDialog([&caption](CWnd& about) {
        caption = Caption(about);
        PressKey(Key::Return);
      });
      mainDialog.SendMessage(WM_SYSCOMMAND, command, 0);
      EXPECT_EQ(caption, "About VortexCalc") << command;
      EXPECT_TRUE(IsOpen(mainDialog));
    }
    PressKey(Key::Escape);
  });
}

// The colour of pixel (x, y) of an icon image over background.
COLORREF IconColor(std::span<const char* const> rows, int x, int y, COLORREF background) {
  const PixelRgba pixel = IconPixelColor(rows[static_cast<std::size_t>(y)][x]);
  return pixel.alpha == 0 ? background : RGB(pixel.red, pixel.green, pixel.blue);
}

TEST_F(MainSelectDlgTest, MinimisedItPaintsItsIconCentredInTheClientArea) {
  RunModal(mainDialog, [&] {
    mainDialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(mainDialog.IsIconic());
    const Image painted = Grab(mainDialog, 0);
    const COLORREF background = DialogBackgroundColor();
    const int x = (painted.width - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (painted.height - GetSystemMetrics(SM_CYICON) + 1) / 2;
    // Icon 128 as its resource data and palette say, on the background.
    const auto expected = [&](int px, int py) -> COLORREF {
      if (px < x || px >= x + 32 || py < y || py >= y + 32) return background;
      return IconColor(resources::kMainFrameIcon.large, px - x, py - y, background);
    };
    int mismatches = 0;
    for (int py = 0; py < painted.height; ++py) {
      for (int px = 0; px < painted.width; ++px) mismatches += painted.At(px, py) != expected(px, py);
    }
    EXPECT_EQ(mismatches, 0);

    mainDialog.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_FALSE(mainDialog.IsIconic());
    PressKey(Key::Escape);
  });
}

// The big icon shows the 32x32 image and the small one the 16x16 image,
// not the big one shrunk; dragging shows the icon too.
TEST_F(MainSelectDlgTest, TheWindowsIconsAreTheIconsOwnImagesAndItsDragIcon) {
  RunModal(mainDialog, [&] {
    HICON icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    ASSERT_TRUE(icon);
    EXPECT_EQ(reinterpret_cast<HICON>(mainDialog.SendMessage(WM_QUERYDRAGICON)), icon);
    const COLORREF background = DialogBackgroundColor();
    const auto mismatches = [&](const Image& shown, std::span<const char* const> rows) {
      int count = 0;
      for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) count += shown.At(x, y) != IconColor(rows, x, y, background);
      }
      return count;
    };
    const Image bigImage = DialogIconImage(mainDialog, true);
    const Image smallImage = DialogIconImage(mainDialog, false);
    ASSERT_EQ(bigImage.width, 32);
    EXPECT_EQ(mismatches(bigImage, resources::kMainFrameIcon.large), 0);
    ASSERT_EQ(smallImage.width, 16);
    EXPECT_EQ(mismatches(smallImage, resources::kMainFrameIcon.small), 0);
    PressKey(Key::Escape);
  });
}

}  // namespace
