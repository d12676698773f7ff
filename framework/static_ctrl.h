#pragma once

#include "framework/wnd.h"

// A static text or icon. With the notify style a click notifies (STN_CLICKED),
// and its click and colour request reach its own wrapper first (reflection);
// a wrapper that handles WM_PAINT draws the static itself. A subclass (a link
// label, a chart) overrides what CWnd lets it and adds message-map entries.
class CStatic : public CWnd {};
