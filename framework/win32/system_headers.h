#pragma once
// The Win32 headers as the framework's public headers see them on Windows:
// the classic types and constants come from the system itself.

#ifndef STRICT
#define STRICT
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>

#include <commctrl.h>

// The platform layer (platform/services.h) gives its registry service and
// codes the classic names, in its own namespace and with the system's
// values. <windows.h> defines those names as macros, which would rewrite
// them in every file that sees both; code above the framework reads the
// registry only through the platform layer, so the macros go. (The
// backend's and the platform layer's own Win32 code never needs them here.)
#undef ERROR_SUCCESS
#undef ERROR_FILE_NOT_FOUND
#undef ERROR_INVALID_HANDLE
#undef ERROR_INVALID_PARAMETER
#undef ERROR_MORE_DATA
#undef HKEY_CLASSES_ROOT
#undef KEY_QUERY_VALUE
#undef RegOpenKeyEx
#undef RegQueryValue
