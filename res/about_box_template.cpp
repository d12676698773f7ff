// Dialog template 100: the About box.

#include <array>

#include "framework/win_constants.h"
#include "res/joined_text.h"
#include "res/program_identity.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/template_styles.h"

namespace resources {
namespace {

constexpr std::array kCaptionParts{"About ", program_identity::kShortName};
constexpr std::array kVersionLineParts{program_identity::kShortName, " Version 1.1"};

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Static, "#128", IDC_STATIC, 11, 17, 20, 20, SS_ICON},
    {ControlClass::Static, kJoined<kVersionLineParts>.data(), IDC_STATIC, 40, 10, 119, 8,
     SS_LEFT | SS_NOPREFIX},
    {ControlClass::Static, program_identity::kCopyright, IDC_STATIC, 40, 25, 119, 8, SS_LEFT},
    {ControlClass::Button, "OK", IDOK, 178, 7, 50, 14, kDefaultButton},
};

}  // namespace

constinit const DialogTemplate kAboutBoxTemplate{
    IDD_ABOUTBOX, kJoined<kCaptionParts>.data(), kDialogStyle, 0, "MS Sans Serif", 8, 0, 0, 235, 55,
    kItems};

}  // namespace resources
