#pragma once
// How the framework's wrappers meet real windows: a bound window carries its
// wrapper in a window property, and a bound control runs the framework's
// window procedure before its own, which routes every message through the
// message maps. Dialogs route through their dialog procedure instead (see
// modal_dialog.h).

#include "framework/win_types.h"

class CWnd;

// The wrapper property alone, without subclassing: for a dialog, whose
// dialog procedure already sees its messages.
void AttachWrapper(CWnd& wrapper, HWND window);
// Forgets the wrapper of window, undoing the subclassing if there was any.
void DetachWrapper(HWND window);

// WM_COMMAND with a control's id and notification code.
LRESULT SendCommand(HWND to, int id, UINT code, HWND from);

// The module every window of the program belongs to.
HINSTANCE ProgramInstance();
