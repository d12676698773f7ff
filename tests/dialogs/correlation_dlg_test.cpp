// The correlation dialog as a user drives it: a Reynolds number typed,
// "Calculate" or Enter, the result shown and hidden again.

#include <gtest/gtest.h>

#include <set>

#include "dialogs/correlation_dlg.h"
#include "res/resource.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

class CorrelationDlgTest : public ::testing::Test {
 protected:
  std::set<int> Visible() const {
    const std::vector<int> ids = VisibleControlIds(correlation);
    return {ids.begin(), ids.end()};
  }
  bool ResultShown() const {
    const std::set<int> visible = Visible();
    const bool group = visible.contains(IDC_STROUHAL_GROUP);
    EXPECT_EQ(group, visible.contains(IDC_STROUHAL_VALUE)) << "the group and its value go together";
    return group;
  }
  std::string Result() const { return ControlText(correlation, IDC_STROUHAL_VALUE); }

  CCorrelationDlg correlation;
  MessageBoxAnswerer boxes;
};

TEST_F(CorrelationDlgTest, OpensWithoutAResultAndShowsZeroForAnEmptyInput) {
  RunModal(correlation, [&] {
    EXPECT_FALSE(ResultShown());
    EXPECT_EQ(Visible(), (std::set<int>{IDOK, IDCANCEL, IDC_REYNOLDS_INPUT, IDC_REYNOLDS_GROUP}));
    EXPECT_TRUE(AllUnnamedControlsVisible(correlation));
    EXPECT_EQ(FocusedId(), IDOK);
    EXPECT_EQ(ControlText(correlation, IDC_REYNOLDS_INPUT), "");

    Click(correlation, IDOK);
    EXPECT_TRUE(ResultShown());
    EXPECT_EQ(Result(), "0.000");
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CorrelationDlgTest, ShowsTheStrouhalNumberForTypedReynoldsNumbers) {
  struct Case {
    const char* reynolds;
    const char* strouhal;
  };
  // 40 lies in the first interval, where the log-log rule has no finite
  // value; 1e400 is beyond a double's range and reads as infinity, which the
  // table's top value covers.
  const Case cases[] = {{"1000", "0.210"}, {"2e5", "0.196"}, {"40", "0.065"},   {"no number", "0.000"},
                        {"1e9", "0.230"},  {"-50", "0.000"}, {"1e400", "0.230"}};
  RunModal(correlation, [&] {
    for (const Case& c : cases) {
      ReplaceText(correlation, IDC_REYNOLDS_INPUT, c.reynolds);
      Click(correlation, IDOK);
      EXPECT_TRUE(ResultShown()) << c.reynolds;
      EXPECT_EQ(Result(), c.strouhal) << c.reynolds;
    }
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CorrelationDlgTest, TypingAnotherDigitHidesTheResult) {
  RunModal(correlation, [&] {
    TypeInto(correlation, IDC_REYNOLDS_INPUT, "1000");
    Click(correlation, IDOK);
    ASSERT_EQ(Result(), "0.210");
    TypeInto(correlation, IDC_REYNOLDS_INPUT, "0");
    EXPECT_FALSE(ResultShown());
    EXPECT_EQ(Result(), " ");
    PressKey(Key::Escape);
  });
}

TEST_F(CorrelationDlgTest, EnterInTheInputCalculatesAndEscapeCloses) {
  const INT_PTR result = RunModal(correlation, [&] {
    TypeInto(correlation, IDC_REYNOLDS_INPUT, "1000");
    ASSERT_EQ(FocusedId(), IDC_REYNOLDS_INPUT);
    PressKey(Key::Return);
    EXPECT_TRUE(IsOpen(correlation));
    EXPECT_TRUE(ResultShown());
    EXPECT_EQ(Result(), "0.210");
    PressKey(Key::Escape);
    EXPECT_FALSE(IsOpen(correlation));
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(CorrelationDlgTest, ReturnAndTheCloseBoxCloseItAndReopeningStartsHidden) {
  EXPECT_EQ(RunModal(correlation,
                     [&] {
                       TypeInto(correlation, IDC_REYNOLDS_INPUT, "1000");
                       Click(correlation, IDOK);
                       Click(correlation, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(RunModal(correlation,
                     [&] {
                       EXPECT_FALSE(ResultShown());
                       EXPECT_EQ(ControlText(correlation, IDC_REYNOLDS_INPUT), "");
                       PressCloseBox(correlation);
                     }),
            IDCANCEL);
}

}  // namespace
