#pragma once
// What the calculator can solve for, and in which units it labels its
// quantities. Each value is the row of its entry in the dialog's list.

#include <array>

namespace shedding {

enum class ShedAnalysis {
  StrouhalNumber = 0,
  Frequency = 1,
  Diameter = 2,
  Velocity = 3,
};

// Only the labels change with the units; no value is ever converted.
enum class UnitSystem {
  English = 0,  // ft, ft/sec
  Metric = 1,   // m, m/sec
};

inline constexpr int kShedAnalysisCount = 4;
inline constexpr int kUnitSystemCount = 2;

// Every value, in list order.
inline constexpr std::array<ShedAnalysis, kShedAnalysisCount> kShedAnalyses = {
    ShedAnalysis::StrouhalNumber, ShedAnalysis::Frequency, ShedAnalysis::Diameter, ShedAnalysis::Velocity};
inline constexpr std::array<UnitSystem, kUnitSystemCount> kUnitSystems = {UnitSystem::English, UnitSystem::Metric};

// The list entries, in list order. "Stouhal" is the program's own spelling.
inline constexpr std::array<const char*, kShedAnalysisCount> kAnalysisListTexts = {
    "Stouhal Number", "Frequency of vortices", "Diameter", "Freestream Velocity"};
inline constexpr std::array<const char*, kUnitSystemCount> kUnitSystemListTexts = {"English",
                                                                                   "metric"};

}  // namespace shedding
