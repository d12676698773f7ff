// Notifications: an edit notifies every change of its text, a list box
// only the selections its user makes; list contents keep their insertion
// order unless the program asks for sorting.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <string>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

std::size_t Count(const std::vector<Received>& received, Received which) {
  return static_cast<std::size_t>(std::count(received.begin(), received.end(), which));
}

QListWidget* ListOf(const CWnd& dialog, int id) { return qobject_cast<QListWidget*>(ControlOf(dialog, id)); }

std::vector<std::string> Entries(const CListBox& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.GetCount(); ++i) {
    CString text;
    list.GetText(i, text);
    entries.push_back(text.str());
  }
  return entries;
}

}  // namespace

TEST(EditChange, EveryChangeOfTheTextNotifiesButSettingTheSameTextDoesNot) {
  CFormDlg dialog;
  dialog.onInit = [](CRecordingDlg& self) { static_cast<CFormDlg&>(self).note.SetWindowText("set while opening"); };
  const Received nameChanged{EN_CHANGE, IDC_NAME};
  std::vector<std::size_t> counts;
  RunModal(dialog, [&] {
    auto countNow = [&] { counts.push_back(Count(dialog.received, nameChanged)); };
    QTest::keyClicks(ControlOf(dialog, IDC_NAME), "ab");
    countNow();
    dialog.name.SetWindowText("xyz");
    countNow();
    dialog.name.SetWindowText("xyz");
    countNow();
    dialog.name.ShowWindow(SW_HIDE);
    dialog.name.SetWindowText(" ");
    countNow();
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
    list.SetCurSel(1);
    list.ResetContent();
    list.InsertString(0, "zero");
    list.InsertString(1, "one");
    list.InsertString(2, "two");
    note();
    QListWidget* widget = ListOf(dialog, IDC_CHOICES);
    ClickAt(widget->viewport(), widget->visualItemRect(widget->item(1)).center());
    note();
    PressKey(Qt::Key_Down);
    note();
    ClickAt(widget->viewport(), QPoint(5, widget->viewport()->height() - 3));  // below the last entry
    note();
    list.SetCurSel(0);
    note();
  });
  EXPECT_EQ(counts, (std::vector<std::size_t>{0, 1, 2, 2, 2}));
  EXPECT_EQ(selections, (std::vector{-1, 1, 2, 2, 0}));
  EXPECT_EQ(Count(dialog.received, {LBN_SELCHANGE, IDC_CHOICES}), 2u);
}

TEST(ListSelection, TabbingIntoAnUnselectedListSelectsNothingUntilTheFirstDown) {
  CFormDlg dialog;
  int afterTab = 0;
  std::size_t notifiedAfterTab = 0;
  int afterDown = 0;
  RunModal(dialog, [&] {
    dialog.choices.InsertString(0, "zero");
    dialog.choices.InsertString(1, "one");
    dialog.note.SetFocus();
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), IDC_CHOICES);
    afterTab = dialog.choices.GetCurSel();
    notifiedAfterTab = Count(dialog.received, {LBN_SELCHANGE, IDC_CHOICES});
    PressKey(Qt::Key_Down);
    afterDown = dialog.choices.GetCurSel();
  });
  EXPECT_EQ(afterTab, LB_ERR);
  EXPECT_EQ(notifiedAfterTab, 0u);
  EXPECT_EQ(afterDown, 0);
  EXPECT_EQ(Count(dialog.received, {LBN_SELCHANGE, IDC_CHOICES}), 1u);
}

TEST(ListBox, InsertStringKeepsInsertionOrderEvenWithTheSortStyleWhileAddStringSorts) {
  CFormDlg dialog;
  std::vector<int> inserted;
  std::vector<std::string> byInsertion;
  std::vector<std::string> sorted;
  std::vector<std::string> appended;
  RunModal(dialog, [&] {
    CListBox& list = dialog.choices;  // has the sort style
    for (auto [index, text] : {std::pair{0, "pear"}, {1, "apple"}, {-1, "fig"}, {1, "kiwi"}, {9, "beyond the end"}}) {
      inserted.push_back(list.InsertString(index, text));
    }
    byInsertion = Entries(list);
    list.ResetContent();
    for (const char* text : {"pear", "Apple", "fig"}) list.AddString(text);
    sorted = Entries(list);
    for (const char* text : {"pear", "Apple", "fig"}) dialog.plainList.AddString(text);
    appended = Entries(dialog.plainList);
  });
  EXPECT_EQ(inserted, (std::vector{0, 1, 2, 1, LB_ERR}));
  EXPECT_EQ(byInsertion, (std::vector<std::string>{"pear", "kiwi", "apple", "fig"}));
  EXPECT_EQ(sorted, (std::vector<std::string>{"Apple", "fig", "pear"}));
  EXPECT_EQ(appended, (std::vector<std::string>{"pear", "Apple", "fig"}));
}
