#pragma once
// Cursors, icons and system metrics.

#include "framework/win_types.h"

// The icon or cursor with this id in the program's resources (null when
// there is none). The handles are shared; nobody destroys them.
HICON LoadIcon(UINT id);
HCURSOR LoadCursor(UINT id);

// Sets the cursor shown for the window the pointer is over; returns the last one.
HCURSOR SetCursor(HCURSOR cursor);
int GetSystemMetrics(int index);
