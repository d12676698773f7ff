// The calculator dialog as a user drives it: choosing from its two lists,
// typing the three values, "Calculate", Enter and Escape, and the
// "Input Error" box.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "dialogs/calculator_dlg.h"
#include "res/resource.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

constexpr int kStouhalNumber = 0;
constexpr int kDiameter = 2;
constexpr int kEnglish = 0;
constexpr int kMetric = 1;

constexpr std::array kSlotInputs{IDC_SLOT_INPUT1, IDC_SLOT_INPUT2, IDC_SLOT_INPUT3};
constexpr std::array kSlotLabels{IDC_SLOT_LABEL1, IDC_SLOT_LABEL2, IDC_SLOT_LABEL3};
constexpr std::array kEditFields{IDC_SLOT_LABEL1, IDC_SLOT_INPUT1, IDC_SLOT_LABEL2, IDC_SLOT_INPUT2,
                                 IDC_SLOT_LABEL3, IDC_SLOT_INPUT3, IDC_RESULT_VALUE, IDC_RESULT_LABEL};

// What is visible besides the fixed texts and frames, state by state.
const std::set<int> kStart{IDOK, IDCANCEL, IDC_ANALYSIS_LIST};
const std::set<int> kAnalysisChosen{IDOK, IDCANCEL, IDC_ANALYSIS_LIST, IDC_UNITS_GROUP, IDC_UNITS_LIST};
const std::set<int> kUnitsChosen{IDOK,           IDCANCEL,        IDC_ANALYSIS_LIST, IDC_UNITS_GROUP,
                                 IDC_UNITS_LIST, IDC_DATA_GROUP,  IDC_SLOT_LABEL1,   IDC_SLOT_INPUT1,
                                 IDC_SLOT_LABEL2, IDC_SLOT_INPUT2, IDC_SLOT_LABEL3,  IDC_SLOT_INPUT3};
const std::set<int> kResultShown = [] {
  std::set<int> ids = kUnitsChosen;
  ids.insert({IDC_RESULT_GROUP, IDC_RESULT_VALUE, IDC_RESULT_LABEL});
  return ids;
}();

const std::string kBlank = " ";

using Texts = std::array<std::string, 3>;

// The calculator's window as the user sees and works it.
class CalculatorView {
 public:
  explicit CalculatorView(const CWnd& dialog) : dialog_(dialog) {}

  void ChooseAnalysis(int row) const { ClickRow(dialog_, IDC_ANALYSIS_LIST, row); }
  void ChooseUnits(int row) const { ClickRow(dialog_, IDC_UNITS_LIST, row); }
  void Type(int slot, std::string_view text) const { TypeInto(dialog_, kSlotInputs[slot - 1], text); }
  void Replace(int slot, std::string_view text) const { ReplaceText(dialog_, kSlotInputs[slot - 1], text); }
  void TypeValues(std::string_view first, std::string_view second, std::string_view third) const {
    Type(1, first);
    Type(2, second);
    Type(3, third);
  }
  void Calculate() const { Click(dialog_, IDOK); }

  std::string Text(int id) const { return ControlText(dialog_, id); }
  std::set<int> Visible() const {
    const std::vector<int> ids = VisibleControlIds(dialog_);
    return {ids.begin(), ids.end()};
  }
  Texts Labels() const { return {Text(kSlotLabels[0]), Text(kSlotLabels[1]), Text(kSlotLabels[2])}; }
  Texts Inputs() const { return {Text(kSlotInputs[0]), Text(kSlotInputs[1]), Text(kSlotInputs[2])}; }

  // Everything a user could notice changing: what shows, every field's text
  // and both lists' selections.
  struct Snapshot {
    std::set<int> visible;
    std::array<std::string, kEditFields.size()> texts;
    int analysis;
    int units;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() const {
    Snapshot snapshot{Visible(), {}, ListSelection(dialog_, IDC_ANALYSIS_LIST), ListSelection(dialog_, IDC_UNITS_LIST)};
    for (std::size_t i = 0; i < kEditFields.size(); ++i) snapshot.texts[i] = Text(kEditFields[i]);
    return snapshot;
  }

