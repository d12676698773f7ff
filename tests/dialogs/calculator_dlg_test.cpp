// The calculator dialog as a user drives it: choosing from its two lists,
// typing the three values, "Calculate", Enter and Escape, and the
// "Input Error" box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <array>

#include "dialogs/calculator_dlg.h"
#include "res/resource.h"
#include "tests/dialogs/dialog_driving.h"

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

const QString kBlank = QStringLiteral(" ");

// The calculator's window as the user sees and works it.
class CalculatorView {
 public:
  explicit CalculatorView(const CWnd& dialog) : dialog_(dialog) {}

  void ChooseAnalysis(int row) const { ClickRow(ListOf(dialog_, IDC_ANALYSIS_LIST), row); }
  void ChooseUnits(int row) const { ClickRow(ListOf(dialog_, IDC_UNITS_LIST), row); }
  void Type(int slot, const QString& text) const { TypeInto(Field(kSlotInputs[slot - 1]), text); }
  void Replace(int slot, const QString& text) const { ReplaceText(Field(kSlotInputs[slot - 1]), text); }
  void TypeValues(const QString& first, const QString& second, const QString& third) const {
    Type(1, first);
    Type(2, second);
    Type(3, third);
  }
  void Calculate() const { ClickControl(dialog_, IDOK); }

  QLineEdit* Field(int id) const { return EditOf(dialog_, id); }
  QString Text(int id) const { return Field(id)->text(); }
  std::set<int> Visible() const { return VisibleControlIds(dialog_); }
  std::array<QString, 3> Labels() const {
    return {Text(kSlotLabels[0]), Text(kSlotLabels[1]), Text(kSlotLabels[2])};
  }
  std::array<QString, 3> Inputs() const {
    return {Text(kSlotInputs[0]), Text(kSlotInputs[1]), Text(kSlotInputs[2])};
  }

  // Everything a user could notice changing: what shows, every field's text
  // and both lists' selections.
  struct Snapshot {
    std::set<int> visible;
    std::array<QString, kEditFields.size()> texts;
    int analysis;
    int units;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() const {
    Snapshot snapshot{Visible(), {}, ListOf(dialog_, IDC_ANALYSIS_LIST)->currentRow(),
                      ListOf(dialog_, IDC_UNITS_LIST)->currentRow()};
    for (std::size_t i = 0; i < kEditFields.size(); ++i) snapshot.texts[i] = Text(kEditFields[i]);
    return snapshot;
  }

