#pragma once
// The device contexts the framework hands out.

#include "framework/dc.h"

// GetDC's context of a window, as the system gives it (holding the stock
// system font); deleting it gives it back.
class WindowDC : public CDC {
 public:
  explicit WindowDC(HWND window);
  ~WindowDC() override;

 private:
  HWND window_;
};
