#include "dialogs/lock_in_chart.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kMargin = 6;
constexpr int kTickLength = 4;
constexpr int kSwatchWidth = 18;
constexpr int kPointRadius = 4;

// A colour between a (t = 0) and b (t = 1): shades that keep their place
// between the scheme's background and ink, whichever is the darker.
COLORREF Blend(COLORREF a, COLORREF b, double t) {
  const auto mix = [t](BYTE from, BYTE to) { return static_cast<BYTE>(std::lround(from + (to - from) * t)); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

// The colours of the chart, from the desktop's scheme.
struct Palette {
  COLORREF background = GetSysColor(COLOR_WINDOW);
  COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
  COLORREF grid = Blend(background, ink, 0.15);
  COLORREF curve = GetSysColor(COLOR_HIGHLIGHT);
  COLORREF band = Blend(background, GetSysColor(COLOR_HIGHLIGHT), 0.22);
  // The natural frequency in a red that stands out from the curve's
  // highlight on light and dark backgrounds alike.
  COLORREF natural = Blend(RGB(220, 40, 40), ink, 0.15);
};

void Text(CDC& dc, int x, int y, const std::string& text, UINT align) {
  dc.SetTextAlign(align);
  dc.TextOut(x, y, text.c_str(), static_cast<int>(text.size()));
}

int TextWidth(CDC& dc, const std::string& text) {
  return static_cast<int>(dc.GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx);
}

// Where values land in the plot's pixel rectangle.
class Plot {
 public:
  Plot(const CRect& area, const shedding::ChartAxis& x, const shedding::ChartAxis& y) : area_(area), x_(x), y_(y) {}

  int X(double value) const { return area_.left + Scaled(value, x_, area_.Width()); }
  int Y(double value) const { return area_.bottom - Scaled(value, y_, area_.Height()); }
  const CRect& Area() const { return area_; }

 private:
  static int Scaled(double value, const shedding::ChartAxis& axis, LONG pixels) {
    const double share = (value - axis.lowest) / (axis.highest - axis.lowest);
    return static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * pixels));
  }

  CRect area_;
  const shedding::ChartAxis& x_;
  const shedding::ChartAxis& y_;
};

// One entry of the legend: its sample drawn by draw in the swatch, then its text.
template <class Draw>
void LegendEntry(CDC& dc, int x, int y, int lineHeight, const std::string& text, Draw draw) {
  draw(CRect(x, y + 2, x + kSwatchWidth, y + lineHeight - 2));
  Text(dc, x + kSwatchWidth + 4, y, text, TA_LEFT | TA_TOP);
}

}  // namespace

const MessageMap& CLockInChart::GetThisMessageMap() {
  static const MessageMap map =
      MessageMapBuilder<CLockInChart>(CStatic::GetThisMessageMap()).Paint(&CLockInChart::OnPaint).Build();
  return map;
}

void CLockInChart::SetChart(shedding::ScreeningChart chart) {
  chart_ = std::move(chart);
  Invalidate(TRUE);
}

