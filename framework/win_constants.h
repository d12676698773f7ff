#pragma once
// Message numbers, notification codes, styles and other constants: on
// Windows the system's own, elsewhere the framework's copies with the same
// values; and the few the framework adds itself.

#include "framework/win_types.h"

#ifndef _WIN32
#include "framework/portable/win_constants.h"
#endif

// Offset that marks a control's own notification reflected back to its
// wrapper (the classic framework's value).
constexpr UINT WM_REFLECT_BASE = 0xBC00;

// The classic framework's own ids, which the system headers lack: the id of
// controls the program never names, and the help command.
constexpr int IDC_STATIC = -1;
constexpr UINT ID_HELP = 0xE146;
