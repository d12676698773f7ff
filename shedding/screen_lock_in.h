#pragma once
// One case screened whole, conditions and all, with its chart: what the
// screening dialog and `strouhal screen` show. A batch prepares its
// conditions once instead (LockInScreening).

#include "shedding/input_error.h"
#include "shedding/lock_in_screening.h"
#include "shedding/screening_chart.h"

namespace shedding {

struct ScreeningReport {
  ScreeningResult result;
  Chart chart;
};

Outcome<ScreeningReport> ScreenLockIn(const ScreeningConditions& conditions, const ScreeningCase& cylinder);

}  // namespace shedding
