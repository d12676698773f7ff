#include "dialogs/response_dlg.h"

#include <string>
#include <utility>
#include <variant>

#include "dialogs/blank_text.h"
#include "output/report_text.h"
#include "res/resource.h"
#include "shedding/number_text.h"
#include "shedding/response_chart.h"

namespace {

using shedding::ResponseField;

constexpr int kMetric = static_cast<int>(shedding::UnitSystem::Metric);

// The natural frequency list: typed with the mass per length, or estimated
// for a uniform tube from its wall and material.
constexpr int kFrequencyTyped = 0;
constexpr int kFrequencyOfTube = 1;
constexpr std::array kFrequencySourceTexts = {"typed (fn and mass per length)", "estimated for a uniform tube"};

// The damping list: each measure, and the field it names.
constexpr std::array kDampingMeasures = {shedding::DampingMeasure::LogDecrement,
                                         shedding::DampingMeasure::DampingRatio};
constexpr std::array kDampingFields = {ResponseField::LogDecrement, ResponseField::DampingRatio};

// Each typed value's label and field, and the core's name for it; the
// damping's name follows the damping list.
struct InputControls {
  int labelId;
  int fieldId;
  ResponseField field;
};
constexpr std::array<InputControls, 11> kInputControls = {{
    {IDC_DIAMETER_LABEL, IDC_DIAMETER, ResponseField::Diameter},
    {IDC_HEIGHT_LABEL, IDC_HEIGHT, ResponseField::Height},
    {IDC_FREQUENCY_LABEL, IDC_FREQUENCY, ResponseField::NaturalFrequency},
    {IDC_MASS_LABEL, IDC_MASS, ResponseField::MassPerLength},
    {IDC_WALL_LABEL, IDC_WALL, ResponseField::WallThickness},
    {IDC_MODULUS_LABEL, IDC_MODULUS, ResponseField::YoungsModulus},
    {IDC_DENSITY_LABEL, IDC_DENSITY, ResponseField::MaterialDensity},
    {IDC_EXTRA_MASS_LABEL, IDC_EXTRA_MASS, ResponseField::ExtraMass},
    {IDC_DAMPING_LABEL, IDC_DAMPING, ResponseField::LogDecrement},
    {IDC_MEAN_WIND_LABEL, IDC_MEAN_WIND, ResponseField::MeanWind},
    {IDC_LIFE_LABEL, IDC_LIFE, ResponseField::Life},
}};

// What a screen reader says of the chart: what it plots, the structure's
// point, and the band of low Scruton numbers, where amplitudes are large.
std::string ChartDescription(const shedding::ResponseResult& result, const shedding::Chart& chart) {
  using enum shedding::ResponseFigureId;
  const bool inside = chart.point.x < chart.band.xHigh;
  return "Chart of the amplitude ratio yF,max/b against the Scruton number Sc, both on logarithmic scales. "
         "The structure's point, Sc = " + shedding::FigureText(result.At(Scruton)) + " with yF,max/b = " +
         shedding::FigureText(result.At(AmplitudeRatio)) + ", lies " + (inside ? "inside" : "outside") +
         " the band of low Scruton numbers with large amplitudes, which ends at Sc = " +
         shedding::FormatGeneral(chart.band.xHigh, 0, 3) + ".";
}

}  // namespace

CResponseDlg::CResponseDlg(CWnd* parent) : CAnalysisDlg(IDD_RESPONSE, parent,
                   {IDC_RESPONSE_RESULTS, IDC_RESPONSE_LABEL_FIRST, IDC_RESPONSE_VALUE_FIRST,
                    shedding::kResponseFigureCount},
                   "response-chart.svg") {}

