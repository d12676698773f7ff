// Dialog template 102: the main dialog, from which every analysis is chosen.

#include <array>

#include "framework/win_constants.h"
#include "res/joined_text.h"
#include "res/program_identity.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/template_styles.h"

namespace resources {
namespace {

constexpr std::array kCaptionParts{program_identity::kTitle, ", version 1.1,  by ",
                                   program_identity::kAuthor};

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Button, "Exit", IDCANCEL, 221, 110, 66, 18, kPushButton, kButtonEdges},
    {ControlClass::ListBox, "", IDC_ANALYSIS_SELECT, 36, 80, 149, 37, kListBox},
    {ControlClass::Button, "", IDC_STATIC, 19, 14, 179, 38, BS_GROUPBOX},
    {ControlClass::Static,
     "The Strouhal number is the nondimensional frequency of vortex shedding in vortex "
     "induced vibration.",
     IDC_STATIC, 31, 23, 153, 25, SS_LEFT},
    {ControlClass::Button, "Select Analysis", IDC_STATIC, 21, 61, 177, 67, BS_GROUPBOX},
    {ControlClass::Button, "Visit Web Site", IDC_VISIT_WEB_SITE, 221, 84, 65, 17, kPushButton,
     kButtonEdges},
};

}  // namespace

// The main dialog is the application's window: visible, with a task-bar button.
constinit const DialogTemplate kMainSelectTemplate{
    IDD_MAIN_SELECT, kJoined<kCaptionParts>.data(), kDialogStyle | WS_VISIBLE, WS_EX_APPWINDOW,
    "Arial", 10, 0, 0, 303, 147, kItems};

}  // namespace resources
