#include "dialogs/screening_dlg.h"

#include <string>
#include <variant>

#include "dialogs/blank_text.h"
#include "output/report_text.h"
#include "res/resource.h"
#include "shedding/number_text.h"
#include "shedding/screen_lock_in.h"
#include "shedding/unit_words.h"

namespace {

using shedding::ScreeningField;
using shedding::ScreeningFigureId;
namespace verdicts = shedding::screening_verdicts;

constexpr int kMetric = static_cast<int>(shedding::UnitSystem::Metric);
// The fluid list: the fluids whose viscosity the core knows, then one whose
// viscosity the user types.
constexpr int kOtherFluid = static_cast<int>(shedding::kFluids.size());
constexpr const char* kOtherFluidText = "other (viscosity typed)";
constexpr const char* kStartTemperature = "20";

// What a screen reader says of the chart: what it plots, the speeds of the
// lock-in band, and where the operating point lies.
std::string ChartDescription(const shedding::ScreeningResult& result, const shedding::Chart& chart,
                             shedding::UnitSystem units) {
  const std::string unit = " " + std::string(shedding::SpeedUnit(units));
  std::string text = "Chart of the shedding frequency against the flow velocity, from 0 to " +
                     chart.xAxis.ticks.back().label + unit + ", with the natural frequency of " +
                     shedding::FormatGeneral(chart.referenceLine->from.y, 0, 4) + " Hz. ";
  const shedding::Figure& low = result.At(ScreeningFigureId::LockInSpeedLow);
  const shedding::Figure& high = result.At(ScreeningFigureId::LockInSpeedHigh);
  const std::string operating = "The operating point, " + shedding::FormatGeneral(chart.point.x, 0, 4) + unit;
  if (result.lockIn == verdicts::kNoShedding) {
    return text + operating + ", lies below the onset of periodic shedding.";
  }
  if (low.claimed && high.claimed) {
    text += "Lock-in is expected between " + shedding::FormatFigure(low.value, low.claimed, low.format) + " and " +
            shedding::FormatFigure(high.value, high.claimed, high.format) + unit + ". ";
  }
  return text + operating + ", lies " + (result.lockIn == verdicts::kLockIn ? "inside" : "outside") +
         " the lock-in band.";
}

}  // namespace

CScreeningDlg::CScreeningDlg(CWnd* parent) : CAnalysisDlg(IDD_SCREENING, parent,
                   {IDC_SCREEN_RESULTS, IDC_FIGURE_LABEL_FIRST, IDC_FIGURE_VALUE_FIRST, shedding::kScreeningFigureCount},
                   "lock-in-chart.svg") {}

const MessageMap& CScreeningDlg::GetThisMessageMap() {
  static const MessageMap map = [] {
    MessageMapBuilder<CScreeningDlg> builder(CAnalysisDlg::GetThisMessageMap());
    builder.Notification(LBN_SELCHANGE, IDC_SCREEN_UNITS, &CScreeningDlg::OnSelchangeUnits)
        .Notification(LBN_SELCHANGE, IDC_SCREEN_FLUID, &CScreeningDlg::OnSelchangeFluid);
    for (const int input : {IDC_TEMPERATURE, IDC_VISCOSITY, IDC_VELOCITY, IDC_DIAMETER, IDC_NATURAL_FREQUENCY,
                            IDC_BAND_LOW, IDC_BAND_HIGH}) {
      builder.Notification(EN_CHANGE, input, &CScreeningDlg::OnChangeInput);
    }
    return builder.Build();
  }();
  return map;
}

void CScreeningDlg::DoDataExchange(CDataExchange* dx) {
  CAnalysisDlg::DoDataExchange(dx);
  DDX_Control(dx, IDC_SCREEN_UNITS, unitsList);
  DDX_Control(dx, IDC_SCREEN_FLUID, fluidList);
  DDX_Control(dx, IDC_TEMPERATURE_LABEL, temperatureLabel);
  DDX_Control(dx, IDC_TEMPERATURE, temperatureInput);
  DDX_Control(dx, IDC_VISCOSITY_LABEL, viscosityLabel);
  DDX_Control(dx, IDC_VISCOSITY, viscosityInput);
  DDX_Control(dx, IDC_VELOCITY_LABEL, velocityLabel);
  DDX_Control(dx, IDC_VELOCITY, velocityInput);
  DDX_Control(dx, IDC_DIAMETER_LABEL, diameterLabel);
  DDX_Control(dx, IDC_DIAMETER, diameterInput);
  DDX_Control(dx, IDC_NATURAL_FREQUENCY, naturalFrequencyInput);
  DDX_Control(dx, IDC_BAND_LOW, bandLowInput);
  DDX_Control(dx, IDC_BAND_HIGH, bandHighInput);

  // Entries go in at explicit indices, so each row stays its code.
  unitsList.ResetContent();
  for (int index = 0; index < shedding::kUnitSystemCount; ++index) {
    unitsList.InsertString(index, shedding::kUnitSystemListTexts[static_cast<std::size_t>(index)]);
  }
  unitsList.SetCurSel(kMetric);
  fluidList.ResetContent();
  for (std::size_t index = 0; index < shedding::kFluids.size(); ++index) {
    fluidList.InsertString(static_cast<int>(index), std::string(shedding::FluidName(shedding::kFluids[index])).c_str());
  }
  fluidList.InsertString(kOtherFluid, kOtherFluidText);
  fluidList.SetCurSel(0);

  temperatureInput.SetWindowText(kStartTemperature);
  for (CEdit* input : {&viscosityInput, &velocityInput, &diameterInput, &naturalFrequencyInput}) {
    input->SetWindowText(kBlankText);
  }
  bandLowInput.SetWindowText(shedding::FormatGeneral(shedding::kDefaultBandLow, 0, 6).c_str());
  bandHighInput.SetWindowText(shedding::FormatGeneral(shedding::kDefaultBandHigh, 0, 6).c_str());
  RelabelInputs();
  EnableFluidInputs();
  HideResult();
}

