#pragma once

#include "framework/wnd.h"

class CEdit : public CWnd {};