void CLockInChart::OnPaint() {
  CPaintDC dc(this);
  const Palette colours;
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, colours.background);
  if (!chart_) return;
  const shedding::ScreeningChart& chart = *chart_;

  dc.SelectObject(GetFont());
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(colours.ink);
  const int line = static_cast<int>(dc.GetTextExtent("Hg", 2).cy);

  // Title, a legend of two rows, and the frequency axis's title above it.
  int y = kMargin;
  Text(dc, client.Width() / 2, y, chart.title, TA_CENTER | TA_TOP);
  y += line + kMargin;
  const int column = client.Width() / 2;
  CPen curvePen;
  curvePen.CreatePen(PS_SOLID, 2, colours.curve);
  CPen naturalPen;
  naturalPen.CreatePen(PS_DASH, 1, colours.natural);
  CPen inkPen;
  inkPen.CreatePen(PS_SOLID, 1, colours.ink);
  CPen gridPen;
  gridPen.CreatePen(PS_SOLID, 1, colours.grid);
  CBrush inkBrush;
  inkBrush.CreateSolidBrush(colours.ink);
  CPen* const originalPen = dc.SelectObject(&inkPen);
  CBrush* const originalBrush = dc.SelectObject(&inkBrush);
  const auto horizontal = [&dc](CPen& pen) {
    return [&dc, &pen](const CRect& swatch) {
      dc.SelectObject(&pen);
      const int middle = (swatch.top + swatch.bottom) / 2;
      dc.MoveTo(swatch.left, middle);
      dc.LineTo(swatch.right, middle);
    };
  };
  LegendEntry(dc, kMargin, y, line, chart.curveLabel, horizontal(curvePen));
  LegendEntry(dc, column, y, line, chart.naturalLabel, horizontal(naturalPen));
  LegendEntry(dc, kMargin, y + line, line, chart.bandLabel,
              [&](const CRect& swatch) { dc.FillSolidRect(&swatch, colours.band); });
  LegendEntry(dc, column, y + line, line, chart.operatingLabel, [&](const CRect& swatch) {
    dc.SelectObject(&inkPen);
    const int cx = (swatch.left + swatch.right) / 2;
    const int cy = (swatch.top + swatch.bottom) / 2;
    dc.Ellipse(cx - kPointRadius, cy - kPointRadius, cx + kPointRadius + 1, cy + kPointRadius + 1);
  });
  y += 2 * line + kMargin;
  Text(dc, kMargin, y, chart.frequencyAxis.title, TA_LEFT | TA_TOP);
  y += line + kMargin / 2;

  // The plot: room on the left for the frequency ticks' labels, below for
  // the speed ticks' labels and the speed axis's title.
  int labelWidth = 0;
  for (const shedding::ChartTick& tick : chart.frequencyAxis.ticks) labelWidth = std::max(labelWidth, TextWidth(dc, tick.label));
  const CRect area(kMargin + labelWidth + kTickLength + 2, y + line / 2, client.right - kMargin - line,
                   client.bottom - kMargin - 2 * line - kTickLength - 4);
  if (area.Width() <= 0 || area.Height() <= 0) return;
  const Plot plot(area, chart.speedAxis, chart.frequencyAxis);

  const CRect band(area.left, plot.Y(chart.bandHighFrequency), area.right + 1, plot.Y(chart.bandLowFrequency) + 1);
  dc.FillSolidRect(&band, colours.band);

  for (const shedding::ChartTick& tick : chart.frequencyAxis.ticks) {
    const int ty = plot.Y(tick.value);
    dc.SelectObject(&gridPen);
    dc.MoveTo(area.left + 1, ty);
    dc.LineTo(area.right + 1, ty);
    dc.SelectObject(&inkPen);
    dc.MoveTo(area.left - kTickLength, ty);
    dc.LineTo(area.left, ty);
    Text(dc, area.left - kTickLength - 2, ty - line / 2, tick.label, TA_RIGHT | TA_TOP);
  }
  for (const shedding::ChartTick& tick : chart.speedAxis.ticks) {
    const int tx = plot.X(tick.value);
    dc.SelectObject(&gridPen);
    dc.MoveTo(tx, area.top);
    dc.LineTo(tx, area.bottom);
    dc.SelectObject(&inkPen);
    dc.MoveTo(tx, area.bottom);
    dc.LineTo(tx, area.bottom + kTickLength + 1);
    Text(dc, tx, area.bottom + kTickLength + 2, tick.label, TA_CENTER | TA_TOP);
  }
  Text(dc, (area.left + area.right) / 2, area.bottom + kTickLength + 2 + line, chart.speedAxis.title,
       TA_CENTER | TA_TOP);

  dc.SelectObject(&inkPen);
  dc.MoveTo(area.left, area.top);
  dc.LineTo(area.left, area.bottom);
  dc.LineTo(area.right + 1, area.bottom);

  dc.SelectObject(&naturalPen);
  dc.MoveTo(area.left, plot.Y(chart.naturalFrequency));
  dc.LineTo(area.right + 1, plot.Y(chart.naturalFrequency));

  std::vector<POINT> curve;
  curve.reserve(chart.sheddingCurve.size());
  for (const shedding::ChartPoint& point : chart.sheddingCurve) curve.push_back({plot.X(point.speed), plot.Y(point.frequency)});
  dc.SelectObject(&curvePen);
  dc.Polyline(curve.data(), static_cast<int>(curve.size()));

  dc.SelectObject(&inkPen);
  const int px = plot.X(chart.operatingPoint.speed);
  const int py = plot.Y(chart.operatingPoint.frequency);
  dc.Ellipse(px - kPointRadius, py - kPointRadius, px + kPointRadius + 1, py + kPointRadius + 1);

  dc.SelectObject(originalPen);
  dc.SelectObject(originalBrush);
}
