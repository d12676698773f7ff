// The framework tests' own resources, registered for the whole test program.

#include "tests/framework/test_resources.h"

#include "framework/resource_types.h"
#include "framework/win_app.h"
#include "framework/win_constants.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kTabEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

constexpr DialogItemTemplate kFormItems[] = {
    {ControlClass::Edit, "", IDC_NAME, 10, 10, 80, 14, kTabEdit},
    {ControlClass::Static, "Caption", IDC_CAPTION, 10, 28, 80, 8, SS_LEFT},
    {ControlClass::Edit, "", IDC_NOTE, 10, 40, 80, 14, kTabEdit},
    {ControlClass::Edit, "read only", IDC_READ_ONLY, 10, 58, 80, 12, ES_READONLY},
    {ControlClass::ListBox, "", IDC_CHOICES, 100, 10, 60, 40,
     WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT},
    {ControlClass::ListBox, "", IDC_PLAIN_LIST, 170, 48, 44, 40, WS_BORDER | LBS_NOTIFY},
    {ControlClass::Button, "Apply", IDC_APPLY, 10, 76, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {ControlClass::Button, "Off", IDC_DISABLED, 64, 76, 30, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED},
    {ControlClass::Button, "OK", IDOK, 170, 10, 44, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {ControlClass::Button, "Cancel", IDCANCEL, 170, 28, 44, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {ControlClass::Button, "Frame", IDC_FRAME, 6, 96, 208, 36, BS_GROUPBOX},
    {ControlClass::Static, "Notify me", IDC_NOTIFY_LABEL, 14, 110, 60, 10, SS_NOTIFY},
};

// Positions and sizes whose pixels need rounding (halves included) in both
// fonts below, so that rounding and truncation give different pixels.
constexpr DialogItemTemplate kUnitsItems[] = {
    {ControlClass::Button, "Seven", IDC_UNITS_BUTTON, 7, 12, 51, 13, BS_PUSHBUTTON | WS_TABSTOP},
    {ControlClass::Edit, "", IDC_UNITS_EDIT, 13, 27, 33, 11, kTabEdit},
    {ControlClass::Static, "#300", IDC_UNITS_ICON, 60, 30, 20, 20, SS_ICON},
};

constexpr DialogItemTemplate kOtherDefaultItems[] = {
    {ControlClass::Edit, "", IDC_NAME, 10, 10, 80, 14, kTabEdit},
    {ControlClass::Button, "Go", IDC_GO, 100, 10, 40, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {ControlClass::Button, "Cancel", IDCANCEL, 100, 28, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
};

constexpr DialogItemTemplate kNoDefaultItems[] = {
    {ControlClass::Edit, "", IDC_NAME, 10, 10, 80, 14, kTabEdit},
    {ControlClass::Button, "Apply", IDC_APPLY, 100, 10, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {ControlClass::Button, "Cancel", IDCANCEL, 100, 28, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
};

constexpr DialogTemplate kForm{IDD_FORM, "Form", kDialogStyle, 0, "Arial", 10, 0, 0, 221, 141, kFormItems};
constexpr DialogTemplate kUnitsSmall{IDD_UNITS_SMALL, "Units", kDialogStyle, 0, "Arial", 10, 0, 0, 151, 93,
                                     kUnitsItems};
constexpr DialogTemplate kUnitsLarge{IDD_UNITS_LARGE, "Units", kDialogStyle, 0, "Arial", 14, 0, 0, 151, 93,
                                     kUnitsItems};
constexpr DialogTemplate kOtherDefault{IDD_OTHER_DEFAULT, "Other default", kDialogStyle, 0, "Arial", 10, 0, 0, 150, 50,
                                       kOtherDefaultItems};
constexpr DialogTemplate kNoDefault{IDD_NO_DEFAULT, "No default", kDialogStyle, 0, "Arial", 10, 0, 0, 150, 50,
                                    kNoDefaultItems};

constexpr const char* kRedBlue = "9999999999999999cccccccccccccccc";
constexpr const char* kLime = "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa";
constexpr const char* kSmallRow = "ffffffffffffffff";
constexpr IconResource kIcon{
    IDI_TEST,
    {kRedBlue, kRedBlue, kRedBlue, kRedBlue, kRedBlue, kRedBlue, kRedBlue, kRedBlue,
     kRedBlue, kRedBlue, kRedBlue, kRedBlue, kRedBlue, kRedBlue, kRedBlue, kRedBlue,
     kLime, kLime, kLime, kLime, kLime, kLime, kLime, kLime,
     kLime, kLime, kLime, kLime, kLime, kLime, kLime, kLime},
    {kSmallRow, kSmallRow, kSmallRow, kSmallRow, kSmallRow, kSmallRow, kSmallRow, kSmallRow,
     kSmallRow, kSmallRow, kSmallRow, kSmallRow, kSmallRow, kSmallRow, kSmallRow, kSmallRow}};

constexpr const char* kBlock = "########........................";
constexpr const char* kClear = "................................";
constexpr CursorResource kCursor{
    IDC_TEST_CURSOR,
    {kBlock, kBlock, kBlock, kBlock, kBlock, kBlock, kBlock, kBlock,
     kClear, kClear, kClear, kClear, kClear, kClear, kClear, kClear,
     kClear, kClear, kClear, kClear, kClear, kClear, kClear, kClear,
     kClear, kClear, kClear, kClear, kClear, kClear, kClear, kClear},
    kTestCursorHotSpotX, kTestCursorHotSpotY};

constexpr StringResource kStrings[] = {{IDS_ZAP, "&Zap the dialog"}};

constexpr const DialogTemplate* kDialogs[] = {&kForm, &kUnitsSmall, &kUnitsLarge, &kOtherDefault, &kNoDefault};
constexpr const IconResource* kIcons[] = {&kIcon};
constexpr const CursorResource* kCursors[] = {&kCursor};
const ResourceModule kModule{kDialogs, kIcons, kCursors, kStrings, nullptr};

// Registered before any test runs, as a program registers its own at start.
[[maybe_unused]] const bool kRegistered = (AfxSetResources(kModule), true);

// The test program's application object, with no name of its own.
CWinApp theApp;

}  // namespace
