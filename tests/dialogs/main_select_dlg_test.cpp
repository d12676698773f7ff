// The main dialog as a user drives it: the analysis list, "Visit Web Site",
// Exit, Enter and Escape, the system menu with its About item, and the icon
// it paints when minimised.

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <vector>

#include "app/main_select_dlg.h"
#include "framework/qt/gdi_objects.h"
#include "res/resource.h"
#include "tests/dialogs/dialog_driving.h"
#include "tests/support/scripted_services.h"

namespace {

const QString kAboutItem = QStringLiteral("&About VortexCalc...");

// Runs step in the next modal dialog, recording its caption, then closes it
// with Escape as a user would.
void ExpectDialogNext(QString& caption, std::function<void(QWidget*)> step = {}) {
  OnNextDialog([&caption, step](QWidget* window) {
    caption = window->windowTitle();
    if (step) step(window);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Escape);
  });
}

class MainSelectDlgTest : public ::testing::Test {
 protected:
  QListWidget* List() const { return ListOf(mainDialog, IDC_ANALYSIS_SELECT); }

  ScriptedServices services;  // nothing reaches the desktop
  CMainSelectDlg mainDialog;
  MessageBoxWatcher boxes;
};

TEST_F(MainSelectDlgTest, ChoosingCalculateOpensTheCalculatorAgainAndAgain) {
  const INT_PTR result = RunModal(mainDialog, [&](QWidget*) {
    EXPECT_EQ(QApplication::focusWidget(), ControlOf(mainDialog, IDCANCEL));
    ASSERT_EQ(List()->count(), 2);
    EXPECT_EQ(List()->item(0)->text(), "Calculate Strouhal Number");
    EXPECT_EQ(List()->item(1)->text(), "Strouhal and Reynolds Number Correlation");

    // The first opening leaves choices behind; the second must start afresh.
    QString caption;
    ExpectDialogNext(caption, [](QWidget* calculator) {
      CWnd& dialog = DialogOf(calculator);
      ClickRow(ListOf(dialog, IDC_ANALYSIS_LIST), 2);
      ClickRow(ListOf(dialog, IDC_UNITS_LIST), 1);
      TypeInto(EditOf(dialog, IDC_SLOT_INPUT1), "0.2");
    });
    ClickRow(List(), 0);
    EXPECT_EQ(caption, "Strouhal Number Calculator");
    EXPECT_TRUE(List()->selectedItems().isEmpty());
    EXPECT_EQ(List()->count(), 2);

    caption.clear();
    std::set<int> visibleOnReopening;
    ExpectDialogNext(caption, [&](QWidget* calculator) {
      visibleOnReopening = VisibleControlIds(DialogOf(calculator));
      EXPECT_EQ(EditOf(DialogOf(calculator), IDC_SLOT_INPUT1)->text(), " ");
    });
    ClickRow(List(), 0);
    EXPECT_EQ(caption, "Strouhal Number Calculator");
    EXPECT_EQ(visibleOnReopening, (std::set<int>{IDOK, IDCANCEL, IDC_ANALYSIS_LIST}));
    EXPECT_TRUE(List()->selectedItems().isEmpty());

    ClickControl(mainDialog, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(MainSelectDlgTest, TheSecondEntryOpensTheCorrelationAndTheButtonTheContactDialog) {
  RunModal(mainDialog, [&](QWidget*) {
    QString caption;
    ExpectDialogNext(caption);
    ClickRow(List(), 1);
    EXPECT_EQ(caption, "Strouhal and Reynolds Number Correlation");
    EXPECT_TRUE(List()->selectedItems().isEmpty());

    caption.clear();
    ExpectDialogNext(caption);
    ClickControl(mainDialog, IDC_VISIT_WEB_SITE);
    EXPECT_EQ(caption, "Contact Information");
    PressKey(Qt::Key_Escape);
  });
  RunModal(mainDialog, [&](QWidget*) {
    // From the keyboard: from "Exit" past the list to the button; Enter presses it.
    QString caption;
    ExpectDialogNext(caption);
    PressKey(Qt::Key_Tab);
    PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), ControlOf(mainDialog, IDC_VISIT_WEB_SITE));
    PressKey(Qt::Key_Return);
    EXPECT_EQ(caption, "Contact Information");
    PressKey(Qt::Key_Escape);
  });
  EXPECT_TRUE(services.shellCalls.empty());
}

TEST_F(MainSelectDlgTest, ExitEscapeEnterAndCloseEndTheDialog) {
  EXPECT_EQ(RunModal(mainDialog, [&](QWidget*) { ClickControl(mainDialog, IDCANCEL); }), IDCANCEL);
  EXPECT_EQ(RunModal(mainDialog, [&](QWidget*) { PressKey(Qt::Key_Escape); }), IDCANCEL);
  // Right after opening Enter presses "Exit", which has the focus.
  EXPECT_EQ(RunModal(mainDialog, [&](QWidget*) { PressKey(Qt::Key_Return); }), IDCANCEL);
  EXPECT_EQ(RunModal(mainDialog, [&](QWidget*) { mainDialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }),
            IDCANCEL);
  EXPECT_EQ(RunModal(mainDialog, [&](QWidget* window) { window->close(); }), IDCANCEL);
}

TEST_F(MainSelectDlgTest, EnterOnTheListEndsTheDialogThroughOkAfterRefillingTheList) {
  int rowsInserted = 0;
  const INT_PTR result = RunModal(mainDialog, [&](QWidget*) {
    PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), List());
    QObject::connect(List()->model(), &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex&, int first, int last) { rowsInserted += last - first + 1; });
    PressKey(Qt::Key_Return);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(rowsInserted, 2);
}

TEST_F(MainSelectDlgTest, SystemMenuEndsWithASeparatorAndTheAboutItem) {
  for (int opening = 0; opening < 2; ++opening) {
    RunModal(mainDialog, [&](QWidget*) {
      CMenu* menu = mainDialog.GetSystemMenu(FALSE);
      ASSERT_TRUE(menu);
      const int count = menu->GetMenuItemCount();
      ASSERT_GE(count, 4);
      std::vector<UINT> ids;
      for (int i = 0; i < count; ++i) ids.push_back(menu->GetMenuItemID(i));
      // The standard items first (Close among them), once.
      EXPECT_NE(std::find(ids.begin(), ids.end() - 2, SC_CLOSE), ids.end() - 2);
      EXPECT_EQ(std::count(ids.begin(), ids.end(), IDM_ABOUTBOX), 1) << "opening " << opening;
      EXPECT_EQ(ids[static_cast<std::size_t>(count - 2)], 0u) << "a separator before the About item";
      EXPECT_EQ(ids[static_cast<std::size_t>(count - 1)], IDM_ABOUTBOX);
      char text[64];
      menu->GetMenuString(count - 1, text, sizeof text);
      EXPECT_EQ(QString::fromUtf8(text), kAboutItem);
      PressKey(Qt::Key_Escape);
    });
  }
}

TEST_F(MainSelectDlgTest, TheAboutCommandOpensTheAboutBox) {
  RunModal(mainDialog, [&](QWidget* window) {
    // The command's low four bits are the system's own and do not matter.
    for (const UINT command : {IDM_ABOUTBOX, IDM_ABOUTBOX | 0x000Fu}) {
      QString caption;
      OnNextDialog([&caption](QWidget* about) {
        caption = about->windowTitle();
        PressKey(Qt::Key_Return);  // "OK", the default button
      });
      mainDialog.SendMessage(WM_SYSCOMMAND, command, 0);
      EXPECT_EQ(caption, "About VortexCalc") << command;
      EXPECT_TRUE(window->isVisible());
    }
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(MainSelectDlgTest, TheAboutItemOfTheRealSystemMenuOpensTheAboutBox) {
  RunModal(mainDialog, [&](QWidget* window) {
    QString caption;
    QStringList itemTexts;
    OnNextPopupMenu([&](QMenu* popup) {
      auto* menu = qobject_cast<QMenu*>(popup);
      const QList<QAction*> actions = menu->actions();
      for (const QAction* action : actions) itemTexts << (action->isSeparator() ? "-" : action->text());
      OnNextDialog([&caption](QWidget* about) {
        caption = about->windowTitle();
        PressKey(Qt::Key_Return);
      });
      QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(actions.last()).center());
    });
    PressKey(Qt::Key_Space, Qt::AltModifier);
    ASSERT_GE(itemTexts.size(), 3);
    EXPECT_EQ(itemTexts.filter("Close").size(), 1);
    EXPECT_EQ(itemTexts.mid(itemTexts.size() - 2), (QStringList{"-", kAboutItem}));
    EXPECT_EQ(caption, "About VortexCalc");
    EXPECT_TRUE(window->isVisible());
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(MainSelectDlgTest, MinimisedItPaintsItsIconCentredInTheClientArea) {
  RunModal(mainDialog, [&](QWidget* window) {
    HICON icon = ::LoadIcon(IDR_MAINFRAME);
    ASSERT_TRUE(icon);
    const QColor background = window->palette().window().color();
    // A minimised window shows no controls: only the dialog's own painting.
    const auto paintDialogAlone = [window] {
      QImage image(window->size(), QImage::Format_ARGB32);
      image.fill(Qt::magenta);
      window->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
      return image;
    };

    mainDialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(mainDialog.IsIconic());
    const QImage painted = paintDialogAlone();

    QImage expected(window->size(), QImage::Format_ARGB32);
    expected.fill(background);
    {
      const int x = (window->width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
      const int y = (window->height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
      QPainter painter(&expected);
      painter.drawPixmap(x, y, icon->large);
    }
    EXPECT_EQ(painted, expected);

    // Restored, the dialog paints as usual: no icon.
    mainDialog.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_FALSE(mainDialog.IsIconic());
    QImage plain(window->size(), QImage::Format_ARGB32);
    plain.fill(background);
    EXPECT_EQ(paintDialogAlone(), plain);
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(MainSelectDlgTest, TheIconIsTheWindowsIconAndItsDragIcon) {
  RunModal(mainDialog, [&](QWidget* window) {
    HICON icon = ::LoadIcon(IDR_MAINFRAME);
    EXPECT_EQ(reinterpret_cast<HICON>(mainDialog.SendMessage(WM_QUERYDRAGICON)), icon);
    EXPECT_EQ(mainDialog.GetIcon(TRUE), icon);
    EXPECT_EQ(mainDialog.GetIcon(FALSE), icon);
    EXPECT_FALSE(window->windowIcon().isNull());
    PressKey(Qt::Key_Escape);
  });
}

}  // namespace