void CScreeningDlg::RelabelInputs() {
  const auto units = static_cast<shedding::UnitSystem>(unitsList.GetCurSel());
  temperatureLabel.SetWindowText(shedding::FieldLabel(ScreeningField::Temperature, units).c_str());
  viscosityLabel.SetWindowText(shedding::FieldLabel(ScreeningField::Viscosity, units).c_str());
  velocityLabel.SetWindowText(shedding::FieldLabel(ScreeningField::Velocity, units).c_str());
  diameterLabel.SetWindowText(shedding::FieldLabel(ScreeningField::Diameter, units).c_str());
}

void CScreeningDlg::EnableFluidInputs() {
  const bool typed = fluidList.GetCurSel() == kOtherFluid;
  temperatureInput.EnableWindow(!typed);
  viscosityInput.EnableWindow(typed);
}

std::string CScreeningDlg::InputLines() const {
  const auto units = static_cast<shedding::UnitSystem>(unitsList.GetCurSel());
  const auto typed = [](const CEdit& input) { return shedding::FormatShortest(shedding::TextToNumber(input.GetWindowText().str())); };
  std::string lines;
  output::AppendReportLine(lines, "Units", shedding::kUnitSystemListTexts[static_cast<std::size_t>(units)]);
  if (const int fluid = fluidList.GetCurSel(); fluid != kOtherFluid) {
    output::AppendReportLine(lines, "Fluid", shedding::FluidName(shedding::kFluids[static_cast<std::size_t>(fluid)]));
    output::AppendReportLine(lines, shedding::FieldLabel(ScreeningField::Temperature, units), typed(temperatureInput));
  } else {
    output::AppendReportLine(lines, "Fluid", kOtherFluidText);
    output::AppendReportLine(lines, shedding::FieldLabel(ScreeningField::Viscosity, units), typed(viscosityInput));
  }
  output::AppendReportLine(lines, shedding::FieldLabel(ScreeningField::Velocity, units), typed(velocityInput));
  output::AppendReportLine(lines, shedding::FieldLabel(ScreeningField::Diameter, units), typed(diameterInput));
  output::AppendReportLine(lines, "Natural frequency (Hz)", typed(naturalFrequencyInput));
  output::AppendReportLine(lines, "Lock-in band (fs / fn)", typed(bandLowInput) + " to " + typed(bandHighInput));
  return lines;
}

bool CScreeningDlg::IsInputField(HWND window) const {
  for (const CEdit* field : {&temperatureInput, &viscosityInput, &velocityInput, &diameterInput,
                             &naturalFrequencyInput, &bandLowInput, &bandHighInput}) {
    if (field->GetSafeHwnd() == window) return true;
  }
  return false;
}


void CScreeningDlg::OnSelchangeUnits() {
  RelabelInputs();
  HideResult();
}

void CScreeningDlg::OnSelchangeFluid() {
  EnableFluidInputs();
  HideResult();
}

void CScreeningDlg::OnChangeInput() { HideResult(); }

void CScreeningDlg::OnOK() {
  const auto number = [](const CEdit& input) { return shedding::TextToNumber(input.GetWindowText().str()); };
  shedding::ScreeningConditions conditions;
  conditions.units = static_cast<shedding::UnitSystem>(unitsList.GetCurSel());
  if (const int fluid = fluidList.GetCurSel(); fluid != kOtherFluid) {
    conditions.fluid = shedding::kFluids[static_cast<std::size_t>(fluid)];
    // 0 deg is a plausible temperature, so text without a number must fail its range check.
    conditions.temperature = shedding::NumberOrNaN(temperatureInput.GetWindowText().str());
  } else {
    conditions.viscosity = number(viscosityInput);
  }
  conditions.bandLow = number(bandLowInput);
  conditions.bandHigh = number(bandHighInput);
  const shedding::ScreeningCase cylinder{number(velocityInput), number(diameterInput), number(naturalFrequencyInput)};

  auto outcome = shedding::ScreenLockIn(conditions, cylinder);
  if (const auto* error = std::get_if<shedding::InputError>(&outcome)) {
    AfxMessageBox(("Input Error\n\n" + error->label + " " + error->requirement + ".").c_str(), MB_OK, 0);
    return;
  }
  auto& report = std::get<shedding::ScreeningReport>(outcome);
  const shedding::ScreeningResult& result = report.result;
  std::string description = ChartDescription(result, report.chart, conditions.units);
  ShowResult({result.figures,
              std::string(result.lockIn.words) + "\n" + std::string(result.eurocode.words) + "\n" +
                  std::string(result.vivRanges.words),
              std::move(description), InputLines() + output::ReportText(result), std::move(report.chart)});
}
