#pragma once
// A static that notifies is a link (the program's link label is one). Bound
// to a wrapper, it works from the keyboard as the Qt backend's does: with
// the tab-stop style the dialog manager's Tab reaches it, Enter or Space
// clicks it, and while it has the focus it shows the system's focus
// rectangle (once the user has used the keyboard, as Windows shows focus
// cues).

#include "framework/win_types.h"

bool IsLinkStatic(HWND hwnd);

// The window procedure of a bound link static: the framework's routing,
// with the keyboard and the focus rectangle added.
LRESULT LinkStaticProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
