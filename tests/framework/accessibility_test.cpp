// What a screen reader is told about a dialog's controls, and keyboard use
// of a static that notifies (a link).

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

QAccessibleInterface* AccessibleOf(const CWnd& dialog, int id) {
  return QAccessible::queryAccessibleInterface(ControlOf(dialog, id));
}

QString NameOf(const CWnd& dialog, int id) { return AccessibleOf(dialog, id)->text(QAccessible::Name); }

}  // namespace

TEST(Accessibility, EditFieldsAreNamedByTheLabelAboveThemAndFollowItsText) {
  CFormDlg dialog;
  QString before;
  QString after;
  QString unlabelled;
  RunModal(dialog, [&] {
    before = NameOf(dialog, IDC_NOTE);
    dialog.caption.SetWindowText("Remarks");
    after = NameOf(dialog, IDC_NOTE);
    unlabelled = NameOf(dialog, IDC_NAME);
  });
  EXPECT_EQ(before, "Caption");
  EXPECT_EQ(after, "Remarks");
  EXPECT_EQ(unlabelled, "");  // nothing above it, no frame around it
}

TEST(Accessibility, StaticsReadAsTextAndNotifyingStaticsAsLinksThatCanBePressed) {
  CFormDlg dialog;
  QAccessible::Role captionRole{};
  QAccessible::Role linkRole{};
  QString linkName;
  QStringList actions;
  RunModal(dialog, [&] {
    captionRole = AccessibleOf(dialog, IDC_CAPTION)->role();
    QAccessibleInterface* link = AccessibleOf(dialog, IDC_NOTIFY_LABEL);
    linkRole = link->role();
    linkName = link->text(QAccessible::Name);
    actions = link->actionInterface()->actionNames();
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  });
  EXPECT_EQ(captionRole, QAccessible::StaticText);
  EXPECT_EQ(linkRole, QAccessible::Link);
  EXPECT_EQ(linkName, "Notify me");
  EXPECT_EQ(actions, QStringList{QAccessibleActionInterface::pressAction()});
  EXPECT_EQ(dialog.received, (std::vector<Received>{{STN_CLICKED, IDC_NOTIFY_LABEL}}));
}

TEST(LinkKeyboard, SpaceAndEnterOnAFocusedLinkClickItWithoutPressingTheDefaultButton) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    ControlOf(dialog, IDC_NOTIFY_LABEL)->setFocus(Qt::TabFocusReason);
    PressKey(Qt::Key_Space);
    PressKey(Qt::Key_Return);
  });
  EXPECT_EQ(dialog.received,
            (std::vector<Received>{{STN_CLICKED, IDC_NOTIFY_LABEL}, {STN_CLICKED, IDC_NOTIFY_LABEL}}));
  EXPECT_EQ(dialog.okCalls, 0);
}
