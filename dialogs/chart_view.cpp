#include "dialogs/chart_view.h"

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
  // The reference line in a red that stands out from the curve's highlight
  // on light and dark backgrounds alike.
  COLORREF reference = Blend(RGB(220, 40, 40), ink, 0.15);
};

void Text(CDC& dc, int x, int y, const std::string& text, UINT align) {
  dc.SetTextAlign(align);
  dc.TextOut(x, y, text.c_str(), static_cast<int>(text.size()));
}

int TextWidth(CDC& dc, const std::string& text) {
  return static_cast<int>(dc.GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx);
}

void HorizontalLine(CDC& dc, int left, int right, int y) {
  dc.MoveTo(left, y);
  dc.LineTo(right, y);
}

// The font, pens and brush of one paint, selected into its context. The
// context's own are put back when this goes, on every way out of the paint
// and before the pens and the brush are deleted.
class PaintTools {
 public:
  PaintTools(CDC& dc, CFont* font, const Palette& colours) : dc_(dc) {
    curve.CreatePen(PS_SOLID, 2, colours.curve);
    reference.CreatePen(PS_DASH, 1, colours.reference);
    ink.CreatePen(PS_SOLID, 1, colours.ink);
    grid.CreatePen(PS_SOLID, 1, colours.grid);
    inkBrush.CreateSolidBrush(colours.ink);
    originalFont_ = dc.SelectObject(font);
    originalPen_ = dc.SelectObject(&ink);
    originalBrush_ = dc.SelectObject(&inkBrush);
  }
  ~PaintTools() {
    dc_.SelectObject(originalBrush_);
    dc_.SelectObject(originalPen_);
    dc_.SelectObject(originalFont_);
  }
  PaintTools(const PaintTools&) = delete;
  PaintTools& operator=(const PaintTools&) = delete;

  CPen curve;
  CPen reference;
  CPen ink;
  CPen grid;
  CBrush inkBrush;

 private:
  CDC& dc_;
  CFont* originalFont_ = nullptr;
  CPen* originalPen_ = nullptr;
  CBrush* originalBrush_ = nullptr;
};

// One paint of the chart model: each part of the picture on its own.
class ChartPainter {
 public:
  ChartPainter(CDC& dc, const shedding::Chart& chart, const Palette& colours, PaintTools& tools)
      : dc_(dc), chart_(chart), colours_(colours), tools_(tools),
        line_(static_cast<int>(dc.GetTextExtent("Hg", 2).cy)) {}

  // The title, the legend in two columns (in one where an entry would not
  // fit half the width), and the y axis's title; returns where the plot may
  // start.
  int Heading(const CRect& client) {
    int y = kMargin;
    Text(dc_, client.Width() / 2, y, chart_.title, TA_CENTER | TA_TOP);
    y += line_ + kMargin;
    int widest = 0;
    for (const shedding::LegendEntry& entry : chart_.legend) widest = std::max(widest, TextWidth(dc_, entry.label));
    const std::size_t perRow = kSwatchWidth + 4 + widest <= client.Width() / 2 - kMargin ? 2 : 1;
    const int columns[2] = {kMargin, client.Width() / 2};
    for (std::size_t i = 0; i < chart_.legend.size(); ++i) {
      const int row = y + static_cast<int>(i / perRow) * line_;
      const int x = columns[i % perRow];
      Swatch(chart_.legend[i].series, CRect(x, row + 2, x + kSwatchWidth, row + line_ - 2));
      Text(dc_, x + kSwatchWidth + 4, row, chart_.legend[i].label, TA_LEFT | TA_TOP);
    }
    y += static_cast<int>((chart_.legend.size() + perRow - 1) / perRow) * line_ + kMargin;
    Text(dc_, kMargin, y, chart_.yAxis.title, TA_LEFT | TA_TOP);
    return y + line_ + kMargin / 2;
  }

  // The plot's pixel rectangle below top: room on the left for the y ticks'
  // labels, below for the x ticks' labels and the x axis's title.
  CRect PlotArea(const CRect& client, int top) {
    int labelWidth = 0;
    for (const shedding::ChartTick& tick : chart_.yAxis.ticks) {
      labelWidth = std::max(labelWidth, TextWidth(dc_, tick.label));
    }
    return CRect(kMargin + labelWidth + kTickLength + 2, top + line_ / 2, client.right - kMargin - line_,
                 client.bottom - kMargin - 2 * line_ - kTickLength - 4);
  }

