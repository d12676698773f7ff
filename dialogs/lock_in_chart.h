#pragma once
// The lock-in chart: a static the dialog binds, drawn by its wrapper. It
// plots the shedding frequency against the flow speed, with the natural
// frequency, the lock-in band shaded and the operating point marked, in the
// desktop's own colours so that it reads on light and on dark schemes. The
// static's text is what a screen reader says of it; the chart never draws it.

#include <optional>

#include "framework/afxwin.h"
#include "shedding/screening_chart.h"

class CLockInChart : public CStatic {
 public:
  void SetChart(shedding::ScreeningChart chart);

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 private:
  void OnPaint();

  std::optional<shedding::ScreeningChart> chart_;
};
