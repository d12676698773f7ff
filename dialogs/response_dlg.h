#pragma once
// The vortex-induced response of a cylinder in wind: the user picks the
// units, the supports, whether the natural frequency is typed or estimated
// for a uniform tube, and how the damping is given, and types the cylinder,
// the damping, the mean wind and the design life; "Calculate" shows the
// figures, the verdicts and the chart, which Copy and Save Chart take out.

#include <array>
#include <cstddef>
#include <string>

#include "dialogs/analysis_dlg.h"
#include "framework/afxwin.h"
#include "shedding/vortex_response.h"

class CResponseDlg : public CAnalysisDlg {
 public:
  explicit CResponseDlg(CWnd* parent = nullptr);

  // "Calculate": computes the response, or names the input in error; never closes.
  void OnOK() override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  bool IsInputField(HWND window) const override;

 private:
  // The typed values, in template order.
  enum Input : std::size_t {
    kDiameter,
    kHeight,
    kNaturalFrequency,
    kMassPerLength,
    kWallThickness,
    kYoungsModulus,
    kMaterialDensity,
    kExtraMass,
    kDamping,
    kMeanWind,
    kLife,
    kInputCount,
  };

  void OnSelchangeUnits();
  void OnSelchangeFrequencySource();
  void OnSelchangeDampingMeasure();
  void OnChangeInput();

  shedding::UnitSystem Units() const;
  bool TubeChosen() const;
  // Whether the way the natural frequency is found reads the input.
  bool InUse(Input input) const;
  shedding::DampingMeasure Damping() const;
  double Number(Input input) const;
  shedding::ResponseCase TypedCase() const;

  void RelabelInputs();
  void EnableFrequencyInputs();
  // The inputs the case was computed from, as the report's first lines.
  std::string InputLines() const;

  CListBox unitsList;
  CListBox supportList;
  CListBox frequencySourceList;
  CListBox dampingList;
  std::array<CStatic, kInputCount> inputLabels;
  std::array<CEdit, kInputCount> inputs;
};
