#include "shedding/shedding_relation.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>

#include "shedding/number_text.h"

namespace {

using shedding::kShedAnalyses;
using shedding::kUnitSystems;
using shedding::ShedAnalysis;
using shedding::ShedInputs;
using shedding::ShedResult;
using shedding::UnitSystem;

ShedResult Solved(ShedAnalysis analysis, UnitSystem units, const ShedInputs& inputs) {
  const auto outcome = shedding::SolveShedding(analysis, units, inputs);
  EXPECT_TRUE(std::holds_alternative<ShedResult>(outcome));
  const auto* result = std::get_if<ShedResult>(&outcome);
  return result ? *result : ShedResult{};
}

// The slot the error names, 0 when solved.
int FailedSlot(ShedAnalysis analysis, UnitSystem units, const ShedInputs& inputs) {
  const auto outcome = shedding::SolveShedding(analysis, units, inputs);
  const auto* error = std::get_if<shedding::InputError>(&outcome);
  return error ? error->field : 0;
}

TEST(SolveShedding, WorkedExamples) {
  const ShedResult strouhal = Solved(ShedAnalysis::StrouhalNumber, UnitSystem::English, {2, 0.5, 5});
  EXPECT_DOUBLE_EQ(0.2, strouhal.value);
  EXPECT_EQ("         0.2", strouhal.text);
  EXPECT_EQ("Strouhal Number", strouhal.label);

  const ShedResult diameter = Solved(ShedAnalysis::Diameter, UnitSystem::Metric, {0.2, 10, 5});
  EXPECT_DOUBLE_EQ(0.1, diameter.value);
  EXPECT_EQ("         0.1", diameter.text);
  EXPECT_EQ("Diameter (m)", diameter.label);
}

TEST(SolveShedding, StrouhalShowsThreeDigitsAndTheOthersFour) {
  EXPECT_EQ("       0.333", Solved(ShedAnalysis::StrouhalNumber, UnitSystem::Metric, {1, 1, 3}).text);
  EXPECT_EQ("      0.3333", Solved(ShedAnalysis::Frequency, UnitSystem::Metric, {1, 3, 1}).text);
  EXPECT_EQ("   1.235e+05", Solved(ShedAnalysis::Velocity, UnitSystem::Metric, {1, 123456, 1}).text);
}

// Distinct inputs, so a slot read in the wrong place changes the answer.
TEST(SolveShedding, EachAnalysisReadsItsSlotsInOrderStFDV) {
  const ShedInputs inputs = {2, 3, 5};
  EXPECT_DOUBLE_EQ(2.0 * 3.0 / 5.0, Solved(ShedAnalysis::StrouhalNumber, UnitSystem::Metric, inputs).value);
  EXPECT_DOUBLE_EQ(2.0 * 5.0 / 3.0, Solved(ShedAnalysis::Frequency, UnitSystem::Metric, inputs).value);
  EXPECT_DOUBLE_EQ(2.0 * 5.0 / 3.0, Solved(ShedAnalysis::Diameter, UnitSystem::Metric, inputs).value);
  EXPECT_DOUBLE_EQ(3.0 * 5.0 / 2.0, Solved(ShedAnalysis::Velocity, UnitSystem::Metric, inputs).value);
}

TEST(SolveShedding, EveryInputMustExceedTheThreshold) {
  EXPECT_EQ(0x37A16C262777579Cu, std::bit_cast<std::uint64_t>(shedding::InputThreshold));
  const double threshold = shedding::InputThreshold;
  const double justAbove = std::nextafter(threshold, 1.0);
  const double failing[] = {threshold, std::nextafter(threshold, 0.0), 0.0, -0.0, -1.0, -justAbove,
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
  for (ShedAnalysis analysis : kShedAnalyses) {
    for (std::size_t slot = 0; slot < 3; ++slot) {
      ShedInputs inputs = {1, 1, 1};
      inputs[slot] = justAbove;
      EXPECT_EQ(0, FailedSlot(analysis, UnitSystem::Metric, inputs));
      for (double bad : failing) {
        inputs[slot] = bad;
        const auto outcome = shedding::SolveShedding(analysis, UnitSystem::English, inputs);
        ASSERT_TRUE(std::holds_alternative<shedding::InputError>(outcome)) << bad << " in slot " << slot + 1;
        const auto& error = std::get<shedding::InputError>(outcome);
        EXPECT_EQ(static_cast<int>(slot) + 1, error.field);
        EXPECT_EQ(shedding::SlotLabels(analysis, UnitSystem::English)[slot], error.label);
        EXPECT_EQ("must be finite and greater than 1e-40", error.requirement);
      }
    }
  }
}

TEST(SolveShedding, ReportsTheFirstFailingSlot) {
  EXPECT_EQ(1, FailedSlot(ShedAnalysis::Velocity, UnitSystem::English, {0, 0, 0}));
  EXPECT_EQ(2, FailedSlot(ShedAnalysis::Velocity, UnitSystem::English, {1, -1, 0}));
  // A blank field, as the dialogs clear them, reads as 0.
  const double blank = shedding::TextToNumber(" ");
  EXPECT_EQ(3, FailedSlot(ShedAnalysis::Diameter, UnitSystem::English, {0.2, 10, blank}));
}

// Text beyond the double range reads as infinity, which is an input error; a
// result that overflows from finite inputs is still a result.
TEST(SolveShedding, AnInputBeyondTheDoubleRangeIsAnInputError) {
  const double typed = shedding::TextToNumber("1e400");
  ASSERT_TRUE(std::isinf(typed));
  EXPECT_EQ(3, FailedSlot(ShedAnalysis::StrouhalNumber, UnitSystem::Metric, {1, 1, typed}));
  EXPECT_EQ(1, FailedSlot(ShedAnalysis::Velocity, UnitSystem::Metric, {typed, 1, typed}));
  const ShedResult overflow = Solved(ShedAnalysis::StrouhalNumber, UnitSystem::Metric, {1e300, 1e300, 1e-30});
  EXPECT_EQ("         inf", overflow.text);
}

// Valid inputs whose product leaves the double range before the division.
TEST(SolveShedding, ProductBeyondTheDoubleRangeStillDivides) {
  const ShedResult strouhal = Solved(ShedAnalysis::StrouhalNumber, UnitSystem::Metric, {1e200, 1e200, 1e300});
  EXPECT_NEAR(1e100, strouhal.value, 1e85);
  EXPECT_EQ("      1e+100", strouhal.text);
  EXPECT_NEAR(1e100, Solved(ShedAnalysis::Velocity, UnitSystem::Metric, {1e300, 1e200, 1e200}).value, 1e85);
}

TEST(Labels, SlotsAndResultsForEveryAnalysisAndUnitSystem) {
  struct Expected {
    std::array<const char*, 3> slots;
    const char* result;
  };
  // [analysis][units], English before metric.
  const Expected expected[4][2] = {
      {{{"Frequency of Vortices (Hz)", "Diameter (ft)", "Freestream velocity (ft/sec)"}, "Strouhal Number"},
       {{"Frequency of Vortices (Hz)", "Diameter (m)", "Freestream velocity (m/sec)"}, "Strouhal Number"}},
      {{{"Strouhal Number", "Diameter (ft)", "Freestream velocity (ft/sec)"}, "Frequency (Hz)"},
       {{"Strouhal Number", "Diameter (m)", "Freestream velocity (m/sec)"}, "Frequency (Hz)"}},
      {{{"Strouhal Number", "Frequency of Vortices (Hz)", "Freestream velocity (ft/sec)"}, "Diameter (ft)"},
       {{"Strouhal Number", "Frequency of Vortices (Hz)", "Freestream velocity (m/sec)"}, "Diameter (m)"}},
      {{{"Strouhal Number", "Frequency of Vortices (Hz)", "Diameter (ft)"}, "Freestream Velocity (ft/sec)"},
       {{"Strouhal Number", "Frequency of Vortices (Hz)", "Diameter (m)"}, "Freestream Velocity (m/sec)"}},
  };
  for (ShedAnalysis analysis : kShedAnalyses) {
    for (UnitSystem units : kUnitSystems) {
      const Expected& want = expected[static_cast<int>(analysis)][static_cast<int>(units)];
      const auto slots = shedding::SlotLabels(analysis, units);
      for (std::size_t slot = 0; slot < 3; ++slot) EXPECT_EQ(want.slots[slot], slots[slot]);
      EXPECT_EQ(want.result, Solved(analysis, units, {1, 1, 1}).label);
    }
  }
}

TEST(Labels, ListTextsInListOrder) {
  EXPECT_STREQ("Stouhal Number", shedding::kAnalysisListTexts[0]);
  EXPECT_STREQ("Frequency of vortices", shedding::kAnalysisListTexts[1]);
  EXPECT_STREQ("Diameter", shedding::kAnalysisListTexts[2]);
  EXPECT_STREQ("Freestream Velocity", shedding::kAnalysisListTexts[3]);
  EXPECT_STREQ("English", shedding::kUnitSystemListTexts[static_cast<int>(UnitSystem::English)]);
  EXPECT_STREQ("metric", shedding::kUnitSystemListTexts[static_cast<int>(UnitSystem::Metric)]);
}

}  // namespace
