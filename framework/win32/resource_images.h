#pragma once
// Icons and cursors made from the program's resource data at run time,
// once each; they live until the program ends.

#include "framework/win_types.h"

// The cursor with this resource id, or null when there is none or the
// system cannot make it (icons: framework_detail::LoadIconResource).
HCURSOR LoadCursorResource(UINT id);
