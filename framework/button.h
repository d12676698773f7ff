#pragma once

#include "framework/wnd.h"

// A push button or a group box. It adds nothing to CWnd; a subclass
// overrides what CWnd lets it (wnd.h).
class CButton : public CWnd {};
