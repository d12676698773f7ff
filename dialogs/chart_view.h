#pragma once
// A chart of an analysis: a static the dialog binds, drawn by its wrapper
// from the core's chart model (axes with ticks, the shaded band, the dashed
// reference line, the curve, the case's point, the legend), in the desktop's
// own colours so that it reads on light and on dark schemes. The static's
// text is what a screen reader says of it; the chart never draws it.

#include <optional>

#include "framework/afxwin.h"
#include "shedding/chart.h"

class CChartView : public CStatic {
 public:
  void SetChart(shedding::Chart chart);
  // The chart drawn; none before the first SetChart.
  const std::optional<shedding::Chart>& Shown() const { return chart_; }

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 private:
  void OnPaint();

  std::optional<shedding::Chart> chart_;
};
