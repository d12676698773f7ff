#pragma once
// Input queued as the window system queues it: delivered only once the event
// loop runs next, so a test sees what runs between a click and the user's
// next key. Implemented for Qt only (gui_driver_qt.cpp): the suites using it
// run on Linux.

#include "tests/support/gui_driver.h"

namespace gui_test {

// A click at the centre of the control.
void PostClick(const CWnd& dialog, int id);
// A key pressed and released where the keyboard focus is now.
void PostKey(Key key);

}  // namespace gui_test
