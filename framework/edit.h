#pragma once

#include "framework/wnd.h"

class CEdit : public CWnd {
 public:
  BOOL SetReadOnly(BOOL readOnly = TRUE);
};
