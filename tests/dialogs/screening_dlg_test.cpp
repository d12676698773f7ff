// The lock-in screening dialog as a user drives it, from the keyboard and
// the mouse: what it starts with, the figures and verdicts it shows for what
// was typed (the core's own, whose numbers its tests check), the chart and
// what a screen reader hears of it, Copy, Ctrl+C and Save Chart, results
// hidden again on any change, and the input error that names its field.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "dialogs/screening_dlg.h"
#include "output/report_text.h"
#include "output/svg_chart.h"
#include "res/resource.h"
#include "shedding/number_text.h"
#include "shedding/screen_lock_in.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

constexpr int kEnglish = 0;
constexpr int kFreshWater = 0;
constexpr int kOtherFluid = 3;

const std::vector<int> kResultControls = [] {
  std::vector<int> ids{IDC_SCREEN_RESULTS, IDC_VERDICT, IDC_CHART, IDC_COPY, IDC_SAVE_CHART};
  for (int row = 0; row < static_cast<int>(shedding::kScreeningFigureCount); ++row) {
    ids.push_back(IDC_FIGURE_LABEL_FIRST + row);
    ids.push_back(IDC_FIGURE_VALUE_FIRST + row);
  }
  return ids;
}();

class ScreeningDlgTest : public ::testing::Test {
 protected:
  // Whether the results show: all of them, or none, never some.
  bool ResultsShown() const {
    const std::vector<int> visible = VisibleControlIds(screening);
    const auto shown = std::ranges::count_if(
        kResultControls, [&](int id) { return std::ranges::find(visible, id) != visible.end(); });
    EXPECT_TRUE(shown == 0 || shown == static_cast<std::ptrdiff_t>(kResultControls.size())) << shown << " shown";
    return shown > 0;
  }
  void Type(int id, std::string_view text) const { ReplaceText(screening, id, text); }

  CScreeningDlg screening;
  MessageBoxAnswerer boxes;
};

