#pragma once
// Icons and cursors made from the program's resource data at run time,
// once each; they live until the program ends.

#include "framework/win_types.h"

// The cursor with this resource id, or null when there is none or the
// system cannot make it (icons: framework_detail::LoadIconResource).
HCURSOR LoadCursorResource(UINT id);

// For a window's small icon: the icon made from the 16x16 image of the
// resource icon whose 32x32 image is icon (as the system picks the small
// image out of an icon file), or icon itself when it is no resource icon.
HICON SmallIconOf(HICON icon);
