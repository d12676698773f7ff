#include "shedding/shed_labels.h"

#include "shedding/unit_words.h"

namespace shedding {
namespace {

std::string InputLabel(ShedAnalysis quantity, UnitSystem units) {
  switch (quantity) {
    case ShedAnalysis::StrouhalNumber: return "Strouhal Number";
    case ShedAnalysis::Frequency: return "Frequency of Vortices (Hz)";
    case ShedAnalysis::Diameter: return WithUnit("Diameter", LengthUnit(units));
    case ShedAnalysis::Velocity: return WithUnit("Freestream velocity", SpeedUnit(units));
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
  switch (analysis) {
    case ShedAnalysis::StrouhalNumber: return "Strouhal Number";
    case ShedAnalysis::Frequency: return "Frequency (Hz)";
    case ShedAnalysis::Diameter: return WithUnit("Diameter", LengthUnit(units));
    case ShedAnalysis::Velocity: return WithUnit("Freestream Velocity", SpeedUnit(units));
  }
  return "";
}

}  // namespace shedding
