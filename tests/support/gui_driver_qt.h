#pragma once
// What only tests of the Qt backend ask of the driver: the widget behind a
// control, for what Qt itself tells (accessibility roles, palettes).

#include <QWidget>

#include "tests/support/gui_driver.h"

namespace gui_test {

// The widget of a control of an open dialog; id 0 names the dialog itself.
QWidget* WidgetOf(const CWnd& dialog, int id);

}  // namespace gui_test
