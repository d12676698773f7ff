#include "output/svg_chart.h"

#include "output/xml_text.h"
#include "shedding/number_text.h"

namespace output {
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
constexpr std::string_view kReferenceStroke = "stroke=\"#b03a2e\" stroke-width=\"1.5\" stroke-dasharray=\"6 4\"";
constexpr std::string_view kBandFill = "fill=\"#f2c14e\" fill-opacity=\"0.45\"";

std::string Number(double value) { return shedding::FormatFixed(value, 0, 1); }

// The chart's shares of the plot, as picture coordinates.
class Plot {
 public:
  explicit Plot(const shedding::Chart& chart) : chart_(chart) {}
  double X(double x) const { return kLeft + chart_.xAxis.Share(x) * (kWidth - kLeft - kRight); }
  double Y(double y) const { return kHeight - kBottom - chart_.yAxis.Share(y) * (kHeight - kTop - kBottom); }

 private:
  const shedding::Chart& chart_;
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

void Axes(std::string& svg, const shedding::Chart& chart, const Plot& plot) {
  const double bottom = plot.Y(chart.yAxis.lowest);
  const double left = plot.X(chart.xAxis.lowest);
  for (const auto& tick : chart.xAxis.ticks) {
    const double x = plot.X(tick.value);
    Line(svg, x, bottom, x, bottom + kTickLength, "stroke=\"black\"");
    Text(svg, x, bottom + kTickLength + 14, "middle", tick.label);
  }
  for (const auto& tick : chart.yAxis.ticks) {
    const double y = plot.Y(tick.value);
    Line(svg, left - kTickLength, y, left, y, "stroke=\"black\"");
    Text(svg, left - kTickLength - 3, y + 4, "end", tick.label);
  }
  Line(svg, left, bottom, plot.X(chart.xAxis.highest), bottom, "stroke=\"black\"");
  Line(svg, left, bottom, left, plot.Y(chart.yAxis.highest), "stroke=\"black\"");
  Text(svg, (kLeft + kWidth - kRight) / 2, kHeight - 18, "middle", chart.xAxis.title);
  const double middle = (kTop + kHeight - kBottom) / 2;
  Text(svg, 0, 0, "middle", chart.yAxis.title,
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
    case shedding::ChartSeries::ReferenceLine:
      return line(kReferenceStroke);
    case shedding::ChartSeries::Curve:
      return line(kCurveStroke);
    case shedding::ChartSeries::Point:
      return "<circle cx=\"" + Number(x + 10) + "\" cy=\"" + Number(y) + "\" r=\"4\" fill=\"black\"/>\n";
  }
  return "";
}

void Legend(std::string& svg, const shedding::Chart& chart) {
  const double x = kLeft + 12;
  double y = kTop + 14;
  for (const shedding::LegendEntry& entry : chart.legend) {
    svg += Swatch(entry.series, x, y);
    Text(svg, x + 26, y + 4, "start", entry.label);
    y += kLegendRow;
  }
}

}  // namespace

std::string SvgChart(const shedding::Chart& chart) {
  const Plot plot(chart);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(kWidth) + "\" height=\"" + Number(kHeight) +
         "\" viewBox=\"0 0 " + Number(kWidth) + " " + Number(kHeight) +
         "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"12\">\n";
  svg += "<title>" + XmlEscaped(chart.title) + "</title>\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  Text(svg, kWidth / 2, 26, "middle", chart.title, "font-size=\"15\" font-weight=\"bold\"");

  const double bandLeft = plot.X(chart.band.xLow);
  const double bandTop = plot.Y(chart.band.yHigh);
  svg += "<rect x=\"" + Number(bandLeft) + "\" y=\"" + Number(bandTop) + "\" width=\"" +
         Number(plot.X(chart.band.xHigh) - bandLeft) + "\" height=\"" + Number(plot.Y(chart.band.yLow) - bandTop) +
         "\" " + std::string(kBandFill) + "/>\n";
  Axes(svg, chart, plot);
  if (const auto& line = chart.referenceLine) {
    Line(svg, plot.X(line->from.x), plot.Y(line->from.y), plot.X(line->to.x), plot.Y(line->to.y), kReferenceStroke);
  }

  svg += "<polyline fill=\"none\" " + std::string(kCurveStroke) + " points=\"";
  for (const auto& point : chart.curve) svg += Number(plot.X(point.x)) + "," + Number(plot.Y(point.y)) + " ";
  svg += "\"/>\n";
  svg += "<circle cx=\"" + Number(plot.X(chart.point.x)) + "\" cy=\"" + Number(plot.Y(chart.point.y)) +
         "\" r=\"5\" fill=\"black\"/>\n";
  Legend(svg, chart);
  svg += "</svg>\n";
  return svg;
}

}  // namespace output
