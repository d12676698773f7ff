#include "cli/correlate_command.h"

#include <cstdio>
#include <string>

#include "cli/csv_stream.h"
#include "cli/exit_codes.h"
#include "shedding/correlation.h"
#include "shedding/number_text.h"

namespace cli {
namespace {

std::string EstimateText(std::string_view reynoldsText) {
  return shedding::StrouhalText(shedding::StrouhalFromReynolds(shedding::TextToNumber(reynoldsText)));
}

}  // namespace

int RunCorrelate(const Invocation& invocation) {
  for (const std::string_view reynolds : invocation.values) {
    std::printf("%s\n", EstimateText(reynolds).c_str());
  }
  return kSuccess;
}

int RunCorrelateRows() {
  return AnswerStandardInput("", [](std::string_view row, shedding::TextBuilder& line) {
    const auto reynolds = RowNumbers<1>(row);
    if (reynolds) {
      line.AppendFixed(shedding::StrouhalFromReynolds((*reynolds)[0]), shedding::kStrouhalTextWidth,
                       shedding::kStrouhalTextDecimals);
    } else {
      line.Append(kInputError);
    }
  });
}

}  // namespace cli