 private:
  const CWnd& dialog_;
};

std::string Trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

class CalculatorDlgTest : public ::testing::Test {
 protected:
  CCalculatorDlg calculator;
  CalculatorView view{calculator};
  MessageBoxAnswerer boxes;
};

TEST_F(CalculatorDlgTest, WorkedExampleSolvesForTheDiameterInMetricUnits) {
  const INT_PTR result = RunModal(calculator, [&] {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    EXPECT_EQ(view.Labels(), (Texts{"Strouhal Number", "Frequency of Vortices (Hz)", "Freestream velocity (m/sec)"}));
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));

    view.TypeValues("0.2", "10", "5");
    view.Calculate();

    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), "         0.1");
    EXPECT_EQ(view.Text(IDC_RESULT_LABEL), "Diameter (m)");
    EXPECT_EQ(view.Visible(), kResultShown);
    Click(calculator, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CalculatorDlgTest, TheWorkedExampleWorksFromTheKeyboardAlone) {
  RunModal(calculator, [&] {
    const auto press = [](Key key, int times) {
      for (int i = 0; i < times; ++i) PressKey(key);
    };
    press(Key::Tab, 2);  // past "Calculate" and "Return" to the analyses
    ASSERT_EQ(FocusedId(), IDC_ANALYSIS_LIST);
    press(Key::Down, 3);  // the first arrow selects the first entry
    EXPECT_EQ(ListSelection(calculator, IDC_ANALYSIS_LIST), kDiameter);
    press(Key::Tab, 1);
    ASSERT_EQ(FocusedId(), IDC_UNITS_LIST);
    press(Key::Down, 2);
    EXPECT_EQ(view.Labels()[2], "Freestream velocity (m/sec)");

    // Each value field follows its label, which is a tab stop too.
    for (const int slot : {1, 2, 3}) {
      press(Key::Tab, 2);
      ASSERT_EQ(FocusedId(), kSlotInputs[slot - 1]) << "slot " << slot;
      TypeText(Texts{"0.2", "10", "5"}[slot - 1]);
    }
    PressKey(Key::Return);
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), "         0.1");
    EXPECT_EQ(view.Text(IDC_RESULT_LABEL), "Diameter (m)");
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CalculatorDlgTest, ControlsShowAndHideStepByStep) {
  RunModal(calculator, [&] {
    // Insertion order, not sorted order: each row is its analysis code.
    EXPECT_EQ(ListRows(calculator, IDC_ANALYSIS_LIST),
              (std::vector<std::string>{"Stouhal Number", "Frequency of vortices", "Diameter", "Freestream Velocity"}));
    EXPECT_EQ(ListSelection(calculator, IDC_ANALYSIS_LIST), LB_ERR);
    EXPECT_EQ(view.Visible(), kStart);
    EXPECT_TRUE(AllUnnamedControlsVisible(calculator));

    view.ChooseAnalysis(kDiameter);
    EXPECT_EQ(view.Visible(), kAnalysisChosen);

    view.ChooseUnits(kEnglish);
    EXPECT_EQ(view.Visible(), kUnitsChosen);
    EXPECT_EQ(view.Labels(), (Texts{"Strouhal Number", "Frequency of Vortices (Hz)", "Freestream velocity (ft/sec)"}));
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));

    view.TypeValues("0.2", "10", "5");
    view.Calculate();
    EXPECT_EQ(view.Visible(), kResultShown);
    EXPECT_EQ(view.Text(IDC_RESULT_LABEL), "Diameter (ft)");

    // One typed character in any input takes the result away.
    for (int slot = 1; slot <= 3; ++slot) {
      view.Calculate();
      ASSERT_EQ(view.Visible(), kResultShown) << "slot " << slot;
      view.Type(slot, "0");
      EXPECT_EQ(view.Visible(), kUnitsChosen) << "slot " << slot;
      EXPECT_EQ(view.Text(IDC_RESULT_VALUE), kBlank) << "slot " << slot;
    }

    // A later choice in either list clears the inputs and hides the result;
    // the data set stays.
    view.Calculate();
    ASSERT_EQ(view.Visible(), kResultShown);
    view.ChooseUnits(kMetric);
    EXPECT_EQ(view.Visible(), kUnitsChosen);
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));

    view.TypeValues("0.2", "10", "5");
    view.Calculate();
    ASSERT_EQ(view.Visible(), kResultShown);
    view.ChooseAnalysis(kStouhalNumber);
    EXPECT_EQ(view.Visible(), kUnitsChosen);
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), kBlank);
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CalculatorDlgTest, CalculateDoesNothingUntilTheUnitsAreChosen) {
  RunModal(calculator, [&] {
    // The focus starts on "Calculate", so Enter presses it.
    EXPECT_EQ(FocusedId(), IDOK);
    const CalculatorView::Snapshot start = view.Take();
    PressKey(Key::Return);
    EXPECT_TRUE(IsOpen(calculator));
    EXPECT_EQ(view.Take(), start);

    view.ChooseAnalysis(kDiameter);
    const CalculatorView::Snapshot analysisOnly = view.Take();
    view.Calculate();
    EXPECT_EQ(view.Take(), analysisOnly);
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CalculatorDlgTest, CalculateWithoutTypingShowsOneInputErrorAndChangesNothing) {
  RunModal(calculator, [&] {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    const CalculatorView::Snapshot before = view.Take();
    view.Calculate();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Input Error");
    EXPECT_EQ(boxes.Seen()[0].caption, "vortex_dialogs_tests");  // the executable's name
    EXPECT_EQ(boxes.Seen()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(view.Take(), before);
    PressKey(Key::Escape);
  });
}

TEST_F(CalculatorDlgTest, EachPressWithABadValueShowsExactlyOneBoxAndKeepsTheInputs) {
  RunModal(calculator, [&] {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    view.TypeValues("0.2", "10", "5");
    const Texts good = view.Inputs();
    // 1e400 is beyond a double's range: it reads as infinity, which is no
    // value for a calculation either.
    for (const std::string bad : {"0", "abc", "-3", "1e-40", "1e400"}) {
      for (int slot = 1; slot <= 3; ++slot) {
        view.Replace(slot, bad);
        boxes.Forget();
        view.Calculate();
        EXPECT_EQ(boxes.Seen().size(), 1u) << "slot " << slot << " holding " << bad;
        EXPECT_EQ(view.Text(kSlotInputs[slot - 1]), bad);
        EXPECT_EQ(view.Visible(), kUnitsChosen);
        view.Replace(slot, good[slot - 1]);
      }
    }
    // Every slot bad at once: still one box a press.
    for (int slot = 1; slot <= 3; ++slot) view.Replace(slot, "x");
    boxes.Forget();
    view.Calculate();
    view.Calculate();
    EXPECT_EQ(boxes.Seen().size(), 2u);
    PressKey(Key::Escape);
  });
}

TEST_F(CalculatorDlgTest, EnterInAnInputCalculatesAndNeverCloses) {
  RunModal(calculator, [&] {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    view.TypeValues("0.2", "10", "5");
    ASSERT_EQ(FocusedId(), IDC_SLOT_INPUT3);
    PressKey(Key::Return);
    EXPECT_TRUE(IsOpen(calculator));
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), "         0.1");
    EXPECT_TRUE(boxes.Seen().empty());

    view.Replace(1, "none");
    PressKey(Key::Return);
    EXPECT_TRUE(IsOpen(calculator));
    EXPECT_EQ(boxes.Seen().size(), 1u);
    PressKey(Key::Escape);
  });
}

TEST_F(CalculatorDlgTest, SwitchingUnitsAfterAResultRelabelsAndTheNextResultFollows) {
  RunModal(calculator, [&] {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kEnglish);
    view.TypeValues("0.2", "10", "5");
    view.Calculate();
    ASSERT_EQ(view.Text(IDC_RESULT_LABEL), "Diameter (ft)");

    view.ChooseUnits(kMetric);
    EXPECT_EQ(view.Visible(), kUnitsChosen);
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));
    EXPECT_EQ(view.Labels()[2], "Freestream velocity (m/sec)");

    view.TypeValues("0.2", "10", "5");
    view.Calculate();
    EXPECT_EQ(view.Text(IDC_RESULT_LABEL), "Diameter (m)");
    PressKey(Key::Escape);
  });
}

