// The life of a modal dialog: binding its wrappers once per window, opening
// the same object again with fresh windows, and dialogs opened from the
// handlers of others.

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <string>

#include "framework/qt/window.h"
#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

class CCountingStatic : public CStatic {
 public:
  int preSubclassCalls = 0;
  void PreSubclassWindow() override {
    ++preSubclassCalls;
    CStatic::PreSubclassWindow();
  }
};

class CBindingDlg : public CRecordingDlg {
 public:
  CBindingDlg() : CRecordingDlg(IDD_FORM) {}
  CCountingStatic caption;
  CEdit name;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_CAPTION, caption);
    DDX_Control(dx, IDC_NAME, name);
  }
};

}  // namespace

TEST(DDX_Control, BindsOncePerWindowAndRunsPreSubclassWindowOncePerOpening) {
  CBindingDlg dialog;
  RunModal(dialog, [&] {
    HWND bound = dialog.caption.m_hWnd;
    EXPECT_EQ(bound, dialog.m_hWnd->Child(IDC_CAPTION));
    dialog.UpdateData(TRUE);
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.caption.m_hWnd, bound);
    EXPECT_EQ(CWnd::FromHandlePermanent(bound), &dialog.caption);
  });
  EXPECT_EQ(dialog.exchanges, (std::vector<BOOL>{FALSE, TRUE, FALSE}));
  EXPECT_EQ(dialog.caption.preSubclassCalls, 1);
  // The window is gone, and nothing points to it any more.
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.caption.m_hWnd, nullptr);
  EXPECT_EQ(dialog.name.m_hWnd, nullptr);
}

TEST(DoModal, TheSameObjectOpensAgainWithFreshWindows) {
  CBindingDlg dialog;
  QPointer<QWidget> firstName;
  RunModal(dialog, [&] {
    firstName = WidgetOf(dialog.name);
    dialog.name.SetWindowText("typed in the first opening");
  });
  EXPECT_TRUE(firstName.isNull());
  dialog.received.clear();

  bool freshWidget = false;
  CString textAtSecondOpening;
  RunModal(dialog, [&] {
    QWidget* name = WidgetOf(dialog.name);
    freshWidget = name && name->parentWidget() == WidgetOf(dialog) && name->isVisible();
    textAtSecondOpening = dialog.name.GetWindowText();
    dialog.name.SetWindowText("second");
  });
  EXPECT_TRUE(freshWidget);
  EXPECT_EQ(textAtSecondOpening, "");
  EXPECT_EQ(dialog.received, (std::vector<Received>{{EN_CHANGE, IDC_NAME}}));
  EXPECT_EQ(dialog.caption.preSubclassCalls, 2);
  EXPECT_EQ(dialog.name.m_hWnd, nullptr);
}

TEST(ModalNesting, ADialogOpenedFromAHandlerRunsNestedAndReturnsToTheOuterOne) {
  CFormDlg outer;
  CRecordingDlg inner(IDD_NO_DEFAULT);  // no parent, as the program's dialogs
  std::vector<std::string> events;
  QWidget* innerOwner = nullptr;
  bool outerOpenMeanwhile = false;
  INT_PTR innerResult = 0;
  outer.onReceived = [&](CRecordingDlg&, Received r) {
    if (r.id != IDC_APPLY) return;
    events.push_back("outer handler");
    innerResult = RunModal(inner, [&] {
      events.push_back("inner open");
      innerOwner = WidgetOf(inner)->parentWidget();
      outerOpenMeanwhile = WidgetOf(outer)->isVisible();
      PressKey(Qt::Key_Escape);
    });
    events.push_back("outer handler resumes");
  };
  QWidget* outerWindow = nullptr;
  const INT_PTR outerResult = RunModal(outer, [&] {
    outerWindow = WidgetOf(outer);
    ClickAt(ControlOf(outer, IDC_APPLY));
    events.push_back("outer loop");
    // In front again, it takes the keys, whatever a window manager would do.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == outerWindow; }));
    PressKey(Qt::Key_Escape);
  });
  EXPECT_EQ(events, (std::vector<std::string>{"outer handler", "inner open", "outer handler resumes", "outer loop"}));
  EXPECT_EQ(innerOwner, outerWindow);  // owned by the dialog in front
  EXPECT_TRUE(outerOpenMeanwhile);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_EQ(outerResult, IDCANCEL);
  EXPECT_EQ(inner.cancelCalls, 1);
  EXPECT_EQ(outer.cancelCalls, 1);
}

TEST(ModalNesting, AListsSelectionHandlerMayRunADialogAndRefillTheList) {
  // As the program's main dialog does: each choice opens a dialog, and the
  // list is refilled afterwards so that no entry stays selected.
  CFormDlg outer;
  CRecordingDlg inner(IDD_NO_DEFAULT);
  auto fill = [&outer] {
    outer.choices.ResetContent();
    outer.choices.InsertString(0, "first");
    outer.choices.InsertString(1, "second");
  };
  outer.onInit = [&](CRecordingDlg&) { fill(); };
  std::vector<int> chosen;
  std::vector<INT_PTR> innerResults;
  outer.onReceived = [&](CRecordingDlg&, Received r) {
    if (r != Received{LBN_SELCHANGE, IDC_CHOICES}) return;
    chosen.push_back(outer.choices.GetCurSel());
    innerResults.push_back(RunModal(inner, [] { PressKey(Qt::Key_Escape); }));
    fill();
  };
  std::vector<int> selectionAfter;
  RunModal(outer, [&] {
    auto* list = qobject_cast<QListWidget*>(ControlOf(outer, IDC_CHOICES));
    for (const int row : {1, 1, 0}) {
      ClickAt(list->viewport(), list->visualItemRect(list->item(row)).center());
      selectionAfter.push_back(outer.choices.GetCurSel());
    }
  });
  EXPECT_EQ(chosen, (std::vector{1, 1, 0}));  // the same entry again is a new choice
  EXPECT_EQ(innerResults, (std::vector<INT_PTR>{IDCANCEL, IDCANCEL, IDCANCEL}));
  EXPECT_EQ(selectionAfter, (std::vector{-1, -1, -1}));
}
