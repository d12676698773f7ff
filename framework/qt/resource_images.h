#pragma once
// Icons and cursors made from the program's resource data, once each.

#include "framework/win_types.h"

// The cursor with this resource id, or null when there is none. Shared, it
// lives until the program ends (icons: framework_detail::LoadIconResource).
HCURSOR LoadCursorResource(UINT id);
