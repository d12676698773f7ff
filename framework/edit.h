#pragma once

#include "framework/wnd.h"

// An edit field. Every change of its text, typed or set, notifies the parent
// (EN_CHANGE). It adds nothing to CWnd; a subclass overrides what CWnd lets it.
class CEdit : public CWnd {};