const MessageMap& CResponseDlg::GetThisMessageMap() {
  static const MessageMap map = [] {
    MessageMapBuilder<CResponseDlg> builder(CAnalysisDlg::GetThisMessageMap());
    builder.Notification(LBN_SELCHANGE, IDC_RESPONSE_UNITS, &CResponseDlg::OnSelchangeUnits)
        .Notification(LBN_SELCHANGE, IDC_RESPONSE_SUPPORT, &CResponseDlg::OnChangeInput)
        .Notification(LBN_SELCHANGE, IDC_FREQUENCY_SOURCE, &CResponseDlg::OnSelchangeFrequencySource)
        .Notification(LBN_SELCHANGE, IDC_DAMPING_MEASURE, &CResponseDlg::OnSelchangeDampingMeasure);
    for (const InputControls& input : kInputControls) {
      builder.Notification(EN_CHANGE, input.fieldId, &CResponseDlg::OnChangeInput);
    }
    return builder.Build();
  }();
  return map;
}

void CResponseDlg::DoDataExchange(CDataExchange* dx) {
  CAnalysisDlg::DoDataExchange(dx);
  DDX_Control(dx, IDC_RESPONSE_UNITS, unitsList);
  DDX_Control(dx, IDC_RESPONSE_SUPPORT, supportList);
  DDX_Control(dx, IDC_FREQUENCY_SOURCE, frequencySourceList);
  DDX_Control(dx, IDC_DAMPING_MEASURE, dampingList);
  static_assert(kInputControls.size() == kInputCount);
  for (std::size_t input = 0; input < kInputCount; ++input) {
    DDX_Control(dx, kInputControls[input].labelId, inputLabels[input]);
    DDX_Control(dx, kInputControls[input].fieldId, inputs[input]);
  }

  // Entries go in at explicit indices, so each row stays its value.
  unitsList.ResetContent();
  for (int index = 0; index < shedding::kUnitSystemCount; ++index) {
    unitsList.InsertString(index, shedding::kUnitSystemListTexts[static_cast<std::size_t>(index)]);
  }
  unitsList.SetCurSel(kMetric);
  supportList.ResetContent();
  for (std::size_t index = 0; index < shedding::kSpanSupports.size(); ++index) {
    supportList.InsertString(static_cast<int>(index), std::string(shedding::SupportName(shedding::kSpanSupports[index])).c_str());
  }
  supportList.SetCurSel(0);
  frequencySourceList.ResetContent();
  for (std::size_t index = 0; index < kFrequencySourceTexts.size(); ++index) {
    frequencySourceList.InsertString(static_cast<int>(index), kFrequencySourceTexts[index]);
  }
  frequencySourceList.SetCurSel(kFrequencyTyped);
  dampingList.ResetContent();
  for (std::size_t index = 0; index < kDampingFields.size(); ++index) {
    // Both measures are numbers without a unit: their labels name them in any units.
    dampingList.InsertString(static_cast<int>(index),
                             shedding::ResponseFieldLabel(kDampingFields[index], shedding::UnitSystem::Metric).c_str());
  }
  dampingList.SetCurSel(0);

  // Nothing typed, but no extra mass and the usual design life.
  for (CEdit& input : inputs) input.SetWindowText(kBlankText);
  inputs[kExtraMass].SetWindowText("0");
  inputs[kLife].SetWindowText(shedding::FormatGeneral(shedding::kDefaultDesignLife, 0, 6).c_str());
  RelabelInputs();
  EnableFrequencyInputs();
  HideResult();
}

shedding::UnitSystem CResponseDlg::Units() const { return static_cast<shedding::UnitSystem>(unitsList.GetCurSel()); }

bool CResponseDlg::TubeChosen() const { return frequencySourceList.GetCurSel() == kFrequencyOfTube; }

shedding::DampingMeasure CResponseDlg::Damping() const {
  return kDampingMeasures[static_cast<std::size_t>(dampingList.GetCurSel())];
}

void CResponseDlg::RelabelInputs() {
  for (std::size_t input = 0; input < kInputCount; ++input) {
    const ResponseField field = input == kDamping ? kDampingFields[static_cast<std::size_t>(dampingList.GetCurSel())]
                                                  : kInputControls[input].field;
    inputLabels[input].SetWindowText(shedding::ResponseFieldLabel(field, Units()).c_str());
  }
}

