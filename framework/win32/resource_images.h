#pragma once
// The system images made from the program's resource data.

#include "framework/win32/system_headers.h"

// For a window's small icon: the icon made from the 16x16 image of the
// resource icon whose 32x32 image is icon (as the system picks the small
// image out of an icon file), or icon itself when it is no resource icon.
HICON SmallIconOf(HICON icon);
