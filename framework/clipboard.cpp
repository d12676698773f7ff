// The clipboard, written once: the owner chosen; each backend talks to its
// system's clipboard.

#include "framework/clipboard.h"

#include "framework/internal/framework_access.h"
#include "framework/internal/window_primitives.h"

BOOL CopyTextToClipboard(CWnd* owner, const char* text) {
  // Windows gives the clipboard only to a window that owns what it puts there.
  HWND window = owner && FrameworkAccess::Handle(*owner) ? FrameworkAccess::Handle(*owner)
                                                         : framework_detail::DefaultModalOwner();
  return framework_detail::DoCopyTextToClipboard(window, text ? text : "") ? TRUE : FALSE;
}
