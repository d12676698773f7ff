#pragma once
// Modal dialogs on the system's dialog manager: the dialog procedure routes
// every message through the message maps, and default processing is the
// dialog manager's own (DefDlgProc), run at once when a handler asks for it.

#include "framework/win_types.h"

// Whether hwnd is a dialog the framework is running modally.
bool IsRunningDialog(HWND hwnd);
// The dialog manager's processing of a message for a running dialog.
LRESULT DialogDefaultProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The owner of a modal window that names none: the innermost running
// dialog, else the application's main window, else none.
HWND DefaultModalOwner();
