// Notifications: an edit notifies every change of its text, a list box only
// the selections its user makes; list contents keep their insertion order,
// and the keyboard reaches every entry.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

std::size_t Count(const std::vector<Received>& received, Received which) {
  return static_cast<std::size_t>(std::count(received.begin(), received.end(), which));
}

}  // namespace

TEST(EditChange, EveryChangeOfTheTextNotifiesButSettingTheSameTextDoesNot) {
  CFormDlg dialog;
  dialog.onInit = [](CRecordingDlg& self) { static_cast<CFormDlg&>(self).note.SetWindowText("set while opening"); };
  const Received nameChanged{EN_CHANGE, IDC_NAME};
  std::vector<std::size_t> counts;
  RunModal(dialog, [&] {
    auto countNow = [&] { counts.push_back(Count(dialog.received, nameChanged)); };
    TypeInto(dialog, IDC_NAME, "ab");
    countNow();
    dialog.name.SetWindowText("xyz");
    countNow();
    dialog.name.SetWindowText("xyz");
    countNow();
    dialog.name.ShowWindow(SW_HIDE);
    dialog.name.SetWindowText(" ");
    countNow();
    PressKey(Key::Escape);
  });
  EXPECT_EQ(counts, (std::vector<std::size_t>{2, 3, 3, 4}));
  EXPECT_EQ(Count(dialog.received, {EN_CHANGE, IDC_NOTE}), 1u);
}

TEST(ListSelection, OnlyTheUsersSelectionsNotifyOnceEach) {
  CFormDlg dialog;
  std::vector<std::size_t> counts;
  std::vector<int> selections;
  RunModal(dialog, [&] {
    CListBox& list = dialog.choices;
    auto note = [&] {
      counts.push_back(dialog.received.size());
      selections.push_back(list.GetCurSel());
    };
    list.InsertString(0, "zero");
    list.InsertString(1, "one");
    list.ResetContent();
    list.InsertString(0, "zero");
    list.InsertString(1, "one");
    list.InsertString(2, "two");
    note();
    ClickRow(dialog, IDC_CHOICES, 1);
    note();
    PressKey(Key::Down);
    note();
    ClickBelowLastRow(dialog, IDC_CHOICES);
    note();
    PressKey(Key::Escape);
  });
  EXPECT_EQ(counts, (std::vector<std::size_t>{0, 1, 2, 2}));
  EXPECT_EQ(selections, (std::vector{-1, 1, 2, 2}));
  EXPECT_EQ(Count(dialog.received, {LBN_SELCHANGE, IDC_CHOICES}), 2u);
}

TEST(ListSelection, TabbingIntoAnUnselectedListSelectsNothingUntilTheFirstDown) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    dialog.choices.InsertString(0, "zero");
    dialog.choices.InsertString(1, "one");
    FocusControl(dialog, IDC_NOTE);
    PressKey(Key::Tab);
    EXPECT_EQ(FocusedId(), IDC_CHOICES);
    EXPECT_EQ(dialog.choices.GetCurSel(), LB_ERR);
    EXPECT_EQ(Count(dialog.received, {LBN_SELCHANGE, IDC_CHOICES}), 0u);
    PressKey(Key::Down);
    EXPECT_EQ(dialog.choices.GetCurSel(), 0);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(Count(dialog.received, {LBN_SELCHANGE, IDC_CHOICES}), 1u);
}

TEST(ListSelection, FromNoSelectionEveryNavigationKeyReachesItsEntry) {
  struct Case {
    const char* name;
    Key key;
    unsigned modifiers;
  };
  constexpr int kEntries = 12;
  for (const Case& c : {Case{"End", Key::End, kNoModifier}, Case{"Ctrl+End", Key::End, kControl},
                        Case{"Page Down", Key::PageDown, kNoModifier}, Case{"Down", Key::Down, kNoModifier},
                        Case{"Home", Key::Home, kNoModifier}}) {
    SCOPED_TRACE(c.name);
    CFormDlg dialog;
    int selected = LB_ERR;
    RunModal(dialog, [&] {
      for (int i = 0; i < kEntries; ++i) dialog.choices.InsertString(i, ("entry " + std::to_string(i)).c_str());
      FocusControl(dialog, IDC_CHOICES);
      PressKey(c.key, c.modifiers);
      selected = dialog.choices.GetCurSel();
      PressKey(Key::Escape);
    });
    EXPECT_EQ(Count(dialog.received, {LBN_SELCHANGE, IDC_CHOICES}), 1u);
    if (!ListKeysMoveFromBeforeTheFirstEntry()) {
      EXPECT_EQ(selected, 0);  // the entry under the caret, whatever the key
    } else if (c.key == Key::End) {
      EXPECT_EQ(selected, kEntries - 1);
    } else if (c.key == Key::PageDown) {
      // A page down from before the first entry: past it, short of the end
      // (the list shows a few of its twelve entries).
      EXPECT_GT(selected, 0);
      EXPECT_LT(selected, kEntries - 1);
    } else {
      EXPECT_EQ(selected, 0);
    }
  }
}

TEST(ListBox, InsertStringKeepsInsertionOrderEvenWithTheSortStyle) {
  CFormDlg dialog;
  std::vector<int> inserted;
  std::vector<std::string> rows;
  RunModal(dialog, [&] {
    CListBox& list = dialog.choices;  // has the sort style
    for (auto [index, text] : {std::pair{0, "pear"}, {1, "apple"}, {-1, "fig"}, {1, "kiwi"}, {9, "beyond the end"}}) {
      inserted.push_back(list.InsertString(index, text));
    }
    rows = ListRows(dialog, IDC_CHOICES);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(inserted, (std::vector{0, 1, 2, 1, LB_ERR}));
  EXPECT_EQ(rows, (std::vector<std::string>{"pear", "kiwi", "apple", "fig"}));
}
