// On Qt the framework draws statics itself, and it makes a static that
// notifies a link a screen reader and the keyboard know: the roles Qt
// reports, and Space and Enter on a focused link.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver_qt.h"

using namespace gui_test;

TEST(Accessibility, StaticsReadAsTextAndNotifyingStaticsAsLinksThatCanBePressed) {
  CFormDlg dialog;
  QAccessible::Role captionRole{};
  QAccessible::Role linkRole{};
  QString linkName;
  QStringList actions;
  RunModal(dialog, [&] {
    captionRole = QAccessible::queryAccessibleInterface(WidgetOf(dialog, IDC_CAPTION))->role();
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(WidgetOf(dialog, IDC_NOTIFY_LABEL));
    linkRole = link->role();
    linkName = link->text(QAccessible::Name);
    actions = link->actionInterface()->actionNames();
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    PressKey(Key::Escape);
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
    FocusControl(dialog, IDC_NOTIFY_LABEL);
    PressKey(Key::Space);
    PressKey(Key::Return);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(dialog.received,
            (std::vector<Received>{{STN_CLICKED, IDC_NOTIFY_LABEL}, {STN_CLICKED, IDC_NOTIFY_LABEL}}));
  EXPECT_EQ(dialog.okCalls, 0);
}
