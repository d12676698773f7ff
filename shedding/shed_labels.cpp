#include "shedding/shed_labels.h"

namespace shedding {
namespace {

const char* InputLabel(ShedAnalysis quantity, UnitSystem units) {
  const bool english = units == UnitSystem::English;
  switch (quantity) {
    case ShedAnalysis::StrouhalNumber: return "Strouhal Number";
    case ShedAnalysis::Frequency: return "Frequency of Vortices (Hz)";
    case ShedAnalysis::Diameter: return english ? "Diameter (ft)" : "Diameter (m)";
    case ShedAnalysis::Velocity:
      return english ? "Freestream velocity (ft/sec)" : "Freestream velocity (m/sec)";
  }
  return "";
}

}  // namespace

std::array<std::string, kSlotCount> SlotLabels(ShedAnalysis analysis, UnitSystem units) {
  std::array<std::string, kSlotCount> labels;
  std::size_t slot = 0;
  for (int index = 0; index < kShedAnalysisCount; ++index) {
    const auto quantity = static_cast<ShedAnalysis>(index);
    if (quantity != analysis) labels[slot++] = InputLabel(quantity, units);
  }
  return labels;
}

std::string ResultLabel(ShedAnalysis analysis, UnitSystem units) {
  const bool english = units == UnitSystem::English;
  switch (analysis) {
    case ShedAnalysis::StrouhalNumber: return "Strouhal Number";
    case ShedAnalysis::Frequency: return "Frequency (Hz)";
    case ShedAnalysis::Diameter: return english ? "Diameter (ft)" : "Diameter (m)";
    case ShedAnalysis::Velocity:
      return english ? "Freestream Velocity (ft/sec)" : "Freestream Velocity (m/sec)";
  }
  return "";
}

}  // namespace shedding
