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
// The save-file dialog (the lean <windows.h> leaves the common dialogs out).
#include <commdlg.h>
// The find-and-replace dialog's name, which the program never uses, would
// rename every function called ReplaceText.
#undef ReplaceText
