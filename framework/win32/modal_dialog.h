#pragma once
// Modal dialogs on the system's dialog manager: the dialog procedure routes
// every message through the message maps, and default processing is the
// dialog manager's own (DefDlgProc), run at once when a handler asks for it.

#include "framework/win_types.h"

// The dialog manager's processing of a message for a running dialog.
LRESULT DialogDefaultProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
