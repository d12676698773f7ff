#include "output/report_text.h"

#include <span>

namespace output {
namespace {

void AppendFigureLines(std::string& text, std::span<const shedding::Figure> figures) {
  for (const shedding::Figure& figure : figures) AppendReportLine(text, figure.label, shedding::FigureText(figure));
}

}  // namespace

void AppendReportLine(std::string& text, std::string_view label, std::string_view value) {
  text += label;
  text += ": ";
  text += value;
  text += '\n';
}

std::string ReportText(const shedding::ScreeningResult& result) {
  std::string text;
  AppendFigureLines(text, result.figures);
  AppendReportLine(text, "Verdict", result.lockIn.words);
  AppendReportLine(text, "Eurocode rule", result.eurocode.words);
  AppendReportLine(text, "VIV ranges", result.vivRanges.words);
  return text;
}

std::string ReportText(const shedding::ResponseResult& result) {
  std::string text;
  AppendFigureLines(text, result.figures);
  for (const ResponseVerdictLine& line : kResponseVerdictLines) AppendReportLine(text, line.name, (result.*line.verdict).words);
  return text;
}

}  // namespace output
