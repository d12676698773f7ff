// AfxMessageBox, written once: the framework's caption and default icon.

#include "framework/message_box.h"

#include "framework/internal/framework_access.h"
#include "framework/internal/window_primitives.h"

int AfxMessageBox(const char* text, UINT type, UINT) {
  // An OK box asked without an icon gets the framework's default one.
  if ((type & MB_ICONMASK) == 0 && (type & MB_TYPEMASK) == MB_OK) type |= MB_ICONEXCLAMATION;
  return framework_detail::DoMessageBox(framework_detail::DefaultModalOwner(), text ? text : "",
                                        framework_detail::ApplicationTitle(), type);
}
