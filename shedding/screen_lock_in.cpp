#include "shedding/screen_lock_in.h"

#include <utility>

namespace shedding {

Outcome<ScreeningReport> ScreenLockIn(const ScreeningConditions& conditions, const ScreeningCase& cylinder) {
  auto prepared = LockInScreening::Prepare(conditions);
  if (auto* error = std::get_if<InputError>(&prepared)) return std::move(*error);
  const auto& screening = std::get<LockInScreening>(prepared);
  ScreeningReport report;
  if (auto error = screening.Screen(cylinder, report.result)) return *std::move(error);
  report.chart = ChartScreening(screening, cylinder, report.result);
  return report;
}

}  // namespace shedding
