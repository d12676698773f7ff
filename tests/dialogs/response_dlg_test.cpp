// The vortex-induced response dialog as a user drives it: a case typed from
// the keyboard shows the core's own figures, verdicts and chart (whose
// numbers the core's tests check); the tube's fields stand in for fn and me
// when chosen; any change hides the results; an input error names its field.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "dialogs/response_dlg.h"
#include "output/report_text.h"
#include "res/resource.h"
#include "shedding/number_text.h"
#include "shedding/response_chart.h"
#include "shedding/vortex_response.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;
using shedding::ResponseFigureId;

namespace {

constexpr int kEnglish = 0;
constexpr int kPinned = 1;
constexpr int kTube = 1;
constexpr int kDampingRatio = 1;

const std::vector<int> kResultControls = [] {
  std::vector<int> ids{IDC_RESPONSE_RESULTS, IDC_VERDICT, IDC_CHART, IDC_COPY, IDC_SAVE_CHART};
  for (int row = 0; row < static_cast<int>(shedding::kResponseFigureCount); ++row) {
    ids.push_back(IDC_RESPONSE_LABEL_FIRST + row);
    ids.push_back(IDC_RESPONSE_VALUE_FIRST + row);
  }
  return ids;
}();

// A steel stack of 1 m on a 30 m cantilever, lightly damped in a 20 m/s wind.
shedding::ResponseCase Stack() {
  shedding::ResponseCase stack;
  stack.diameter = 1;
  stack.height = 30;
  stack.naturalFrequency = 1;
  stack.massPerLength = 500;
  stack.damping = 0.005;
  stack.meanWind = 20;
  return stack;
}

shedding::ResponseResult ResultOf(const shedding::ResponseCase& cylinder) {
  return std::get<shedding::ResponseResult>(shedding::ComputeVortexResponse(cylinder));
}

class ResponseDlgTest : public ::testing::Test {
 protected:
  // Whether the results show: all of them, or none, never some.
  bool ResultsShown() const {
    const std::vector<int> visible = VisibleControlIds(response);
    const auto shown = std::ranges::count_if(
        kResultControls, [&](int id) { return std::ranges::find(visible, id) != visible.end(); });
    EXPECT_TRUE(shown == 0 || shown == static_cast<std::ptrdiff_t>(kResultControls.size())) << shown << " shown";
    return shown > 0;
  }
  void Type(int id, std::string_view text) const { ReplaceText(response, id, text); }
  void TypeStack() const {
    for (const auto& [id, text] : {std::pair{IDC_DIAMETER, "1"}, {IDC_HEIGHT, "30"}, {IDC_FREQUENCY, "1"},
                                   {IDC_MASS, "500"}, {IDC_DAMPING, "0.005"}, {IDC_MEAN_WIND, "20"}}) {
      Type(id, text);
    }
  }
  void ExpectFigures(const shedding::ResponseResult& expected) const {
    for (std::size_t row = 0; row < expected.figures.size(); ++row) {
      const shedding::Figure& figure = expected.figures[row];
      EXPECT_EQ(ControlText(response, IDC_RESPONSE_LABEL_FIRST + static_cast<int>(row)), figure.label);
      EXPECT_EQ(ControlText(response, IDC_RESPONSE_VALUE_FIRST + static_cast<int>(row)), shedding::FigureText(figure))
          << figure.label;
    }
  }

