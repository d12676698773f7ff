#pragma once
// The chart of one screened case: the shedding frequency against the flow
// speed (the curve), the natural frequency (the reference line), the lock-in
// band and the operating point.

#include "shedding/chart.h"
#include "shedding/lock_in_screening.h"

namespace shedding {

// Chart of a case that cylinder's screening (result) has screened. The speed
// axis runs from 0 to at least 1.5 * max(V, Vcrit, top of the lock-in
// speeds), the frequency axis to above the curve's end and HI * fn. The
// curve runs in order of speed; at the onset of shedding two points share
// the speed (fs jumps up from 0). Without shedding the point's fs is 0.
Chart ChartScreening(const LockInScreening& screening, const ScreeningCase& cylinder, const ScreeningResult& result);

}  // namespace shedding
