#pragma once
// The Strouhal relation St = f*D/V, solved for any one of its quantities
// from the other three.

#include <array>
#include <string>

#include "shedding/shed_analysis.h"
#include "shedding/shed_labels.h"

namespace shedding {

// Slots 1 to 3 hold the given quantities in the order of SlotLabels.
using ShedInputs = std::array<double, kSlotCount>;

// Every input must compare strictly greater than this, and be finite.
inline constexpr double InputThreshold = 1e-40;

struct ShedOutcome {
  bool solved = false;
  double value = 0.0;
  std::string text;   // right-aligned in 12 characters
  std::string label;
  int failedSlot = 0;  // 1 to 3: the first slot not above InputThreshold or not finite; 0 when solved
};

// An input error leaves value, text and label empty.
ShedOutcome SolveShedding(ShedAnalysis analysis, UnitSystem units, const ShedInputs& inputs);

// The same without text and label, for batches that lay out the value
// themselves: printf's %.<ResultDigits>g of it is the text without padding.
ShedOutcome SolveSheddingValue(ShedAnalysis analysis, const ShedInputs& inputs);
int ResultDigits(ShedAnalysis analysis);

}  // namespace shedding
