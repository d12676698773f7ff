#include "framework/win32/common_controls.h"

#include "framework/win_types.h"

void InitializeCommonControls() {
  static const bool initialized = [] {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)initialized;
}
