// Dialog template 129: the Strouhal number calculator.

#include "framework/win_constants.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/template_styles.h"

namespace resources {
namespace {

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Button, "Calculate", IDOK, 205, 213, 59, 18, kDefaultButton, kButtonEdges},
    {ControlClass::Button, "Return", IDCANCEL, 205, 245, 62, 19, kPushButton, kButtonEdges},
    {ControlClass::ListBox, "", IDC_ANALYSIS_LIST, 26, 73, 96, 45, kListBox},
    {ControlClass::Button, "Select Analysis", IDC_STATIC, 17, 43, 115, 84, BS_GROUPBOX},
    {ControlClass::Static, "Calculate", IDC_STATIC, 57, 61, 39, 8, SS_LEFT},
    {ControlClass::Button, "Select Units", IDC_UNITS_GROUP, 145, 43, 97, 84, BS_GROUPBOX},
    {ControlClass::ListBox, "", IDC_UNITS_LIST, 163, 76, 56, 40, kListBox},
    {ControlClass::Button, "Enter Data", IDC_DATA_GROUP, 17, 132, 162, 139, BS_GROUPBOX},
    {ControlClass::Edit, "", IDC_SLOT_LABEL1, 57, 150, 107, 12, kLabelEdit},
    {ControlClass::Edit, "", IDC_SLOT_INPUT1, 57, 166, 73, 14, kInputEdit},
    {ControlClass::Edit, "", IDC_SLOT_LABEL2, 57, 190, 104, 12, kLabelEdit},
    {ControlClass::Edit, "", IDC_SLOT_INPUT2, 57, 206, 72, 14, kInputEdit},
    {ControlClass::Edit, "", IDC_SLOT_LABEL3, 58, 231, 104, 12, kLabelEdit},
    {ControlClass::Edit, "", IDC_SLOT_INPUT3, 57, 245, 74, 14, kInputEdit},
    {ControlClass::Button, "Result", IDC_RESULT_GROUP, 188, 133, 150, 64, BS_GROUPBOX},
    {ControlClass::Edit, "", IDC_RESULT_VALUE, 227, 173, 68, 14, kResultEdit},
    {ControlClass::Edit, "", IDC_RESULT_LABEL, 227, 157, 99, 14, kLabelEdit},
    {ControlClass::Button, "", IDC_STATIC, 18, 7, 333, 31, BS_GROUPBOX},
    {ControlClass::Static,
     "Note:  the Strouhal number is approximately = 0.2 for circular cross-sections.", IDC_STATIC,
     30, 20, 291, 8, SS_LEFT},
};

}  // namespace

constinit const DialogTemplate kCalculatorTemplate{
    IDD_CALCULATOR, "Strouhal Number Calculator", kDialogStyle, 0, "Arial", 10, 0, 0, 367, 284,
    kItems};

}  // namespace resources
