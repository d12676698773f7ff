#pragma once
// The classic user-interface functions the program calls, for systems that
// lack <windows.h>; the framework's backend implements them.

#include "framework/portable/win_types.h"

// Sets the cursor shown for the window the pointer is over; returns the last one.
HCURSOR SetCursor(HCURSOR cursor);
int GetSystemMetrics(int index);
// The desktop's colour for a kind of element (COLOR_WINDOW, COLOR_WINDOWTEXT,
// COLOR_HIGHLIGHT, COLOR_BTNFACE, COLOR_GRAYTEXT, COLOR_HOTLIGHT for links):
// what the user's colour scheme paints it with, dark or light.
COLORREF GetSysColor(int index);
// A system setting; only SPI_GETHIGHCONTRAST is known (into a HIGHCONTRAST).
BOOL SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni);
// Whether a modifier key (VK_SHIFT, VK_CONTROL, VK_MENU) was down as the
// input being handled arrived: the high bit (the value is negative) if so.
SHORT GetKeyState(int virtualKey);
