#pragma once
// Cursors and system metrics.

#include "framework/win_types.h"

// The cursor with this id in the program's resources, or null when there is
// none or the system cannot make it. The handle is shared; nobody destroys it.
HCURSOR LoadCursor(UINT id);
#ifndef _WIN32
// Sets the cursor shown for the window the pointer is over; returns the last
// one. On Windows this and GetSystemMetrics are the system's own.
HCURSOR SetCursor(HCURSOR cursor);
int GetSystemMetrics(int index);
#endif
// The desktop's colour for a kind of element (COLOR_WINDOW, COLOR_WINDOWTEXT,
// COLOR_HIGHLIGHT, COLOR_BTNFACE, COLOR_GRAYTEXT): what the user's colour
// scheme paints it with, dark or light. On Windows the system's own.
#ifndef _WIN32
COLORREF GetSysColor(int index);
#endif
