#pragma once
// Cursors, system metrics and colours. SetCursor, GetSystemMetrics and
// GetSysColor are the system's own on Windows, the framework's elsewhere.

#include "framework/win_types.h"

#ifndef _WIN32
#include "framework/portable/win_user.h"
#endif

// The cursor with this id in the program's resources, or null when there is
// none or the system cannot make it. The handle is shared; nobody destroys it.
HCURSOR LoadCursor(UINT id);
