#include "cli/solve_command.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <variant>

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
  const auto outcome = shedding::SolveShedding(invocation.analysis, invocation.units, Converted(texts));
  if (const auto* error = std::get_if<shedding::InputError>(&outcome)) {
    const std::string_view typed = texts[static_cast<std::size_t>(error->field - 1)];  // the field is the slot
    std::fprintf(stderr, "%s: slot %d \"%s\" %s, got \"%.*s\"\n", kInputError.data(), error->field,
                 error->label.c_str(), error->requirement.c_str(), static_cast<int>(typed.size()), typed.data());
    return kFailure;
  }
  const auto& solved = std::get<shedding::ShedResult>(outcome);
  const std::string_view text = WithoutLeadingSpaces(solved.text);
  std::printf("%s: %.*s\n", solved.label.c_str(), static_cast<int>(text.size()), text.data());
  return kSuccess;
}

int RunSolveRows(const Invocation& invocation) {
  const int digits = shedding::ResultDigits(invocation.analysis);
  return AnswerStandardInput("", [&](std::string_view row, shedding::TextBuilder& line) {
    const auto inputs = RowNumbers<kSlotCount>(row);
    const auto outcome = inputs ? shedding::SolveSheddingValue(invocation.analysis, invocation.units, *inputs)
                                : shedding::Outcome<double>{shedding::InputError{}};  // not three numbers
    if (const double* value = std::get_if<double>(&outcome)) {
      line.AppendGeneral(*value, 0, digits);  // as the single solve's text, unpadded
    } else {
      line.Append(kInputError);
    }
  });
}

int RunLabels(const Invocation& invocation) {
  for (const std::string& label : shedding::SlotLabels(invocation.analysis, invocation.units)) {
    std::printf("%s\n", label.c_str());
  }
  return kSuccess;
}

}  // namespace cli
