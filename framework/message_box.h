#pragma once

#include "framework/win_types.h"
#include "framework/win_constants.h"

// Shows a modal message box captioned with the application's title. An OK
// box asked without an icon gets the exclamation icon. Returns the button.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
