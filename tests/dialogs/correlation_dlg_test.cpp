// The correlation dialog as a user drives it: a Reynolds number typed,
// "Calculate" or Enter, the result shown and hidden again.

#include <gtest/gtest.h>

#include <QApplication>

#include "dialogs/correlation_dlg.h"
#include "res/resource.h"
#include "tests/dialogs/dialog_driving.h"

namespace {

class CorrelationDlgTest : public ::testing::Test {
 protected:
  bool ResultShown() const {
    const std::set<int> visible = VisibleControlIds(correlation);
    const bool group = visible.contains(IDC_STROUHAL_GROUP);
    EXPECT_EQ(group, visible.contains(IDC_STROUHAL_VALUE)) << "the group and its value go together";
    return group;
  }
  QString Result() const { return EditOf(correlation, IDC_STROUHAL_VALUE)->text(); }
  QLineEdit* Input() const { return EditOf(correlation, IDC_REYNOLDS_INPUT); }

  CCorrelationDlg correlation;
  MessageBoxWatcher boxes;
};

TEST_F(CorrelationDlgTest, OpensWithoutAResultAndShowsZeroForAnEmptyInput) {
  RunModal(correlation, [&](QWidget*) {
    EXPECT_FALSE(ResultShown());
    EXPECT_EQ(VisibleControlIds(correlation), (std::set<int>{IDOK, IDCANCEL, IDC_REYNOLDS_INPUT, IDC_REYNOLDS_GROUP}));
    EXPECT_TRUE(AllUnnamedControlsVisible(correlation));
    EXPECT_EQ(QApplication::focusWidget(), ControlOf(correlation, IDOK));
    EXPECT_EQ(Input()->text(), "");

    ClickControl(correlation, IDOK);
    EXPECT_TRUE(ResultShown());
    EXPECT_EQ(Result(), "0.000");
    PressKey(Qt::Key_Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CorrelationDlgTest, ShowsTheStrouhalNumberForTypedReynoldsNumbers) {
  struct Case {
    const char* reynolds;
    const char* strouhal;
  };
  // 40 lies in the first interval, where the log-log rule has no finite value.
  const Case cases[] = {{"1000", "0.210"}, {"2e5", "0.196"}, {"40", "0.065"}, {"no number", "0.000"},
                        {"1e9", "0.230"},  {"-50", "0.000"}};
  RunModal(correlation, [&](QWidget*) {
    for (const Case& c : cases) {
      ReplaceText(Input(), c.reynolds);
      ClickControl(correlation, IDOK);
      EXPECT_TRUE(ResultShown()) << c.reynolds;
      EXPECT_EQ(Result(), c.strouhal) << c.reynolds;
    }
    PressKey(Qt::Key_Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CorrelationDlgTest, TypingAnotherDigitHidesTheResult) {
  RunModal(correlation, [&](QWidget*) {
    TypeInto(Input(), "1000");
    ClickControl(correlation, IDOK);
    ASSERT_EQ(Result(), "0.210");
    TypeInto(Input(), "0");
    EXPECT_FALSE(ResultShown());
    EXPECT_EQ(Result(), " ");
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(CorrelationDlgTest, EnterInTheInputCalculatesAndEscapeCloses) {
  const INT_PTR result = RunModal(correlation, [&](QWidget* window) {
    TypeInto(Input(), "1000");
    ASSERT_EQ(QApplication::focusWidget(), Input());
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(ResultShown());
    EXPECT_EQ(Result(), "0.210");
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(CorrelationDlgTest, ReturnAndTheCloseBoxCloseItAndReopeningStartsHidden) {
  EXPECT_EQ(RunModal(correlation,
                     [&](QWidget*) {
                       TypeInto(Input(), "1000");
                       ClickControl(correlation, IDOK);
                       ClickControl(correlation, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(RunModal(correlation,
                     [&](QWidget* window) {
                       EXPECT_FALSE(ResultShown());
                       EXPECT_EQ(Input()->text(), "");
                       window->close();
                     }),
            IDCANCEL);
}

}  // namespace
