#include "shedding/shedding_relation.h"

#include <cmath>

#include "shedding/number_text.h"

namespace shedding {
namespace {

constexpr int kResultWidth = 12;
constexpr int kStrouhalDigits = 3;
constexpr int kDimensionalDigits = 4;

// The product is formed in long double, whose exponent range is wider than
// double's, so valid inputs such as 1e200 * 1e200 / 1e300 give 1e100 rather
// than an overflow to infinity before the division.
double ProductOver(double a, double b, double divisor) {
  return static_cast<double>(static_cast<long double>(a) * b / divisor);
}

double Solve(ShedAnalysis analysis, const ShedInputs& s) {
  switch (analysis) {
    case ShedAnalysis::StrouhalNumber: return ProductOver(s[0], s[1], s[2]);  // f*D/V
    case ShedAnalysis::Frequency: return ProductOver(s[0], s[2], s[1]);       // St*V/D
    case ShedAnalysis::Diameter: return ProductOver(s[0], s[2], s[1]);        // St*V/f
    case ShedAnalysis::Velocity: return ProductOver(s[1], s[2], s[0]);        // f*D/St
  }
  return 0.0;
}

}  // namespace

ShedOutcome SolveShedding(ShedAnalysis analysis, UnitSystem units, const ShedInputs& inputs) {
  ShedOutcome outcome = SolveSheddingValue(analysis, inputs);
  if (!outcome.solved) return outcome;
  outcome.text = FormatGeneral(outcome.value, kResultWidth, ResultDigits(analysis));
  outcome.label = ResultLabel(analysis, units);
  return outcome;
}

ShedOutcome SolveSheddingValue(ShedAnalysis analysis, const ShedInputs& inputs) {
  ShedOutcome outcome;
  for (std::size_t slot = 0; slot < inputs.size(); ++slot) {
    // Written so that NaN fails too. A text beyond the double range converts
    // to infinity, which would pass the threshold and show "inf" or "nan".
    if (!(inputs[slot] > InputThreshold) || std::isinf(inputs[slot])) {
      outcome.failedSlot = static_cast<int>(slot) + 1;
      return outcome;
    }
  }
  outcome.solved = true;
  outcome.value = Solve(analysis, inputs);
  return outcome;
}

int ResultDigits(ShedAnalysis analysis) {
  return analysis == ShedAnalysis::StrouhalNumber ? kStrouhalDigits : kDimensionalDigits;
}

}  // namespace shedding
