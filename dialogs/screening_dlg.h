#pragma once
// Lock-in screening of a cylinder: the user picks the units and the fluid,
// types the temperature (or the viscosity), the flow speed, the diameter,
// the natural frequency and the lock-in band; "Calculate" shows the figures,
// the verdicts and the chart, which Copy and Save Chart take out.

#include <array>
#include <string>

#include "dialogs/analysis_export.h"
#include "dialogs/chart_view.h"
#include "framework/afxwin.h"
#include "shedding/lock_in_screening.h"

class CScreeningDlg : public CAnalysisDlg {
 public:
  explicit CScreeningDlg(CWnd* parent = nullptr);

  // "Calculate": screens, or names the input in error; never closes.
  void OnOK() override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  bool IsEditField(HWND window) const override;

 private:
  void OnSelchangeUnits();
  void OnSelchangeFluid();
  void OnChangeInput();

  void RelabelInputs();
  void EnableFluidInputs();
  void HideResult();
  void ShowResult(const shedding::ScreeningResult& result, shedding::Chart chart);
  // The inputs, as the report's first lines.
  std::string InputLines() const;

  CListBox unitsList;
  CListBox fluidList;
  CStatic temperatureLabel;
  CEdit temperatureInput;
  CStatic viscosityLabel;
  CEdit viscosityInput;
  CStatic velocityLabel;
  CEdit velocityInput;
  CStatic diameterLabel;
  CEdit diameterInput;
  CEdit naturalFrequencyInput;
  CEdit bandLowInput;
  CEdit bandHighInput;
  CButton resultsGroup;
  std::array<CStatic, shedding::kScreeningFigureCount> figureLabels;
  std::array<CEdit, shedding::kScreeningFigureCount> figureValues;
  CStatic verdict;
  CChartView chart;
};
