#pragma once
// Cursors and system metrics.

#include "framework/win_types.h"

// The cursor with this id in the program's resources, or null when there is
// none or the system cannot make it. The handle is shared; nobody destroys it.
HCURSOR LoadCursor(UINT id);
// Sets the cursor shown for the window the pointer is over; returns the last one.
HCURSOR SetCursor(HCURSOR cursor);
int GetSystemMetrics(int index);
// The desktop's colour for a kind of element (COLOR_WINDOW, COLOR_WINDOWTEXT,
// COLOR_HIGHLIGHT, COLOR_BTNFACE, COLOR_GRAYTEXT): what the user's colour
// scheme paints it with, dark or light.
COLORREF GetSysColor(int index);