  void Plot(const CRect& area) {
    area_ = area;
    const CRect band(X(chart_.band.xLow), Y(chart_.band.yHigh), X(chart_.band.xHigh) + 1, Y(chart_.band.yLow) + 1);
    dc_.FillSolidRect(&band, colours_.band);
    YTicks();
    XTicks();
    Select(tools_.ink);
    dc_.MoveTo(area.left, area.top);
    dc_.LineTo(area.left, area.bottom);
    dc_.LineTo(area.right + 1, area.bottom);
    if (const auto& line = chart_.referenceLine) {
      Select(tools_.reference);
      dc_.MoveTo(X(line->from.x), Y(line->from.y));
      // LineTo leaves out its end point; one pixel on draws it.
      dc_.LineTo(X(line->to.x) + 1, Y(line->to.y));
    }
    Curve();
    Select(tools_.ink);
    Point(X(chart_.point.x), Y(chart_.point.y));
  }

 private:
  int X(double x) const { return area_.left + Pixels(chart_.xAxis.Share(x), area_.Width()); }
  int Y(double y) const { return area_.bottom - Pixels(chart_.yAxis.Share(y), area_.Height()); }
  static int Pixels(double share, LONG length) { return static_cast<int>(std::lround(share * length)); }

  // Which of the tools' pens draws; PaintTools puts the context's own back.
  void Select(CPen& pen) { dc_.SelectObject(&pen); }

  void Point(int x, int y) { dc_.Ellipse(x - kPointRadius, y - kPointRadius, x + kPointRadius + 1, y + kPointRadius + 1); }

  void Swatch(shedding::ChartSeries series, const CRect& swatch) {
    const int middle = (swatch.top + swatch.bottom) / 2;
    switch (series) {
      case shedding::ChartSeries::Band: dc_.FillSolidRect(&swatch, colours_.band); break;
      case shedding::ChartSeries::ReferenceLine:
        Select(tools_.reference);
        HorizontalLine(dc_, swatch.left, swatch.right, middle);
        break;
      case shedding::ChartSeries::Curve:
        Select(tools_.curve);
        HorizontalLine(dc_, swatch.left, swatch.right, middle);
        break;
      case shedding::ChartSeries::Point:
        Select(tools_.ink);
        Point((swatch.left + swatch.right) / 2, middle);
        break;
    }
  }

  void YTicks() {
    for (const shedding::ChartTick& tick : chart_.yAxis.ticks) {
      const int ty = Y(tick.value);
      Select(tools_.grid);
      HorizontalLine(dc_, area_.left + 1, area_.right + 1, ty);
      Select(tools_.ink);
      HorizontalLine(dc_, area_.left - kTickLength, area_.left, ty);
      Text(dc_, area_.left - kTickLength - 2, ty - line_ / 2, tick.label, TA_RIGHT | TA_TOP);
    }
  }

  void XTicks() {
    for (const shedding::ChartTick& tick : chart_.xAxis.ticks) {
      const int tx = X(tick.value);
      Select(tools_.grid);
      dc_.MoveTo(tx, area_.top);
      dc_.LineTo(tx, area_.bottom);
      Select(tools_.ink);
      dc_.MoveTo(tx, area_.bottom);
      dc_.LineTo(tx, area_.bottom + kTickLength + 1);
      Text(dc_, tx, area_.bottom + kTickLength + 2, tick.label, TA_CENTER | TA_TOP);
    }
    Text(dc_, (area_.left + area_.right) / 2, area_.bottom + kTickLength + 2 + line_, chart_.xAxis.title,
         TA_CENTER | TA_TOP);
  }

  void Curve() {
    std::vector<POINT> curve;
    curve.reserve(chart_.curve.size());
    for (const shedding::ChartPoint& point : chart_.curve) curve.push_back({X(point.x), Y(point.y)});
    Select(tools_.curve);
    dc_.Polyline(curve.data(), static_cast<int>(curve.size()));
  }

  CDC& dc_;
  const shedding::Chart& chart_;
  const Palette& colours_;
  PaintTools& tools_;
  const int line_;
  CRect area_;
};

}  // namespace

const MessageMap& CChartView::GetThisMessageMap() {
  static const MessageMap map =
      MessageMapBuilder<CChartView>(CStatic::GetThisMessageMap()).Paint(&CChartView::OnPaint).Build();
  return map;
}

void CChartView::SetChart(shedding::Chart chart) {
  chart_ = std::move(chart);
  Invalidate(TRUE);
}

void CChartView::OnPaint() {
  CPaintDC dc(this);
  const Palette colours;
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, colours.background);
  if (!chart_) return;

  PaintTools tools(dc, GetFont(), colours);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(colours.ink);
  ChartPainter painter(dc, *chart_, colours, tools);
  const CRect area = painter.PlotArea(client, painter.Heading(client));
  if (area.Width() <= 0 || area.Height() <= 0) return;
  painter.Plot(area);
}
