// What a screen reader announces in the program's dialogs, and the contact
// links used from the keyboard.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>

#include "app/main_select_dlg.h"
#include "dialogs/calculator_dlg.h"
#include "dialogs/contact_dlg.h"
#include "dialogs/correlation_dlg.h"
#include "res/contact_config.h"
#include "res/resource.h"
#include "tests/dialogs/dialog_driving.h"
#include "tests/support/scripted_services.h"

namespace {

QAccessibleInterface* AccessibleOf(const CWnd& dialog, int id) {
  return QAccessible::queryAccessibleInterface(ControlOf(dialog, id));
}

QString NameOf(const CWnd& dialog, int id) { return AccessibleOf(dialog, id)->text(QAccessible::Name); }

constexpr int kDiameter = 2;
constexpr int kStrouhal = 0;
constexpr int kMetric = 1;

}  // namespace

TEST(Accessibility, CalculatorFieldsAreNamedByTheirCurrentLabels) {
  CCalculatorDlg calculator;
  MessageBoxWatcher boxes;
  RunModal(calculator, [&](QWidget*) {
    EXPECT_EQ(NameOf(calculator, IDC_ANALYSIS_LIST), "Select Analysis");
    EXPECT_EQ(NameOf(calculator, IDC_UNITS_LIST), "Select Units");

    ClickRow(ListOf(calculator, IDC_ANALYSIS_LIST), kDiameter);
    ClickRow(ListOf(calculator, IDC_UNITS_LIST), kMetric);
    EXPECT_EQ(NameOf(calculator, IDC_SLOT_INPUT1), "Strouhal Number");
    EXPECT_EQ(NameOf(calculator, IDC_SLOT_INPUT2), "Frequency of Vortices (Hz)");
    EXPECT_EQ(NameOf(calculator, IDC_SLOT_INPUT3), "Freestream velocity (m/sec)");

    TypeInto(EditOf(calculator, IDC_SLOT_INPUT1), "0.2");
    TypeInto(EditOf(calculator, IDC_SLOT_INPUT2), "10");
    TypeInto(EditOf(calculator, IDC_SLOT_INPUT3), "5");
    ClickControl(calculator, IDOK);
    EXPECT_EQ(NameOf(calculator, IDC_RESULT_VALUE), "Diameter (m)");

    // A new analysis relabels the slots, and the names follow.
    ClickRow(ListOf(calculator, IDC_ANALYSIS_LIST), kStrouhal);
    EXPECT_EQ(NameOf(calculator, IDC_SLOT_INPUT1), "Frequency of Vortices (Hz)");
    ClickControl(calculator, IDCANCEL);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST(Accessibility, CorrelationAndMainListAreNamedByTheirFrames) {
  CCorrelationDlg correlation;
  RunModal(correlation, [&](QWidget*) {
    EXPECT_EQ(NameOf(correlation, IDC_REYNOLDS_INPUT), "Enter Reynolds Number");
    EXPECT_EQ(NameOf(correlation, IDC_STROUHAL_VALUE), "Strouhal Number");
    ClickControl(correlation, IDCANCEL);
  });
  CMainSelectDlg mainDialog;
  RunModal(mainDialog, [&](QWidget*) {
    EXPECT_EQ(NameOf(mainDialog, IDC_ANALYSIS_SELECT), "Select Analysis");
    EXPECT_EQ(NameOf(mainDialog, IDC_VISIT_WEB_SITE), "Visit Web Site");
    ClickControl(mainDialog, IDCANCEL);
  });
}

TEST(Accessibility, ContactLinksAreLinksTheKeyboardReachesAndOpens) {
  ScriptedServices services;
  services.shellResult = 42;
  CContactDlg contact;
  RunModal(contact, [&](QWidget*) {
    EXPECT_EQ(AccessibleOf(contact, IDC_WEB_LINK)->role(), QAccessible::Link);
    EXPECT_EQ(NameOf(contact, IDC_WEB_LINK), QString(contact_config::kWebLabel));

    ASSERT_EQ(QApplication::focusWidget(), ControlOf(contact, IDCANCEL));
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ControlOf(contact, IDC_MAIL_LINK));
    PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), ControlOf(contact, IDC_WEB_LINK));
    PressKey(Qt::Key_Return);
    ASSERT_EQ(services.shellCalls.size(), 1u);
    EXPECT_EQ(services.shellCalls[0].target, contact_config::kWebAddress);
    EXPECT_TRUE(ControlOf(contact, IDC_WEB_LINK)->isVisible()) << "Enter on a link must not close the dialog";
    PressKey(Qt::Key_Escape);
  });
}
