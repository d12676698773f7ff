// Dialog template 132: the contact information, two link labels.

#include "framework/win_constants.h"
#include "res/contact_config.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/template_styles.h"

namespace resources {
namespace {

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Button, "Return", IDCANCEL, 186, 109, 61, 16, kPushButton, kButtonEdges},
    {ControlClass::Static, contact_config::kMailLabel, IDC_MAIL_LINK, 44, 40, 145, 8, SS_LEFT},
    {ControlClass::Static, contact_config::kWebLabel, IDC_WEB_LINK, 45, 70, 189, 8, SS_LEFT},
};

}  // namespace

constinit const DialogTemplate kContactTemplate{
    IDD_CONTACT, "Contact Information", kDialogStyle, 0, "Arial", 10, 0, 0, 254, 132, kItems};

}  // namespace resources