TEST_F(ScreeningDlgTest, AWaterCaseFromTheKeyboardShowsTheCoresFiguresVerdictsAndChart) {
  // Fresh water at 20 C past a 0.1 m cylinder at 1.5 m/s, natural frequency
  // 3 Hz: fs is near 2.9 Hz, inside the band.
  shedding::ScreeningConditions conditions;
  conditions.fluid = shedding::Fluid::FreshWater;
  conditions.temperature = 20;
  const shedding::ScreeningCase cylinder{1.5, 0.1, 3};
  const auto expected = std::get<shedding::ScreeningReport>(shedding::ScreenLockIn(conditions, cylinder)).result;
  ASSERT_EQ(expected.lockIn, shedding::screening_verdicts::kLockIn);

  RunModal(screening, [&] {
    // What it starts with: metric, fresh water at 20 C, the default band,
    // and no results.
    EXPECT_EQ(FocusedId(), IDC_SCREEN_UNITS);
    EXPECT_EQ(ListRows(screening, IDC_SCREEN_UNITS), (std::vector<std::string>{"English", "metric"}));
    EXPECT_EQ(ListSelection(screening, IDC_SCREEN_UNITS), 1);
    EXPECT_EQ(ListRows(screening, IDC_SCREEN_FLUID),
              (std::vector<std::string>{"fresh water", "sea water", "air", "other (viscosity typed)"}));
    EXPECT_EQ(ListSelection(screening, IDC_SCREEN_FLUID), kFreshWater);
    EXPECT_EQ(ControlText(screening, IDC_TEMPERATURE), "20");
    EXPECT_EQ(ControlText(screening, IDC_BAND_LOW), "0.8");
    EXPECT_EQ(ControlText(screening, IDC_BAND_HIGH), "1.2");
    EXPECT_EQ(ControlText(screening, IDC_VELOCITY_LABEL), "Flow velocity (m/sec)");
    EXPECT_FALSE(ResultsShown());

    // Tab past the lists and the temperature (the viscosity is not typed
    // for water) to the speed, the diameter and the frequency; Enter.
    for (const auto& [presses, id, text] : {std::tuple{3, IDC_VELOCITY, "1.5"}, {1, IDC_DIAMETER, "0.1"},
                                            {1, IDC_NATURAL_FREQUENCY, "3"}}) {
      for (int press = 0; press < presses; ++press) PressKey(Key::Tab);
      ASSERT_EQ(FocusedId(), id);
      TypeText(text);
    }
    PressKey(Key::Return);

    ASSERT_TRUE(ResultsShown());
    for (std::size_t row = 0; row < expected.figures.size(); ++row) {
      const int labelId = IDC_FIGURE_LABEL_FIRST + static_cast<int>(row);
      EXPECT_EQ(ControlText(screening, labelId), expected.figures[row].label);
      EXPECT_EQ(ControlText(screening, IDC_FIGURE_VALUE_FIRST + static_cast<int>(row)), shedding::FigureText(expected.figures[row]))
          << expected.figures[row].label;
    }
    const std::string verdict = ControlText(screening, IDC_VERDICT);
    for (const shedding::Verdict& part : {expected.lockIn, expected.eurocode, expected.vivRanges}) {
      EXPECT_NE(verdict.find(part.words), std::string::npos) << part.words;
    }
    // The chart says in words where the operating point lies, and draws.
    const std::string description = AccessibleName(screening, IDC_CHART);
    if (!description.empty()) {  // where the system tells statics' names at all
      EXPECT_NE(description.find("lies inside the lock-in band"), std::string::npos) << description;
      EXPECT_NE(description.find(shedding::FigureText(expected.At(shedding::ScreeningFigureId::LockInSpeedLow))),
                std::string::npos) << description;
    }
    EXPECT_NE(ControlText(screening, IDC_CHART).find("lies inside the lock-in band"), std::string::npos);
    const Image chart = Grab(screening, IDC_CHART);
    const COLORREF background = chart.At(1, 1);
    const auto drawn = std::ranges::count_if(chart.pixels, [&](COLORREF pixel) { return pixel != background; });
    EXPECT_GT(drawn, static_cast<std::ptrdiff_t>(chart.pixels.size() / 20)) << "axes, band, curve and text";

    // Any change takes the results away.
    TypeText("0");
    EXPECT_FALSE(ResultsShown());
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ScreeningDlgTest, CopyCtrlCAndSaveChartTakeTheInputsFiguresVerdictsAndChartOut) {
  shedding::ScreeningConditions conditions;
  conditions.fluid = shedding::Fluid::FreshWater;
  conditions.temperature = 20;
  const auto expected = std::get<shedding::ScreeningReport>(shedding::ScreenLockIn(conditions, {1.5, 0.1, 3}));
  const std::string report =
      "Units: metric\nFluid: fresh water\nTemperature (deg C): 20\nFlow velocity (m/sec): 1.5\n"
      "Diameter (m): 0.1\nNatural frequency (Hz): 3\nLock-in band (fs / fn): 0.8 to 1.2\n" +
      output::ReportText(expected.result);
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vortex_screening_save_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  RunModal(screening, [&] {
    Type(IDC_VELOCITY, "1.5");
    Type(IDC_DIAMETER, "0.1");
    Type(IDC_NATURAL_FREQUENCY, "3");
    Click(screening, IDOK);
    ASSERT_TRUE(ResultsShown());

    // Ctrl+C in a field copies the field's selection; anywhere else, the report.
    FocusControl(screening, IDC_VELOCITY);
    PressKey(Key::Home);
    PressKey(Key::End, kShift);
    PressKey(Key::C, kControl);
    EXPECT_EQ(ClipboardText(), "1.5");
    FocusControl(screening, IDC_SCREEN_FLUID);
    PressKey(Key::C, kControl);
    EXPECT_EQ(ClipboardText(), report);
    FocusControl(screening, IDC_VELOCITY);
    PressKey(Key::C, kControl);  // nothing selected now: the clipboard keeps the report
    Click(screening, IDC_COPY);
    EXPECT_EQ(ClipboardText(), report);

    SaveDialogSeen seen;
    OnNextSaveDialog(&seen, (folder / "chart").string());
    Click(screening, IDC_SAVE_CHART);
    EXPECT_EQ(seen.fileName, "lock-in-chart.svg");
    std::ostringstream saved;
    saved << std::ifstream(folder / "chart.svg", std::ios::binary).rdbuf();
    EXPECT_EQ(saved.str(), output::SvgChart(expected.chart)) << "the file strouhal screen --svg writes";
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
  std::filesystem::remove_all(folder);
}

TEST_F(ScreeningDlgTest, UnitsRelabelTheFieldsAndAnOtherFluidTakesATypedViscosity) {
  RunModal(screening, [&] {
    Type(IDC_VELOCITY, "1");
    Type(IDC_DIAMETER, "0.5");
    Type(IDC_NATURAL_FREQUENCY, "0.2");
    Click(screening, IDOK);
    ASSERT_TRUE(ResultsShown());

    ClickRow(screening, IDC_SCREEN_UNITS, kEnglish);
    EXPECT_FALSE(ResultsShown());
    EXPECT_EQ(ControlText(screening, IDC_TEMPERATURE_LABEL), "Temperature (deg F)");
    EXPECT_EQ(ControlText(screening, IDC_VISCOSITY_LABEL), "Kinematic viscosity (ft^2/sec)");
    EXPECT_EQ(ControlText(screening, IDC_VELOCITY_LABEL), "Flow velocity (ft/sec)");
    EXPECT_EQ(ControlText(screening, IDC_DIAMETER_LABEL), "Diameter (ft)");

    // A viscosity typed in English units: 1.08e-5 ft^2/s, V = 2 ft/s,
    // D = 1 ft, so Re = 2 * 1 / 1.08e-5 = 185,185.
    ClickRow(screening, IDC_SCREEN_FLUID, kOtherFluid);
    Type(IDC_VISCOSITY, "1.08e-5");
    Type(IDC_VELOCITY, "2");
    Type(IDC_DIAMETER, "1");
    Click(screening, IDOK);
    ASSERT_TRUE(ResultsShown());
    EXPECT_EQ(ControlText(screening, IDC_FIGURE_VALUE_FIRST + static_cast<int>(shedding::ScreeningFigureId::Reynolds)),
              "1.852e+05");
    EXPECT_EQ(ControlText(screening, IDC_FIGURE_LABEL_FIRST + static_cast<int>(shedding::ScreeningFigureId::CriticalVelocity)),
              "Critical velocity, fs = fn (ft/sec)");
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ScreeningDlgTest, AnInputErrorNamesItsFieldAndChangesNothing) {
  struct Case {
    const char* what;
    int fluid;
    int field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"no speed", kFreshWater, IDC_VELOCITY, " ",
       "Input Error\n\nFlow velocity (m/sec) must be finite and greater than 1e-40."},
      {"a speed beyond a double's range", kFreshWater, IDC_VELOCITY, "1e400",
       "Input Error\n\nFlow velocity (m/sec) must be finite and greater than 1e-40."},
      {"water above its tables", kFreshWater, IDC_TEMPERATURE, "50",
       "Input Error\n\nTemperature (deg C) must lie between 0 and 40 for fresh water."},
      {"no temperature, where 0 would pass", kFreshWater, IDC_TEMPERATURE, " ",
       "Input Error\n\nTemperature (deg C) must lie between 0 and 40 for fresh water."},
      {"no viscosity typed", kOtherFluid, IDC_VISCOSITY, " ",
       "Input Error\n\nKinematic viscosity (m^2/sec) must be finite and greater than 1e-40."},
  };
  RunModal(screening, [&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      ClickRow(screening, IDC_SCREEN_FLUID, kFreshWater);
      Type(IDC_TEMPERATURE, "20");
      Type(IDC_VELOCITY, "1.5");
      Type(IDC_DIAMETER, "0.1");
      Type(IDC_NATURAL_FREQUENCY, "3");
      ClickRow(screening, IDC_SCREEN_FLUID, c.fluid);
      Type(c.field, c.text);
      boxes.Forget();
      Click(screening, IDOK);
      ASSERT_EQ(boxes.Seen().size(), 1u);
      EXPECT_EQ(boxes.Seen()[0].text, c.message);
      EXPECT_EQ(boxes.Seen()[0].icon, MessageIcon::Exclamation);
      EXPECT_FALSE(ResultsShown());
      EXPECT_EQ(ControlText(screening, c.field), c.text) << "what was typed stays";
    }
    // A band that is no band.
    ClickRow(screening, IDC_SCREEN_FLUID, kFreshWater);
    Type(IDC_TEMPERATURE, "20");
    Type(IDC_BAND_LOW, "1.3");
    boxes.Forget();
    Click(screening, IDOK);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text.rfind("Input Error\n\nLock-in band (fs/fn) ", 0), 0u) << boxes.Seen()[0].text;
    EXPECT_TRUE(IsOpen(screening));
    PressKey(Key::Escape);
  });
}

TEST_F(ScreeningDlgTest, ReopeningStartsAfresh) {
  RunModal(screening, [&] {
    ClickRow(screening, IDC_SCREEN_UNITS, kEnglish);
    Type(IDC_TEMPERATURE, "68");
    Type(IDC_VELOCITY, "1");
    Type(IDC_DIAMETER, "0.5");
    Type(IDC_NATURAL_FREQUENCY, "0.2");
    Click(screening, IDOK);
    ASSERT_TRUE(ResultsShown());
    PressKey(Key::Escape);
  });
  RunModal(screening, [&] {
    EXPECT_FALSE(ResultsShown());
    EXPECT_EQ(ListSelection(screening, IDC_SCREEN_UNITS), 1);
    EXPECT_EQ(ControlText(screening, IDC_VELOCITY), " ");
    EXPECT_EQ(ControlText(screening, IDC_VELOCITY_LABEL), "Flow velocity (m/sec)");
    PressKey(Key::Escape);
  });
}

}  // namespace
