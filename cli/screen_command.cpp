#include "cli/screen_command.h"

#include <cstdio>
#include <string>
#include <variant>

#include "cli/csv_stream.h"
#include "cli/exit_codes.h"
#include "cli/markup_text.h"
#include "output/atomic_file.h"
#include "output/report_text.h"
#include "output/svg_chart.h"
#include "shedding/lock_in_screening.h"
#include "shedding/number_text.h"
#include "shedding/screen_lock_in.h"

namespace cli {
namespace {

using shedding::InputError;
using shedding::ScreeningField;
namespace verdicts = shedding::screening_verdicts;

constexpr std::string_view kCsvHeader =
    "V,D,FN,Re,St,fs,fs/fn,Vr,Vcrit,V_lock_in_low,V_lock_in_high,lock_in,eurocode,viv_ranges\n";
constexpr std::size_t kFirstRowFigure = 1;  // rows leave out nu, which the whole batch shares

double NumberOf(const std::optional<std::string_view>& text, double fallback) {
  return text ? shedding::TextToNumber(*text) : fallback;
}

shedding::ScreeningConditions ConditionsOf(const Invocation& invocation) {
  const ScreenOptions& options = invocation.screen;
  shedding::ScreeningConditions conditions;
  conditions.units = invocation.units;
  conditions.fluid = options.fluid;
  // 0 deg is a plausible temperature, so text without a number must fail its range check.
  conditions.temperature = options.temperature ? shedding::NumberOrNaN(*options.temperature) : 0.0;
  conditions.viscosity = NumberOf(options.viscosity, 0.0);
  conditions.bandLow = NumberOf(options.bandLow, shedding::kDefaultBandLow);
  conditions.bandHigh = NumberOf(options.bandHigh, shedding::kDefaultBandHigh);
  return conditions;
}

shedding::ScreeningCase CaseOf(const ScreenOptions& options) {
  return {shedding::TextToNumber(*options.velocity), shedding::TextToNumber(*options.diameter),
          shedding::TextToNumber(*options.naturalFrequency)};
}

// What the user typed for the field, as the message quotes it.
std::string TypedFor(ScreeningField field, const ScreenOptions& options) {
  const auto typed = [](const std::optional<std::string_view>& text) { return std::string(text.value_or("")); };
  switch (field) {
    case ScreeningField::Temperature: return typed(options.temperature);
    case ScreeningField::Viscosity: return typed(options.viscosity);
    case ScreeningField::Velocity: return typed(options.velocity);
    case ScreeningField::Diameter: return typed(options.diameter);
    case ScreeningField::NaturalFrequency: return typed(options.naturalFrequency);
    case ScreeningField::Band: return typed(options.bandLow) + "," + typed(options.bandHigh);  // the default band holds
  }
  return "";
}

int ReportInputError(const InputError& error, const ScreenOptions& options) {
  std::fprintf(stderr, "%s: \"%s\" %s, got \"%s\"\n", kInputError.data(), error.label.c_str(),
               error.requirement.c_str(), TypedFor(static_cast<ScreeningField>(error.field), options).c_str());
  return kFailure;
}

std::string JsonVerdict(const shedding::Verdict& verdict) {
  return "\"verdict\":" + JsonString(verdict.key) + ",\"text\":" + JsonString(verdict.words);
}

// Whether the Eurocode rule asks for an investigation; null where it is not applied.
std::string JsonInvestigate(const shedding::Verdict& eurocode) {
  if (eurocode == verdicts::kEurocodeNotApplicable) return "null";
  return JsonBool(eurocode == verdicts::kInvestigate);
}

void PrintJson(const Invocation& invocation, const shedding::ScreeningConditions& conditions,
               const shedding::ScreeningCase& cylinder, const shedding::ScreeningResult& result) {
  const ScreenOptions& options = invocation.screen;
  const bool english = invocation.units == shedding::UnitSystem::English;
  std::string json = "{\"units\":" + JsonString(english ? "english" : "metric");
  json += ",\"fluid\":" + (options.fluid ? JsonString(shedding::FluidName(*options.fluid)) : "null");
  json += ",\"temperature\":" +
          (options.fluid ? JsonNumber(shedding::TextToNumber(*options.temperature)) : std::string("null"));
  json += ",\"velocity\":" + JsonNumber(cylinder.velocity);
  json += ",\"diameter\":" + JsonNumber(cylinder.diameter);
  json += ",\"natural_frequency\":" + JsonNumber(cylinder.naturalFrequency);
  json += ",\"band\":[" + JsonNumber(conditions.bandLow) + "," + JsonNumber(conditions.bandHigh) + "]";
  for (const shedding::Figure& figure : result.figures) {
    json += "," + JsonString(figure.key) + ":" + (figure.claimed ? JsonNumber(figure.value) : "null");
  }
  json += ",\"lock_in\":{" + JsonVerdict(result.lockIn) + "}";
  json += ",\"eurocode\":{\"investigate\":" + JsonInvestigate(result.eurocode) + "," + JsonVerdict(result.eurocode) + "}";
  json += ",\"viv_ranges\":{\"in_line\":" + JsonBool(verdicts::InLineRange(result.vivRanges)) +
          ",\"cross_flow\":" + JsonBool(verdicts::CrossFlowRange(result.vivRanges)) + "," +
          JsonVerdict(result.vivRanges) + "}}\n";
  std::fwrite(json.data(), 1, json.size(), stdout);
}

// Re,St,...,viv_ranges of a screened row; a figure not claimed stays empty.
void AppendRowFigures(shedding::TextBuilder& answer, const shedding::ScreeningResult& result) {
  AppendFigureFields(answer, std::span(result.figures).subspan(kFirstRowFigure));
  answer.Append(result.lockIn.key);
  answer.Append(',');
  answer.Append(result.eurocode.key);
  answer.Append(',');
  answer.Append(result.vivRanges.key);
}

}  // namespace

int RunScreen(const Invocation& invocation) {
  const ScreenOptions& options = invocation.screen;
  const shedding::ScreeningConditions conditions = ConditionsOf(invocation);
  const shedding::ScreeningCase cylinder = CaseOf(options);
  const auto outcome = shedding::ScreenLockIn(conditions, cylinder);
  if (const auto* error = std::get_if<InputError>(&outcome)) return ReportInputError(*error, options);
  const auto& report = std::get<shedding::ScreeningReport>(outcome);

  if (options.json) {
    PrintJson(invocation, conditions, cylinder, report.result);
  } else {
    const std::string text = output::ReportText(report.result);
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
  if (!options.svgPath) return kSuccess;
  if (const auto failure = output::WriteFileWhole(std::string(*options.svgPath), output::SvgChart(report.chart))) {
    std::fprintf(stderr, "strouhal: %s\n", failure->c_str());
    return kFailure;
  }
  return kSuccess;
}

int RunScreenRows(const Invocation& invocation) {
  const auto prepared = shedding::LockInScreening::Prepare(ConditionsOf(invocation));
  if (const auto* error = std::get_if<InputError>(&prepared)) {
    return ReportInputError(*error, invocation.screen);
  }
  const auto& screening = std::get<shedding::LockInScreening>(prepared);

  return AnswerStandardInput(kCsvHeader, [&screening, result = shedding::ScreeningResult{}](
                                              std::string_view row, shedding::TextBuilder& line) mutable {
    const auto fields = RowNumbers<3>(row);  // V,D,FN
    if (!fields || screening.Screen({(*fields)[0], (*fields)[1], (*fields)[2]}, result)) {
      line.Append(kInputError);
    } else {
      AppendRowFigures(line, result);
    }
  });
}

}  // namespace cli