  CResponseDlg response;
  MessageBoxAnswerer boxes;
};

TEST_F(ResponseDlgTest, AStackTypedFromTheKeyboardShowsTheCoresFiguresVerdictsAndChart) {
  const shedding::ResponseCase stack = Stack();
  const shedding::ResponseResult expected = ResultOf(stack);
  const shedding::Chart chart = shedding::ChartResponse(stack, expected);
  // Its point lies on the curve, above yF,max/b = 0.1: inside the band.
  ASSERT_GT(expected.At(ResponseFigureId::AmplitudeRatio).value, 0.1);

  RunModal(response, [&] {
    EXPECT_EQ(FocusedId(), IDC_RESPONSE_UNITS);
    EXPECT_EQ(ListSelection(response, IDC_RESPONSE_UNITS), 1);
    EXPECT_EQ(ListRows(response, IDC_RESPONSE_SUPPORT),
              (std::vector<std::string>{"cantilever", "pinned", "fixed-pinned", "fixed"}));
    EXPECT_EQ(ListRows(response, IDC_DAMPING_MEASURE),
              (std::vector<std::string>{"Logarithmic decrement", "Damping ratio"}));
    EXPECT_EQ(ControlText(response, IDC_DIAMETER_LABEL), "Diameter (m)");
    EXPECT_EQ(ControlText(response, IDC_LIFE), "50");
    EXPECT_FALSE(ResultsShown());

    // Tab through the inputs in template order, past the lists, which keep
    // their first choices, and past the tube's fields, which wait disabled;
    // Enter calculates.
    for (const auto& [presses, id, text] :
         {std::tuple{2, IDC_DIAMETER, "1"}, {1, IDC_HEIGHT, "30"}, {2, IDC_FREQUENCY, "1"}, {1, IDC_MASS, "500"},
          {2, IDC_DAMPING, "0.005"}, {1, IDC_MEAN_WIND, "20"}}) {
      for (int press = 0; press < presses; ++press) PressKey(Key::Tab);
      ASSERT_EQ(FocusedId(), id);
      TypeText(text);
    }
    PressKey(Key::Return);

    ASSERT_TRUE(ResultsShown());
    ExpectFigures(expected);
    const std::string verdict = ControlText(response, IDC_VERDICT);
    for (const shedding::Verdict& part :
         {expected.eurocode, expected.correlation, expected.damping, expected.frequency, expected.figureSource}) {
      EXPECT_NE(verdict.find(part.words), std::string::npos) << part.words;
    }
    // The chart says in words where the structure lies, and draws.
    const std::string description = ControlText(response, IDC_CHART);
    for (const std::string& part : {shedding::FigureText(expected.At(ResponseFigureId::Scruton)),
                                    shedding::FigureText(expected.At(ResponseFigureId::AmplitudeRatio)),
                                    shedding::FormatGeneral(chart.band.xHigh, 0, 3), std::string("lies inside")}) {
      EXPECT_NE(description.find(part), std::string::npos) << part << " in " << description;
    }
    const Image drawn = Grab(response, IDC_CHART);
    const COLORREF background = drawn.At(1, 1);
    EXPECT_GT(std::ranges::count_if(drawn.pixels, [&](COLORREF pixel) { return pixel != background; }),
              static_cast<std::ptrdiff_t>(drawn.pixels.size() / 20));
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ResponseDlgTest, TheTubeChoiceTakesTheTubesFieldsInsteadOfFnAndMeAndTheResultUsesTheTube) {
  shedding::ResponseCase tube = Stack();
  tube.tube = shedding::TubeSection{0.0, 0.008, 2.1e11, 7850, 0};
  const shedding::ResponseResult expected = ResultOf(tube);

  RunModal(response, [&] {
    TypeStack();
    // The keyboard reaches the tube's fields and no longer fn and me.
    ClickRow(response, IDC_FREQUENCY_SOURCE, kTube);
    for (const auto& [id, text] : {std::pair{IDC_WALL, "0.008"}, {IDC_MODULUS, "2.1e11"}, {IDC_DENSITY, "7850"},
                                   {IDC_EXTRA_MASS, ""}}) {
      PressKey(Key::Tab);
      ASSERT_EQ(FocusedId(), id);
      TypeText(text);
    }
    PressKey(Key::Tab);
    EXPECT_EQ(FocusedId(), IDC_DAMPING_MEASURE);
    EXPECT_EQ(ControlText(response, IDC_EXTRA_MASS), "0");
    if (AccessibleNamesKnown()) {
      EXPECT_EQ(AccessibleName(response, IDC_MODULUS), "Young's modulus (Pa)");
    }
    Click(response, IDOK);
    ASSERT_TRUE(ResultsShown());
    ExpectFigures(expected);
    EXPECT_NE(ControlText(response, IDC_VERDICT).find(expected.frequency.words), std::string::npos);
    // Copy lists the tube's inputs, not fn and me, then what strouhal prints.
    Click(response, IDC_COPY);
    EXPECT_EQ(ClipboardText(),
              "Units: metric\nSupport: cantilever\nNatural frequency: estimated for a uniform tube\n"
              "Diameter (m): 1\nHeight or span (m): 30\nWall thickness (m): 0.008\nYoung's modulus (Pa): 2.1e+11\n"
              "Material density (kg/m^3): 7850\nExtra mass per length (kg/m): 0\nLogarithmic decrement: 0.005\n"
              "Mean wind speed (m/sec): 20\nDesign life (years): 50\n" +
                  output::ReportText(expected));

    ClickRow(response, IDC_FREQUENCY_SOURCE, 0);
    for (const int id : {IDC_FREQUENCY, IDC_MASS, IDC_DAMPING_MEASURE}) {
      PressKey(Key::Tab);
      EXPECT_EQ(FocusedId(), id);
    }
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

// Every input and every choice: a change takes the results, Copy and Save
// Chart away; the units and the damping measure relabel their fields.
TEST_F(ResponseDlgTest, AnyChangeHidesTheResultsAndRelabelsWhatItRenames) {
  struct Change {
    const char* what;
    std::function<void(const CWnd&)> make;
    int labelId = 0;
    const char* label = nullptr;
  };
  const std::vector<Change> changes = {
      {"diameter", [](const CWnd& d) { TypeInto(d, IDC_DIAMETER, "0"); }},
      {"height", [](const CWnd& d) { TypeInto(d, IDC_HEIGHT, "0"); }},
      {"fn", [](const CWnd& d) { TypeInto(d, IDC_FREQUENCY, "0"); }},
      {"me", [](const CWnd& d) { TypeInto(d, IDC_MASS, "0"); }},
      {"damping", [](const CWnd& d) { TypeInto(d, IDC_DAMPING, "1"); }},
      {"wind", [](const CWnd& d) { TypeInto(d, IDC_MEAN_WIND, "1"); }},
      {"life", [](const CWnd& d) { TypeInto(d, IDC_LIFE, "0"); }},
      {"support", [](const CWnd& d) { ClickRow(d, IDC_RESPONSE_SUPPORT, kPinned); }},
      {"frequency source", [](const CWnd& d) { ClickRow(d, IDC_FREQUENCY_SOURCE, kTube); }},
      {"damping measure", [](const CWnd& d) { ClickRow(d, IDC_DAMPING_MEASURE, kDampingRatio); }, IDC_DAMPING_LABEL,
       "Damping ratio"},
      {"units", [](const CWnd& d) { ClickRow(d, IDC_RESPONSE_UNITS, kEnglish); }, IDC_MEAN_WIND_LABEL,
       "Mean wind speed (ft/sec)"},
  };
  RunModal(response, [&] {
    for (const Change& change : changes) {
      SCOPED_TRACE(change.what);
      ClickRow(response, IDC_RESPONSE_UNITS, 1);
      ClickRow(response, IDC_FREQUENCY_SOURCE, 0);
      ClickRow(response, IDC_DAMPING_MEASURE, 0);
      TypeStack();
      Type(IDC_LIFE, "50");
      Click(response, IDOK);
      ASSERT_TRUE(ResultsShown());
      change.make(response);
      EXPECT_FALSE(ResultsShown());
      if (change.label) {
        EXPECT_EQ(ControlText(response, change.labelId), change.label);
      }
    }
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ResponseDlgTest, AnInputErrorNamesItsFieldAndChangesNothing) {
  struct Case {
    const char* what;
    int source;
    int damping;
    int field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"no diameter", 0, 0, IDC_DIAMETER, " ", "Input Error\n\nDiameter (m) must be finite and greater than 1e-40."},
      {"no mass", 0, 0, IDC_MASS, "x", "Input Error\n\nMass per length (kg/m) must be finite and greater than 1e-40."},
      {"no extra mass, where 0 would pass", kTube, 0, IDC_EXTRA_MASS, "none",
       "Input Error\n\nExtra mass per length (kg/m) must be finite and not negative."},
      {"a damping ratio of 1", 0, kDampingRatio, IDC_DAMPING, "1",
       "Input Error\n\nDamping ratio must be finite and greater than 1e-40 and less than 1."},
      {"no design life", 0, 0, IDC_LIFE, " ", "Input Error\n\nDesign life (years) must be finite and greater than 1e-40."},
  };
  RunModal(response, [&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      ClickRow(response, IDC_FREQUENCY_SOURCE, 0);
      ClickRow(response, IDC_DAMPING_MEASURE, c.damping);
      TypeStack();
      Type(IDC_LIFE, "50");
      ClickRow(response, IDC_FREQUENCY_SOURCE, c.source);
      if (c.source == kTube) {
        for (const auto& [id, text] : {std::pair{IDC_WALL, "0.008"}, {IDC_MODULUS, "2.1e11"}, {IDC_DENSITY, "7850"}}) {
          Type(id, text);
        }
      }
      Type(c.field, c.text);
      boxes.Forget();
      Click(response, IDOK);
      ASSERT_EQ(boxes.Seen().size(), 1u);
      EXPECT_EQ(boxes.Seen()[0].text, c.message);
      EXPECT_EQ(boxes.Seen()[0].icon, MessageIcon::Exclamation);
      EXPECT_FALSE(ResultsShown());
      EXPECT_EQ(ControlText(response, c.field), c.text) << "what was typed stays";
      EXPECT_EQ(ListSelection(response, IDC_FREQUENCY_SOURCE), c.source);
    }
    EXPECT_TRUE(IsOpen(response));
    PressKey(Key::Escape);
  });
}

}  // namespace
