#include "framework/user.h"

#include "framework/win32/resource_images.h"

HCURSOR LoadCursor(UINT id) { return LoadCursorResource(id); }
