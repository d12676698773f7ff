#include "cli/response_command.h"

#include <array>
#include <cstdio>
#include <string>
#include <variant>

#include "cli/csv_stream.h"
#include "cli/exit_codes.h"
#include "cli/markup_text.h"
#include "output/report_text.h"
#include "shedding/number_text.h"
#include "shedding/vortex_response.h"

namespace cli {
namespace {

using shedding::ResponseField;
using shedding::InputError;

constexpr std::string_view kCsvHeader =
    "B,H,FN,ME,DS,VM,zeta,Sc,Ks,vcrit,Re,clat,Lj/b,Kw,K,yF_max,yF_max/b,Fw,M_base,N,eurocode,correlation\n";
// A row's figures start at the damping ratio: those before it echo the row.
constexpr auto kFirstRowFigure = static_cast<std::size_t>(shedding::ResponseFigureId::DampingRatio);
constexpr std::size_t kRowFields = 6;

// Whether the text starts (after white space) with a number: text without
// one would read as 0, which may pass a check.
bool HoldsNumber(std::string_view text) { return shedding::NumberInText(text).has_value(); }

struct TypedValue {
  ResponseField field;
  std::optional<std::string_view> text;
};

// The typed values of the case, in the order they are checked.
std::array<TypedValue, 12> TypedValues(const ResponseOptions& o) {
  using enum ResponseField;
  return {{{Diameter, o.diameter},
           {Height, o.height},
           {NaturalFrequency, o.naturalFrequency},
           {MassPerLength, o.mass},
           {WallThickness, o.wallThickness},
           {YoungsModulus, o.youngsModulus},
           {MaterialDensity, o.materialDensity},
           {ExtraMass, o.extraMass},
           {LogDecrement, o.logDecrement},
           {DampingRatio, o.dampingRatio},
           {MeanWind, o.meanWind},
           {Life, o.life}}};
}

double NumberOf(const std::optional<std::string_view>& text, double fallback = 0.0) {
  return text ? shedding::TextToNumber(*text) : fallback;
}

shedding::ResponseCase CaseOf(const ResponseOptions& o) {
  shedding::ResponseCase c;
  c.units = o.units;
  c.support = o.support;
  c.diameter = NumberOf(o.diameter);
  c.height = NumberOf(o.height);
  c.naturalFrequency = NumberOf(o.naturalFrequency);
  c.massPerLength = NumberOf(o.mass);
  if (o.Tube()) {
    c.tube = shedding::TubeSection{0.0, NumberOf(o.wallThickness), NumberOf(o.youngsModulus),
                                   NumberOf(o.materialDensity), NumberOf(o.extraMass)};
  }
  c.dampingMeasure = o.dampingRatio ? shedding::DampingMeasure::DampingRatio : shedding::DampingMeasure::LogDecrement;
  c.damping = o.dampingRatio ? NumberOf(o.dampingRatio) : NumberOf(o.logDecrement);
  c.meanWind = NumberOf(o.meanWind);
  c.life = NumberOf(o.life, shedding::kDefaultDesignLife);
  return c;
}

int ReportInputError(const InputError& error, const ResponseOptions& options) {
  std::string typed;
  for (const TypedValue& value : TypedValues(options)) {
    if (static_cast<int>(value.field) == error.field) typed = std::string(value.text.value_or(""));
  }
  std::fprintf(stderr, "%s: \"%s\" %s, got \"%s\"\n", kInputError.data(), error.label.c_str(),
               error.requirement.c_str(), typed.c_str());
  return kFailure;
}

// The first value typed that holds no number, as the core's error type.
std::optional<InputError> TextWithoutNumber(const ResponseOptions& options) {
  for (const TypedValue& value : TypedValues(options)) {
    if (value.text && !HoldsNumber(*value.text)) {
      return InputError{static_cast<int>(value.field), shedding::ResponseFieldLabel(value.field, options.units),
                        "must be a number"};
    }
  }
  return std::nullopt;
}

void PrintJson(const ResponseOptions& options, const shedding::ResponseCase& c, const shedding::ResponseResult& result) {
  const bool english = c.units == shedding::UnitSystem::English;
  std::string json = "{\"units\":" + JsonString(english ? "english" : "metric");
  json += ",\"support\":" + JsonString(shedding::SupportName(c.support));
  json += ",\"diameter\":" + JsonNumber(c.diameter);
  json += ",\"height\":" + JsonNumber(c.height);
  json += ",\"natural_frequency_given\":" + JsonBool(!options.Tube());
  json += ",\"mean_wind\":" + JsonNumber(c.meanWind);
  json += ",\"life\":" + JsonNumber(c.life);
  for (const shedding::Figure& figure : result.figures) {
    json += "," + JsonString(figure.key) + ":" + (figure.claimed ? JsonNumber(figure.value) : "null");
  }
  for (const output::ResponseVerdictLine& line : output::kResponseVerdictLines) {
    const shedding::Verdict& verdict = result.*(line.verdict);
    json += "," + JsonString(line.dataKey) + ":{";
    if (line.verdict == &shedding::ResponseResult::eurocode) {
      json += "\"investigate\":" + JsonBool(verdict.key == "investigate") + ",";
    } else if (line.verdict == &shedding::ResponseResult::correlation) {
      json += "\"settled\":" + JsonBool(verdict.key == "settled") +
              ",\"iterations\":" + std::to_string(result.iterations) + ",";
    }
    json += "\"verdict\":" + JsonString(verdict.key) + ",\"text\":" + JsonString(verdict.words) + "}";
  }
  json += "}\n";
  std::fwrite(json.data(), 1, json.size(), stdout);
}

// A B,H,FN,ME,DS,VM row as the case it gives, or nothing if it has not
// exactly six fields, each holding a number.
std::optional<shedding::ResponseCase> RowCase(std::string_view row, const ResponseOptions& options) {
  const auto numbers = RowNumbers<kRowFields>(row);
  if (!numbers) return std::nullopt;
  const std::array<double, kRowFields>& values = *numbers;
  shedding::ResponseCase c;
  c.units = options.units;
  c.support = options.support;
  c.life = NumberOf(options.life, shedding::kDefaultDesignLife);
  c.diameter = values[0];
  c.height = values[1];
  c.naturalFrequency = values[2];
  c.massPerLength = values[3];
  c.damping = values[4];
  c.meanWind = values[5];
  return c;
}

void AppendRowAnswer(shedding::TextBuilder& line, const shedding::ResponseResult& result) {
  AppendFigureFields(line, std::span(result.figures).subspan(kFirstRowFigure));
  line.Append(result.eurocode.key);
  line.Append(',');
  line.Append(result.correlation.key);
}

}  // namespace

int RunResponse(const ResponseOptions& options) {
  if (auto error = TextWithoutNumber(options)) return ReportInputError(*error, options);
  const shedding::ResponseCase cylinder = CaseOf(options);
  const auto outcome = shedding::ComputeVortexResponse(cylinder);
  if (const auto* error = std::get_if<InputError>(&outcome)) return ReportInputError(*error, options);
  const auto& result = std::get<shedding::ResponseResult>(outcome);
  if (options.json) {
    PrintJson(options, cylinder, result);
  } else {
    const std::string text = output::ReportText(result);
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
  return kSuccess;
}

int RunResponseRows(const ResponseOptions& options) {
  if (options.life && !HoldsNumber(*options.life)) {
    return ReportInputError({static_cast<int>(ResponseField::Life), shedding::ResponseFieldLabel(ResponseField::Life, options.units),
                             "must be a number"},
                            options);
  }
  return AnswerStandardInput(kCsvHeader, [&options](std::string_view row, shedding::TextBuilder& line) {
    if (const auto cylinder = RowCase(row, options)) {
      const auto outcome = shedding::ComputeVortexResponse(*cylinder);
      if (const auto* result = std::get_if<shedding::ResponseResult>(&outcome)) return AppendRowAnswer(line, *result);
    }
    line.Append(kInputError);
  });
}

}  // namespace cli
