#pragma once
// Putting text on the system's clipboard, for the user to paste elsewhere.

#include "framework/win_types.h"

class CWnd;

// Replaces what the clipboard holds with text (UTF-8, lines ended by '\n';
// each system gets its own line ends). owner is the window that puts it
// there; without one, the dialog in front. FALSE when the system refuses,
// which the caller may tell the user.
BOOL CopyTextToClipboard(CWnd* owner, const char* text);
