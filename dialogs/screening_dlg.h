#pragma once
// Lock-in screening of a cylinder: the user picks the units and the fluid,
// types the temperature (or the viscosity), the flow speed, the diameter,
// the natural frequency and the lock-in band; "Calculate" shows the figures,
// the verdicts and the chart, which Copy and Save Chart take out.

#include <string>

#include "dialogs/analysis_dlg.h"
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
  bool IsInputField(HWND window) const override;

 private:
  void OnSelchangeUnits();
  void OnSelchangeFluid();
  void OnChangeInput();

  void RelabelInputs();
  void EnableFluidInputs();
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
};
