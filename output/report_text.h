#pragma once
// The plain-text report of an analysis, as strouhal prints it and as the
// dialogs' Copy puts it on the clipboard: one "label: value" line per
// figure, then one "name: words" line per verdict.

#include <array>
#include <string>
#include <string_view>

#include "shedding/lock_in_screening.h"
#include "shedding/vortex_response.h"

namespace output {

// "label: value\n".
void AppendReportLine(std::string& text, std::string_view label, std::string_view value);

std::string ReportText(const shedding::ScreeningResult& result);
std::string ReportText(const shedding::ResponseResult& result);

// The response's verdicts in the order they are reported: the name of each
// line and its key in data files.
struct ResponseVerdictLine {
  std::string_view name;
  std::string_view dataKey;
  shedding::Verdict shedding::ResponseResult::*verdict;
};
inline constexpr std::array<ResponseVerdictLine, 5> kResponseVerdictLines = {{
    {"Eurocode rule", "eurocode", &shedding::ResponseResult::eurocode},
    {"Correlation length", "correlation", &shedding::ResponseResult::correlation},
    {"Damping", "damping", &shedding::ResponseResult::damping},
    {"Natural frequency", "frequency", &shedding::ResponseResult::frequency},
    {"Figure values", "figure_source", &shedding::ResponseResult::figureSource},
}};

}  // namespace output
