// Dialog template 136: the vortex-induced response of a cylinder in wind,
// with its chart. The inputs stand in one column, each label left of its
// field (fn and me, then the tube's four, each enabled when chosen). The 18
// figures fill two columns above the chart.

#include "framework/win_constants.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/template_styles.h"

namespace resources {
namespace {

// A typed value's row in the input column: its label, and its field to the right.
constexpr short kFieldRowY[] = {67, 81, 129, 143, 157, 171, 185, 199, 250, 264, 278};
constexpr DialogItemTemplate InputLabel(int id, int row) {
  return {ControlClass::Static, "", id, 13, static_cast<short>(kFieldRowY[row] + 2), 100, 8, SS_LEFT};
}
constexpr DialogItemTemplate Input(int id, int row) {
  return {ControlClass::Edit, "", id, 115, kFieldRowY[row], 46, 12, kInputEdit};
}

// A figure's row: the first nine in the left column, whose labels are the
// longer, the others in the right.
constexpr int kRowsPerColumn = 9;
constexpr short FigureY(int figure) { return static_cast<short>(12 + 13 * (figure % kRowsPerColumn)); }
constexpr DialogItemTemplate FigureLabel(int figure) {
  const bool left = figure < kRowsPerColumn;
  return {ControlClass::Static, "", IDC_RESPONSE_LABEL_FIRST + figure, static_cast<short>(left ? 179 : 408),
          static_cast<short>(FigureY(figure) + 2), static_cast<short>(left ? 176 : 120), 8, SS_LEFT};
}
constexpr DialogItemTemplate FigureValue(int figure) {
  return {ControlClass::Edit, "", IDC_RESPONSE_VALUE_FIRST + figure,
          static_cast<short>(figure < kRowsPerColumn ? 357 : 529), FigureY(figure), 44, 12, kResultEdit};
}

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Static, "Units", IDC_STATIC, 13, 6, 40, 8, SS_LEFT},
    {ControlClass::ListBox, "", IDC_RESPONSE_UNITS, 55, 4, 106, 19, kListBox},
    {ControlClass::Static, "Support", IDC_STATIC, 13, 29, 40, 8, SS_LEFT},
    {ControlClass::ListBox, "", IDC_RESPONSE_SUPPORT, 55, 27, 106, 36, kListBox},
    InputLabel(IDC_DIAMETER_LABEL, 0), Input(IDC_DIAMETER, 0),
    InputLabel(IDC_HEIGHT_LABEL, 1), Input(IDC_HEIGHT, 1),
    {ControlClass::Button, "Natural frequency", IDC_STATIC, 7, 97, 160, 118, BS_GROUPBOX},
    {ControlClass::ListBox, "", IDC_FREQUENCY_SOURCE, 13, 107, 148, 19, kListBox},
    InputLabel(IDC_FREQUENCY_LABEL, 2), Input(IDC_FREQUENCY, 2),
    InputLabel(IDC_MASS_LABEL, 3), Input(IDC_MASS, 3),
    InputLabel(IDC_WALL_LABEL, 4), Input(IDC_WALL, 4),
    InputLabel(IDC_MODULUS_LABEL, 5), Input(IDC_MODULUS, 5),
    InputLabel(IDC_DENSITY_LABEL, 6), Input(IDC_DENSITY, 6),
    InputLabel(IDC_EXTRA_MASS_LABEL, 7), Input(IDC_EXTRA_MASS, 7),
    {ControlClass::Button, "Damping and wind", IDC_STATIC, 7, 218, 160, 76, BS_GROUPBOX},
    {ControlClass::ListBox, "", IDC_DAMPING_MEASURE, 13, 228, 148, 19, kListBox},
    InputLabel(IDC_DAMPING_LABEL, 8), Input(IDC_DAMPING, 8),
    InputLabel(IDC_MEAN_WIND_LABEL, 9), Input(IDC_MEAN_WIND, 9),
    InputLabel(IDC_LIFE_LABEL, 10), Input(IDC_LIFE, 10),
    {ControlClass::Button, "Calculate", IDOK, 420, 261, 76, 16, kDefaultButton, kButtonEdges},
    {ControlClass::Button, "Return", IDCANCEL, 501, 261, 76, 16, kPushButton, kButtonEdges},
    {ControlClass::Button, "Results", IDC_RESPONSE_RESULTS, 173, 2, 404, 130, BS_GROUPBOX},
    FigureLabel(0), FigureValue(0), FigureLabel(1), FigureValue(1), FigureLabel(2), FigureValue(2),
    FigureLabel(3), FigureValue(3), FigureLabel(4), FigureValue(4), FigureLabel(5), FigureValue(5),
    FigureLabel(6), FigureValue(6), FigureLabel(7), FigureValue(7), FigureLabel(8), FigureValue(8),
    FigureLabel(9), FigureValue(9), FigureLabel(10), FigureValue(10), FigureLabel(11), FigureValue(11),
    FigureLabel(12), FigureValue(12), FigureLabel(13), FigureValue(13), FigureLabel(14), FigureValue(14),
    FigureLabel(15), FigureValue(15), FigureLabel(16), FigureValue(16), FigureLabel(17), FigureValue(17),
    {ControlClass::Static, "", IDC_VERDICT, 420, 138, 157, 118, SS_LEFT | SS_NOPREFIX},
    {ControlClass::Static, "", IDC_CHART, 173, 136, 240, 160, SS_LEFT | SS_NOPREFIX},
    {ControlClass::Button, "Copy", IDC_COPY, 420, 280, 76, 16, kPushButton, kButtonEdges},
    {ControlClass::Button, "Save Chart...", IDC_SAVE_CHART, 501, 280, 76, 16, kPushButton, kButtonEdges},
};

}  // namespace

constinit const DialogTemplate kResponseTemplate{
    IDD_RESPONSE, "Vortex-Induced Response", kDialogStyle, 0, "Arial", 10, 0, 0, 584, 300, kItems};

}  // namespace resources
