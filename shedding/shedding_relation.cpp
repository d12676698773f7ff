#include "shedding/shedding_relation.h"

#include <utility>

#include "shedding/number_text.h"
#include "shedding/wide_arithmetic.h"

namespace shedding {
namespace {

constexpr int kResultWidth = 12;
constexpr int kStrouhalDigits = 3;
constexpr int kDimensionalDigits = 4;

double Solve(ShedAnalysis analysis, const ShedInputs& s) {
  switch (analysis) {
    case ShedAnalysis::StrouhalNumber: return WideProductOver(s[0], s[1], s[2]);  // f*D/V
    case ShedAnalysis::Frequency: return WideProductOver(s[0], s[2], s[1]);       // St*V/D
    case ShedAnalysis::Diameter: return WideProductOver(s[0], s[2], s[1]);        // St*V/f
    case ShedAnalysis::Velocity: return WideProductOver(s[1], s[2], s[0]);        // f*D/St
  }
  return 0.0;
}

}  // namespace

Outcome<ShedResult> SolveShedding(ShedAnalysis analysis, UnitSystem units, const ShedInputs& inputs) {
  Outcome<double> solved = SolveSheddingValue(analysis, units, inputs);
  if (auto* error = std::get_if<InputError>(&solved)) return std::move(*error);
  const double value = std::get<double>(solved);
  return ShedResult{value, FormatGeneral(value, kResultWidth, ResultDigits(analysis)), ResultLabel(analysis, units)};
}

Outcome<double> SolveSheddingValue(ShedAnalysis analysis, UnitSystem units, const ShedInputs& inputs) {
  for (std::size_t slot = 0; slot < inputs.size(); ++slot) {
    if (!IsValidInput(inputs[slot])) {
      return InvalidInput(static_cast<int>(slot) + 1, SlotLabels(analysis, units)[slot]);
    }
  }
  return Solve(analysis, inputs);
}

int ResultDigits(ShedAnalysis analysis) {
  return analysis == ShedAnalysis::StrouhalNumber ? kStrouhalDigits : kDimensionalDigits;
}

}  // namespace shedding
