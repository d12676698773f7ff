#pragma once
// The Strouhal relation St = f*D/V, solved for any one of its quantities
// from the other three.

#include <array>
#include <string>

#include "shedding/input_error.h"
#include "shedding/shed_analysis.h"
#include "shedding/shed_labels.h"

namespace shedding {

// Slots 1 to 3 hold the given quantities in the order of SlotLabels.
using ShedInputs = std::array<double, kSlotCount>;

struct ShedResult {
  double value = 0.0;
  std::string text;  // right-aligned in 12 characters
  std::string label;
};

// Every input must be IsValidInput; the error's field is the first slot
// (1 to 3) that is not, its label the slot's label.
Outcome<ShedResult> SolveShedding(ShedAnalysis analysis, UnitSystem units, const ShedInputs& inputs);

// The value alone, for batches that lay it out themselves: printf's
// %.<ResultDigits>g of it is the text without padding.
Outcome<double> SolveSheddingValue(ShedAnalysis analysis, UnitSystem units, const ShedInputs& inputs);
int ResultDigits(ShedAnalysis analysis);

}  // namespace shedding
