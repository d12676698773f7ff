#pragma once
// The colour request of a static (or a read-only edit) to its dialog. The
// framework's handlers take a CDC, so the request's context is wrapped for
// the dispatch. A static paints with its own font, selected after the
// request, so a font a handler selects into the context would be lost; the
// framework makes it the control's font instead (and gives the control its
// own back when a later request selects none).

#include "framework/win_types.h"

// Routes WM_CTLCOLORSTATIC from control to dialog; returns the brush.
LRESULT DispatchControlColor(HWND dialog, HDC dc, HWND control);
// Forgets what the framework remembered of control's own font.
void ForgetControlFont(HWND control);
