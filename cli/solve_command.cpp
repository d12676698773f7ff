#include "cli/solve_command.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "cli/csv_stream.h"
#include "cli/exit_codes.h"
#include "shedding/number_text.h"
#include "shedding/shedding_relation.h"

namespace cli {
namespace {

using shedding::kSlotCount;

std::string_view WithoutLeadingSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

shedding::ShedInputs Converted(const std::array<std::string_view, kSlotCount>& texts) {
  shedding::ShedInputs inputs{};
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    inputs[slot] = shedding::TextToNumber(texts[slot]);
  }
  return inputs;
}

}  // namespace

int RunSolve(const Invocation& invocation) {
  const std::array<std::string_view, kSlotCount> texts = {
      invocation.values[0], invocation.values[1], invocation.values[2]};
  const shedding::ShedOutcome outcome =
      shedding::SolveShedding(invocation.analysis, invocation.units, Converted(texts));
  if (!outcome.solved) {
    const auto slot = static_cast<std::size_t>(outcome.failedSlot - 1);
    const std::string label = shedding::SlotLabels(invocation.analysis, invocation.units)[slot];
    const std::string threshold = shedding::FormatGeneral(shedding::InputThreshold, 0, 6);
    std::fprintf(stderr, "%s: slot %d \"%s\" must be finite and greater than %s, got \"%.*s\"\n",
                 kInputError.data(), outcome.failedSlot, label.c_str(), threshold.c_str(),
                 static_cast<int>(texts[slot].size()), texts[slot].data());
    return kFailure;
  }
  const std::string_view text = WithoutLeadingSpaces(outcome.text);
  std::printf("%s: %.*s\n", outcome.label.c_str(), static_cast<int>(text.size()), text.data());
  return kSuccess;
}

int RunSolveRows(const Invocation& invocation) {
  const int digits = shedding::ResultDigits(invocation.analysis);
  const bool readAll = AnswerEachRow(stdin, stdout, [&](std::string_view row, shedding::TextBuilder& line) {
    const auto inputs = RowNumbers<kSlotCount>(row);
    const shedding::ShedOutcome outcome =
        inputs ? shedding::SolveSheddingValue(invocation.analysis, *inputs) : shedding::ShedOutcome{};
    if (outcome.solved) {
      line.AppendGeneral(outcome.value, 0, digits);  // as the single solve's text, unpadded
    } else {
      line.Append(kInputError);
    }
  });
  if (!readAll) {
    std::fputs("strouhal: cannot read standard input\n", stderr);
    return kFailure;
  }
  return kSuccess;
}

int RunLabels(const Invocation& invocation) {
  for (const std::string& label : shedding::SlotLabels(invocation.analysis, invocation.units)) {
    std::printf("%s\n", label.c_str());
  }
  return kSuccess;
}

}  // namespace cli
