// What a screen reader announces in the program's dialogs.

#include <gtest/gtest.h>

#include "app/main_select_dlg.h"
#include "res/contact_config.h"
#include "res/resource.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

constexpr int kDiameter = 2;
constexpr int kStrouhal = 0;
constexpr int kMetric = 1;

}  // namespace

TEST(Accessibility, CalculatorFieldsAreNamedByTheirCurrentLabels) {
  if (!AccessibleNamesKnown()) GTEST_SKIP() << "Wine's oleacc names no control";
  CCalculatorDlg calculator;
  MessageBoxAnswerer boxes;
  RunModal(calculator, [&] {
    EXPECT_EQ(AccessibleName(calculator, IDC_ANALYSIS_LIST), "Select Analysis");
    EXPECT_EQ(AccessibleName(calculator, IDC_UNITS_LIST), "Select Units");

    ClickRow(calculator, IDC_ANALYSIS_LIST, kDiameter);
    ClickRow(calculator, IDC_UNITS_LIST, kMetric);
    EXPECT_EQ(AccessibleName(calculator, IDC_SLOT_INPUT1), "Strouhal Number");
    EXPECT_EQ(AccessibleName(calculator, IDC_SLOT_INPUT2), "Frequency of Vortices (Hz)");
    EXPECT_EQ(AccessibleName(calculator, IDC_SLOT_INPUT3), "Freestream velocity (m/sec)");
    // The read-only labels are tab stops too, and read as their own text.
    EXPECT_EQ(AccessibleName(calculator, IDC_SLOT_LABEL1), "Strouhal Number");
    EXPECT_EQ(AccessibleName(calculator, IDC_SLOT_LABEL3), "Freestream velocity (m/sec)");

    TypeInto(calculator, IDC_SLOT_INPUT1, "0.2");
    TypeInto(calculator, IDC_SLOT_INPUT2, "10");
    TypeInto(calculator, IDC_SLOT_INPUT3, "5");
    Click(calculator, IDOK);
    EXPECT_EQ(AccessibleName(calculator, IDC_RESULT_VALUE), "Diameter (m)");

    // A new analysis relabels the slots, and the names follow.
    ClickRow(calculator, IDC_ANALYSIS_LIST, kStrouhal);
    EXPECT_EQ(AccessibleName(calculator, IDC_SLOT_INPUT1), "Frequency of Vortices (Hz)");
    EXPECT_EQ(AccessibleName(calculator, IDC_SLOT_LABEL1), "Frequency of Vortices (Hz)");
    Click(calculator, IDCANCEL);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST(Accessibility, CorrelationAndMainListAreNamedByTheirFrames) {
  if (!AccessibleNamesKnown()) GTEST_SKIP() << "Wine's oleacc names no control";
  CCorrelationDlg correlation;
  RunModal(correlation, [&] {
    EXPECT_EQ(AccessibleName(correlation, IDC_REYNOLDS_INPUT), "Enter Reynolds Number");
    EXPECT_EQ(AccessibleName(correlation, IDC_STROUHAL_VALUE), "Strouhal Number");
    Click(correlation, IDCANCEL);
  });
  CMainSelectDlg mainDialog;
  RunModal(mainDialog, [&] {
    EXPECT_EQ(AccessibleName(mainDialog, IDC_ANALYSIS_SELECT), "Select Analysis");
    EXPECT_EQ(AccessibleName(mainDialog, IDC_VISIT_WEB_SITE), "Visit Web Site");
    Click(mainDialog, IDCANCEL);
  });
}

// The keyboard reaching the links: contact_dlg_test.cpp.
TEST(Accessibility, ContactLinksAreNamedByTheirText) {
  if (!AccessibleNamesKnown()) GTEST_SKIP() << "Wine's oleacc names no control";
  CContactDlg contact;
  RunModal(contact, [&] {
    EXPECT_EQ(AccessibleName(contact, IDC_WEB_LINK), contact_config::kWebLabel);
    EXPECT_EQ(AccessibleName(contact, IDC_MAIL_LINK), contact_config::kMailLabel);
    PressKey(Key::Escape);
  });
}
