#pragma once
// The texts that name the three given quantities and the solved one.

#include <array>
#include <string>

#include "shedding/shed_analysis.h"

namespace shedding {

inline constexpr int kSlotCount = 3;

// Labels of input slots 1 to 3: the quantities St, f, D, V in that order,
// the solved one left out.
std::array<std::string, kSlotCount> SlotLabels(ShedAnalysis analysis, UnitSystem units);

// Label of the solved quantity.
std::string ResultLabel(ShedAnalysis analysis, UnitSystem units);

}  // namespace shedding
