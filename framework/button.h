#pragma once

#include "framework/wnd.h"

class CButton : public CWnd {};
