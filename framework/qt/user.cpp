#include "framework/user.h"

#include "framework/qt/cursor_state.h"
#include "framework/qt/resource_images.h"
#include "framework/win_constants.h"

HCURSOR LoadCursor(UINT id) { return LoadCursorResource(id); }

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR previous = CursorState::current;
  CursorState::current = cursor;
  CursorState::set = true;
  return previous;
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    default:
      return 0;
  }
}
