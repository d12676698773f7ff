// Dialog template 130: the Reynolds-Strouhal correlation.

#include "framework/win_constants.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/template_styles.h"

namespace resources {
namespace {

// Where the table of Reynolds and Strouhal numbers comes from.
constexpr const char* kSourceNote =
    "The correlation is taken from: \r"
    "Blevins, R. D., \"Applied Fluid Dynamics Handbook\", Van Nostrand Reinhold, New York, "
    "1984.";

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Button, "Calculate", IDOK, 140, 145, 56, 20, kDefaultButton, kButtonEdges},
    {ControlClass::Button, "Return", IDCANCEL, 211, 146, 55, 19, kPushButton, kButtonEdges},
    {ControlClass::Edit, "", IDC_REYNOLDS_INPUT, 26, 88, 87, 14, kInputEdit},
    {ControlClass::Button, "Enter Reynolds Number", IDC_REYNOLDS_GROUP, 14, 73, 109, 39,
     BS_GROUPBOX},
    {ControlClass::Static, kSourceNote, IDC_STATIC, 20, 18, 241, 28, SS_LEFT},
    {ControlClass::Button, "", IDC_STATIC, 13, 7, 262, 59, BS_GROUPBOX},
    {ControlClass::Button, "Strouhal Number", IDC_STROUHAL_GROUP, 16, 121, 108, 44, BS_GROUPBOX},
    {ControlClass::Edit, "", IDC_STROUHAL_VALUE, 25, 139, 87, 14, kResultEdit},
    {ControlClass::Static, "Assume circular cross-section.", IDC_STATIC, 21, 51, 231, 12, SS_LEFT},
};

}  // namespace

constinit const DialogTemplate kCorrelationTemplate{
    IDD_CORRELATION, "Strouhal and Reynolds Number Correlation", kDialogStyle, 0, "Arial", 10, 0,
    0, 317, 179, kItems};

}  // namespace resources