TEST_F(CalculatorDlgTest, SwitchingToStouhalNumberRelabelsTheSlotsAndSolvesForIt) {
  RunModal(calculator, [&] {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    view.TypeValues("0.2", "10", "5");

    view.ChooseAnalysis(kStouhalNumber);
    EXPECT_EQ(view.Labels(), (Texts{"Frequency of Vortices (Hz)", "Diameter (m)", "Freestream velocity (m/sec)"}));
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));
    EXPECT_EQ(view.Visible(), kUnitsChosen);

    view.TypeValues("10", "0.1", "5");
    view.Calculate();
    EXPECT_EQ(view.Text(IDC_RESULT_LABEL), "Strouhal Number");
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE).size(), 12u);
    EXPECT_EQ(Trimmed(view.Text(IDC_RESULT_VALUE)), "0.2");
    PressKey(Key::Escape);
  });
}

TEST_F(CalculatorDlgTest, ReopeningShowsTheStartStateAgain) {
  RunModal(calculator, [&] {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    view.TypeValues("0.2", "10", "5");
    view.Calculate();
    PressKey(Key::Escape);
  });
  RunModal(calculator, [&] {
    EXPECT_EQ(view.Visible(), kStart);
    EXPECT_EQ(ListRows(calculator, IDC_ANALYSIS_LIST).size(), 4u);
    EXPECT_EQ(ListSelection(calculator, IDC_ANALYSIS_LIST), LB_ERR);
    EXPECT_EQ(ListRows(calculator, IDC_UNITS_LIST), (std::vector<std::string>{"English", "metric"}));
    EXPECT_EQ(ListSelection(calculator, IDC_UNITS_LIST), LB_ERR);
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), kBlank);
    EXPECT_EQ(FocusedId(), IDOK);
    PressKey(Key::Escape);
  });
}

TEST_F(CalculatorDlgTest, ReturnEscapeAndTheCloseBoxCloseIt) {
  EXPECT_EQ(RunModal(calculator, [&] { Click(calculator, IDCANCEL); }), IDCANCEL);
  EXPECT_EQ(RunModal(calculator,
                     [&] {
                       view.ChooseAnalysis(kDiameter);
                       view.ChooseUnits(kMetric);
                       view.Type(2, "1");  // Escape from inside a field
                       PressKey(Key::Escape);
                     }),
            IDCANCEL);
  EXPECT_EQ(RunModal(calculator, [&] { PressCloseBox(calculator); }), IDCANCEL);
  EXPECT_TRUE(boxes.Seen().empty());
}

}  // namespace
