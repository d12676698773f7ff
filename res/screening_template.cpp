// Dialog template 134: lock-in screening of a cylinder, with its chart.

#include "framework/win_constants.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/template_styles.h"

namespace resources {
namespace {

// A row of the results: its label, and its value to the right.
constexpr DialogItemTemplate FigureLabel(int row) {
  return {ControlClass::Static, "", IDC_FIGURE_LABEL_FIRST + row, 141, static_cast<short>(59 + 14 * row), 104, 8, SS_LEFT};
}
constexpr DialogItemTemplate FigureValue(int row) {
  return {ControlClass::Edit, "", IDC_FIGURE_VALUE_FIRST + row, 247, static_cast<short>(57 + 14 * row), 45, 12, kResultEdit};
}

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Button, "Units", IDC_STATIC, 7, 4, 120, 36, BS_GROUPBOX},
    {ControlClass::ListBox, "", IDC_SCREEN_UNITS, 14, 15, 106, 19, kListBox},
    {ControlClass::Button, "Fluid", IDC_STATIC, 7, 43, 120, 55, BS_GROUPBOX},
    {ControlClass::ListBox, "", IDC_SCREEN_FLUID, 14, 54, 106, 38, kListBox},
    {ControlClass::Button, "Flow and cylinder", IDC_STATIC, 7, 101, 120, 152, BS_GROUPBOX},
    {ControlClass::Static, "", IDC_TEMPERATURE_LABEL, 14, 112, 108, 8, SS_LEFT},
    {ControlClass::Edit, "", IDC_TEMPERATURE, 14, 121, 60, 13, kInputEdit},
    {ControlClass::Static, "", IDC_VISCOSITY_LABEL, 14, 138, 108, 8, SS_LEFT},
    {ControlClass::Edit, "", IDC_VISCOSITY, 14, 147, 60, 13, kInputEdit},
    {ControlClass::Static, "", IDC_VELOCITY_LABEL, 14, 164, 108, 8, SS_LEFT},
    {ControlClass::Edit, "", IDC_VELOCITY, 14, 173, 60, 13, kInputEdit},
    {ControlClass::Static, "", IDC_DIAMETER_LABEL, 14, 190, 108, 8, SS_LEFT},
    {ControlClass::Edit, "", IDC_DIAMETER, 14, 199, 60, 13, kInputEdit},
    {ControlClass::Static, "Natural frequency (Hz)", IDC_STATIC, 14, 216, 108, 8, SS_LEFT},
    {ControlClass::Edit, "", IDC_NATURAL_FREQUENCY, 14, 225, 60, 13, kInputEdit},
    {ControlClass::Button, "Lock-in band (fs / fn)", IDC_STATIC, 134, 4, 150, 40, BS_GROUPBOX},
    {ControlClass::Static, "From", IDC_STATIC, 141, 15, 50, 8, SS_LEFT},
    {ControlClass::Edit, "", IDC_BAND_LOW, 141, 24, 50, 13, kInputEdit},
    {ControlClass::Static, "To", IDC_STATIC, 200, 15, 50, 8, SS_LEFT},
    {ControlClass::Edit, "", IDC_BAND_HIGH, 200, 24, 50, 13, kInputEdit},
    {ControlClass::Button, "Calculate", IDOK, 7, 260, 56, 16, kDefaultButton, kButtonEdges},
    {ControlClass::Button, "Return", IDCANCEL, 71, 260, 56, 16, kPushButton, kButtonEdges},
    {ControlClass::Button, "Results", IDC_SCREEN_RESULTS, 134, 47, 164, 229, BS_GROUPBOX},
    FigureLabel(0), FigureValue(0), FigureLabel(1), FigureValue(1), FigureLabel(2), FigureValue(2),
    FigureLabel(3), FigureValue(3), FigureLabel(4), FigureValue(4), FigureLabel(5), FigureValue(5),
    FigureLabel(6), FigureValue(6), FigureLabel(7), FigureValue(7), FigureLabel(8), FigureValue(8),
    {ControlClass::Static, "", IDC_VERDICT, 141, 188, 150, 84, SS_LEFT | SS_NOPREFIX},
    {ControlClass::Static, "", IDC_CHART, 305, 8, 242, 246, SS_LEFT | SS_NOPREFIX},
    {ControlClass::Button, "Copy", IDC_COPY, 305, 260, 56, 16, kPushButton, kButtonEdges},
    {ControlClass::Button, "Save Chart...", IDC_SAVE_CHART, 369, 260, 64, 16, kPushButton, kButtonEdges},
};

}  // namespace

constinit const DialogTemplate kScreeningTemplate{
    IDD_SCREENING, "Lock-in Screening", kDialogStyle, 0, "Arial", 10, 0, 0, 554, 282, kItems};

}  // namespace resources