 private:
  const CWnd& dialog_;
};

using Texts = std::array<QString, 3>;

class CalculatorDlgTest : public ::testing::Test {
 protected:
  CCalculatorDlg calculator;
  CalculatorView view{calculator};
  MessageBoxWatcher boxes;
};

TEST_F(CalculatorDlgTest, WorkedExampleSolvesForTheDiameterInMetricUnits) {
  const INT_PTR result = RunModal(calculator, [&](QWidget*) {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    EXPECT_EQ(view.Labels(), (Texts{"Strouhal Number", "Frequency of Vortices (Hz)", "Freestream velocity (m/sec)"}));
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));

    view.TypeValues("0.2", "10", "5");
    view.Calculate();

    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), "         0.1");
    EXPECT_EQ(view.Text(IDC_RESULT_LABEL), "Diameter (m)");
    EXPECT_EQ(view.Visible(), kResultShown);
    ClickControl(calculator, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CalculatorDlgTest, TheWorkedExampleWorksFromTheKeyboardAlone) {
  RunModal(calculator, [&](QWidget*) {
    const auto press = [](Qt::Key key, int times) {
      for (int i = 0; i < times; ++i) PressKey(key);
    };
    press(Qt::Key_Tab, 2);  // past "Calculate" and "Return" to the analyses
    ASSERT_EQ(QApplication::focusWidget(), ListOf(calculator, IDC_ANALYSIS_LIST));
    press(Qt::Key_Down, 3);  // the first arrow selects the first entry
    EXPECT_EQ(ListOf(calculator, IDC_ANALYSIS_LIST)->currentRow(), kDiameter);
    press(Qt::Key_Tab, 1);
    ASSERT_EQ(QApplication::focusWidget(), ListOf(calculator, IDC_UNITS_LIST));
    press(Qt::Key_Down, 2);
    EXPECT_EQ(view.Labels()[2], "Freestream velocity (m/sec)");

    // Each value field follows its label, which is a tab stop too.
    for (const int slot : {1, 2, 3}) {
      press(Qt::Key_Tab, 2);
      ASSERT_EQ(QApplication::focusWidget(), view.Field(kSlotInputs[slot - 1])) << "slot " << slot;
      QTest::keyClicks(QApplication::focusWidget(), Texts{"0.2", "10", "5"}[slot - 1]);
    }
    PressKey(Qt::Key_Return);
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), "         0.1");
    EXPECT_EQ(view.Text(IDC_RESULT_LABEL), "Diameter (m)");
    PressKey(Qt::Key_Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CalculatorDlgTest, ControlsShowAndHideStepByStep) {
  RunModal(calculator, [&](QWidget*) {
    QListWidget* analyses = ListOf(calculator, IDC_ANALYSIS_LIST);
    ASSERT_EQ(analyses->count(), 4);
    // Insertion order, not sorted order: each row is its analysis code.
    EXPECT_EQ(analyses->item(0)->text(), "Stouhal Number");
    EXPECT_EQ(analyses->item(1)->text(), "Frequency of vortices");
    EXPECT_EQ(analyses->item(2)->text(), "Diameter");
    EXPECT_EQ(analyses->item(3)->text(), "Freestream Velocity");
    EXPECT_TRUE(analyses->selectedItems().isEmpty());
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
    PressKey(Qt::Key_Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CalculatorDlgTest, CalculateDoesNothingUntilTheUnitsAreChosen) {
  RunModal(calculator, [&](QWidget* window) {
    // The focus starts on "Calculate", so Enter presses it.
    EXPECT_EQ(QApplication::focusWidget(), ControlOf(calculator, IDOK));
    const CalculatorView::Snapshot start = view.Take();
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(view.Take(), start);

    view.ChooseAnalysis(kDiameter);
    const CalculatorView::Snapshot analysisOnly = view.Take();
    view.Calculate();
    EXPECT_EQ(view.Take(), analysisOnly);
    PressKey(Qt::Key_Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CalculatorDlgTest, CalculateWithoutTypingShowsOneInputErrorAndChangesNothing) {
  RunModal(calculator, [&](QWidget*) {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    const CalculatorView::Snapshot before = view.Take();
    view.Calculate();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Input Error");
    EXPECT_EQ(boxes.Seen()[0].title, QString::fromUtf8(AfxGetAppName()));
    EXPECT_FALSE(boxes.Seen()[0].title.isEmpty());
    EXPECT_EQ(boxes.Seen()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(view.Take(), before);
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(CalculatorDlgTest, EachPressWithABadValueShowsExactlyOneBoxAndKeepsTheInputs) {
  RunModal(calculator, [&](QWidget*) {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    view.TypeValues("0.2", "10", "5");
    const Texts good = view.Inputs();
    for (const QString bad : {"0", "abc", "-3", "1e-40"}) {
      for (int slot = 1; slot <= 3; ++slot) {
        view.Replace(slot, bad);
        boxes.Forget();
        view.Calculate();
        EXPECT_EQ(boxes.Seen().size(), 1u) << "slot " << slot << " holding " << bad.toStdString();
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
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(CalculatorDlgTest, EnterInAnInputCalculatesAndNeverCloses) {
  RunModal(calculator, [&](QWidget* window) {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    view.TypeValues("0.2", "10", "5");
    ASSERT_EQ(QApplication::focusWidget(), view.Field(IDC_SLOT_INPUT3));
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), "         0.1");
    EXPECT_TRUE(boxes.Seen().empty());

    view.Replace(1, "none");
    PressKey(Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(boxes.Seen().size(), 1u);
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(CalculatorDlgTest, SwitchingUnitsAfterAResultRelabelsAndTheNextResultFollows) {
  RunModal(calculator, [&](QWidget*) {
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
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(CalculatorDlgTest, SwitchingToStouhalNumberRelabelsTheSlotsAndSolvesForIt) {
  RunModal(calculator, [&](QWidget*) {
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
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE).size(), 12);
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE).trimmed(), "0.2");
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(CalculatorDlgTest, ReopeningShowsTheStartStateAgain) {
  RunModal(calculator, [&](QWidget*) {
    view.ChooseAnalysis(kDiameter);
    view.ChooseUnits(kMetric);
    view.TypeValues("0.2", "10", "5");
    view.Calculate();
    PressKey(Qt::Key_Escape);
  });
  RunModal(calculator, [&](QWidget*) {
    EXPECT_EQ(view.Visible(), kStart);
    EXPECT_EQ(ListOf(calculator, IDC_ANALYSIS_LIST)->count(), 4);
    EXPECT_TRUE(ListOf(calculator, IDC_ANALYSIS_LIST)->selectedItems().isEmpty());
    QListWidget* units = ListOf(calculator, IDC_UNITS_LIST);
    ASSERT_EQ(units->count(), 2);
    EXPECT_EQ(units->item(0)->text(), "English");
    EXPECT_EQ(units->item(1)->text(), "metric");
    EXPECT_TRUE(units->selectedItems().isEmpty());
    EXPECT_EQ(view.Inputs(), (Texts{kBlank, kBlank, kBlank}));
    EXPECT_EQ(view.Text(IDC_RESULT_VALUE), kBlank);
    EXPECT_EQ(QApplication::focusWidget(), ControlOf(calculator, IDOK));
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(CalculatorDlgTest, ReturnEscapeAndTheCloseBoxCloseIt) {
  EXPECT_EQ(RunModal(calculator, [&](QWidget*) { ClickControl(calculator, IDCANCEL); }), IDCANCEL);
  EXPECT_EQ(RunModal(calculator,
                     [&](QWidget*) {
                       view.ChooseAnalysis(kDiameter);
                       view.ChooseUnits(kMetric);
                       view.Type(2, "1");  // Escape from inside a field
                       PressKey(Qt::Key_Escape);
                     }),
            IDCANCEL);
  EXPECT_EQ(RunModal(calculator, [&](QWidget* window) { window->close(); }), IDCANCEL);
  EXPECT_TRUE(boxes.Seen().empty());
}

}  // namespace
