#include "framework/qt/group_box_window.h"

GroupBoxWindow::GroupBoxWindow(QWidget* parent, int controlId, DWORD windowStyle, DWORD extendedStyle,
                               const QString& caption)
    : QGroupBox(caption, parent), HWND__(this, controlId, windowStyle, extendedStyle) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}
