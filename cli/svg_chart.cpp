#include "cli/svg_chart.h"

#include "cli/markup_text.h"
#include "shedding/number_text.h"

namespace cli {
namespace {

constexpr double kWidth = 720;
constexpr double kHeight = 460;
constexpr double kLeft = 80;
constexpr double kRight = 24;
constexpr double kTop = 48;
constexpr double kBottom = 64;
constexpr double kTickLength = 5;
constexpr double kLegendRow = 18;

constexpr std::string_view kCurveStroke = "stroke=\"#1f4e9a\" stroke-width=\"2\"";
constexpr std::string_view kNaturalStroke = "stroke=\"#b03a2e\" stroke-width=\"1.5\" stroke-dasharray=\"6 4\"";
constexpr std::string_view kBandFill = "fill=\"#f2c14e\" fill-opacity=\"0.45\"";

std::string Number(double value) { return shedding::FormatFixed(value, 0, 1); }

// The chart's shares of the plot, as picture coordinates.
class Plot {
 public:
  explicit Plot(const shedding::ScreeningChart& chart) : chart_(chart) {}
  double X(double speed) const { return kLeft + chart_.speedAxis.Share(speed) * (kWidth - kLeft - kRight); }
  double Y(double frequency) const {
    return kHeight - kBottom - chart_.frequencyAxis.Share(frequency) * (kHeight - kTop - kBottom);
  }

 private:
  const shedding::ScreeningChart& chart_;
};

void Text(std::string& svg, double x, double y, std::string_view anchor, std::string_view text,
          std::string_view extra = {}) {
  svg += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" text-anchor=\"" + std::string(anchor) + "\"";
  if (!extra.empty()) svg += " " + std::string(extra);
  svg += ">" + XmlEscaped(text) + "</text>\n";
}

void Line(std::string& svg, double x1, double y1, double x2, double y2, std::string_view style) {
  svg += "<line x1=\"" + Number(x1) + "\" y1=\"" + Number(y1) + "\" x2=\"" + Number(x2) + "\" y2=\"" +
         Number(y2) + "\" " + std::string(style) + "/>\n";
}

void Axes(std::string& svg, const shedding::ScreeningChart& chart, const Plot& plot) {
  const double bottom = plot.Y(chart.frequencyAxis.lowest);
  const double left = plot.X(chart.speedAxis.lowest);
  for (const auto& tick : chart.speedAxis.ticks) {
    const double x = plot.X(tick.value);
    Line(svg, x, bottom, x, bottom + kTickLength, "stroke=\"black\"");
    Text(svg, x, bottom + kTickLength + 14, "middle", tick.label);
  }
  for (const auto& tick : chart.frequencyAxis.ticks) {
    const double y = plot.Y(tick.value);
    Line(svg, left - kTickLength, y, left, y, "stroke=\"black\"");
    Text(svg, left - kTickLength - 3, y + 4, "end", tick.label);
  }
  Line(svg, left, bottom, plot.X(chart.speedAxis.highest), bottom, "stroke=\"black\"");
  Line(svg, left, bottom, left, plot.Y(chart.frequencyAxis.highest), "stroke=\"black\"");
  Text(svg, (kLeft + kWidth - kRight) / 2, kHeight - 18, "middle", chart.speedAxis.title);
  const double middle = (kTop + kHeight - kBottom) / 2;
  Text(svg, 0, 0, "middle", chart.frequencyAxis.title,
       "transform=\"translate(20 " + Number(middle) + ") rotate(-90)\"");
}

// The sample of a legend entry, 20 wide, centred on the row at y.
std::string Swatch(shedding::ChartSeries series, double x, double y) {
  const auto line = [&](std::string_view style) {
    return "<line x1=\"" + Number(x) + "\" y1=\"" + Number(y) + "\" x2=\"" + Number(x + 20) + "\" y2=\"" +
           Number(y) + "\" " + std::string(style) + "/>\n";
  };
  switch (series) {
    case shedding::ChartSeries::Band:
      return "<rect x=\"" + Number(x) + "\" y=\"" + Number(y - 5) + "\" width=\"20\" height=\"10\" " +
             std::string(kBandFill) + "/>\n";
    case shedding::ChartSeries::NaturalFrequency:
      return line(kNaturalStroke);
    case shedding::ChartSeries::SheddingCurve:
      return line(kCurveStroke);
    case shedding::ChartSeries::OperatingPoint:
      return "<circle cx=\"" + Number(x + 10) + "\" cy=\"" + Number(y) + "\" r=\"4\" fill=\"black\"/>\n";
  }
  return "";
}

void Legend(std::string& svg, const shedding::ScreeningChart& chart) {
  const double x = kLeft + 12;
  double y = kTop + 14;
  for (const shedding::LegendEntry& entry : chart.legend) {
    svg += Swatch(entry.series, x, y);
    Text(svg, x + 26, y + 4, "start", entry.label);
    y += kLegendRow;
  }
}

}  // namespace

std::string SvgChart(const shedding::ScreeningChart& chart) {
  const Plot plot(chart);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(kWidth) + "\" height=\"" + Number(kHeight) +
         "\" viewBox=\"0 0 " + Number(kWidth) + " " + Number(kHeight) +
         "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"12\">\n";
  svg += "<title>" + XmlEscaped(chart.title) + "</title>\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  Text(svg, kWidth / 2, 26, "middle", chart.title, "font-size=\"15\" font-weight=\"bold\"");

  const double left = plot.X(chart.speedAxis.lowest);
  const double right = plot.X(chart.speedAxis.highest);
  const double bandTop = plot.Y(chart.bandHighFrequency);
  svg += "<rect x=\"" + Number(left) + "\" y=\"" + Number(bandTop) + "\" width=\"" + Number(right - left) +
         "\" height=\"" + Number(plot.Y(chart.bandLowFrequency) - bandTop) + "\" " + std::string(kBandFill) + "/>\n";
  Axes(svg, chart, plot);
  const double natural = plot.Y(chart.naturalFrequency);
  Line(svg, left, natural, right, natural, kNaturalStroke);

  svg += "<polyline fill=\"none\" " + std::string(kCurveStroke) + " points=\"";
  for (const auto& point : chart.sheddingCurve) {
    svg += Number(plot.X(point.speed)) + "," + Number(plot.Y(point.frequency)) + " ";
  }
  svg += "\"/>\n";
  svg += "<circle cx=\"" + Number(plot.X(chart.operatingPoint.speed)) + "\" cy=\"" +
         Number(plot.Y(chart.operatingPoint.frequency)) + "\" r=\"5\" fill=\"black\"/>\n";
  Legend(svg, chart);
  svg += "</svg>\n";
  return svg;
}

}  // namespace cli