bool CResponseDlg::InUse(Input input) const {
  if (input < kNaturalFrequency || input > kExtraMass) return true;
  return (input >= kWallThickness) == TubeChosen();
}

void CResponseDlg::EnableFrequencyInputs() {
  for (std::size_t input = kNaturalFrequency; input <= kExtraMass; ++input) {
    inputs[input].EnableWindow(InUse(static_cast<Input>(input)));
  }
}

std::string CResponseDlg::InputLines() const {
  std::string lines;
  output::AppendReportLine(lines, "Units", shedding::kUnitSystemListTexts[static_cast<std::size_t>(Units())]);
  output::AppendReportLine(lines, "Support",
                           shedding::SupportName(shedding::kSpanSupports[static_cast<std::size_t>(supportList.GetCurSel())]));
  output::AppendReportLine(lines, "Natural frequency", kFrequencySourceTexts[static_cast<std::size_t>(frequencySourceList.GetCurSel())]);
  for (std::size_t input = 0; input < kInputCount; ++input) {
    if (!InUse(static_cast<Input>(input))) continue;
    output::AppendReportLine(lines, inputLabels[input].GetWindowText().str(),
                             shedding::FormatShortest(Number(static_cast<Input>(input))));
  }
  return lines;
}

bool CResponseDlg::IsInputField(HWND window) const {
  for (const CEdit& input : inputs) {
    if (input.GetSafeHwnd() == window) return true;
  }
  return false;
}

void CResponseDlg::OnSelchangeUnits() {
  RelabelInputs();
  HideResult();
}

void CResponseDlg::OnSelchangeFrequencySource() {
  EnableFrequencyInputs();
  HideResult();
}

void CResponseDlg::OnSelchangeDampingMeasure() {
  RelabelInputs();
  HideResult();
}

void CResponseDlg::OnChangeInput() { HideResult(); }

double CResponseDlg::Number(Input input) const { return shedding::TextToNumber(inputs[input].GetWindowText().str()); }

shedding::ResponseCase CResponseDlg::TypedCase() const {
  shedding::ResponseCase cylinder;
  cylinder.units = Units();
  cylinder.support = shedding::kSpanSupports[static_cast<std::size_t>(supportList.GetCurSel())];
  cylinder.diameter = Number(kDiameter);
  cylinder.height = Number(kHeight);
  if (TubeChosen()) {
    // No extra mass is plausible, so text without a number must fail its check.
    cylinder.tube = shedding::TubeSection{0.0, Number(kWallThickness), Number(kYoungsModulus), Number(kMaterialDensity),
                                          shedding::NumberOrNaN(inputs[kExtraMass].GetWindowText().str())};
  } else {
    cylinder.naturalFrequency = Number(kNaturalFrequency);
    cylinder.massPerLength = Number(kMassPerLength);
  }
  cylinder.dampingMeasure = Damping();
  cylinder.damping = Number(kDamping);
  cylinder.meanWind = Number(kMeanWind);
  cylinder.life = Number(kLife);
  return cylinder;
}

void CResponseDlg::OnOK() {
  const shedding::ResponseCase cylinder = TypedCase();
  const auto outcome = shedding::ComputeVortexResponse(cylinder);
  if (const auto* error = std::get_if<shedding::InputError>(&outcome)) {
    AfxMessageBox(("Input Error\n\n" + error->label + " " + error->requirement + ".").c_str(), MB_OK, 0);
    return;
  }
  const auto& result = std::get<shedding::ResponseResult>(outcome);
  shedding::Chart chart = shedding::ChartResponse(cylinder, result);
  std::string verdicts;
  for (const output::ResponseVerdictLine& line : output::kResponseVerdictLines) {
    if (!verdicts.empty()) verdicts += '\n';
    verdicts += (result.*line.verdict).words;
  }
  std::string description = ChartDescription(result, chart);
  ShowResult({result.figures, std::move(verdicts), std::move(description), InputLines() + output::ReportText(result),
              std::move(chart)});
}
