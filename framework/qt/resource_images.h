#pragma once
// Icons and cursors made from the program's resource data, once each.

#include "framework/win_types.h"

// The icon or cursor with this resource id, or null when there is none.
// The handles are shared and live until the program ends.
HICON LoadIconResource(UINT id);
HCURSOR LoadCursorResource(UINT id);
