#include "framework/qt/button_window.h"

#include "framework/win_constants.h"

ButtonWindow::ButtonWindow(QWidget* parent, int controlId, DWORD windowStyle, DWORD extendedStyle,
                           const QString& label)
    : QPushButton(label, parent), HWND__(this, controlId, windowStyle, extendedStyle) {
  // The framework, not Qt, decides what Enter presses.
  setAutoDefault(false);
  setDefault(IsDefault());
  connect(this, &QPushButton::clicked, this, [this] { NotifyParent(BN_CLICKED); });
}

bool ButtonWindow::IsDefault() const { return (styleBits & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }
