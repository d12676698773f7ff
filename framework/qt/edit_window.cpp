#include "framework/qt/edit_window.h"

#include "framework/win_constants.h"

EditWindow::EditWindow(QWidget* parent, int controlId, DWORD windowStyle, DWORD extendedStyle)
    : QLineEdit(parent), HWND__(this, controlId, windowStyle, extendedStyle) {
  ApplyStyle();
  connect(this, &QLineEdit::textChanged, this, [this] { NotifyParent(EN_CHANGE); });
}

void EditWindow::ApplyStyle() {
  setFrame((styleBits & WS_BORDER) != 0 || (styleEx & WS_EX_CLIENTEDGE) != 0);
  const bool readOnly = (styleBits & ES_READONLY) != 0;
  setReadOnly(readOnly);
  // Read-only fields show what lies beneath them (the dialog, a frame), as
  // classic dialogs draw them.
  QPalette colors = palette();
  colors.setColor(QPalette::Base, readOnly ? QColor(Qt::transparent) : QPalette().color(QPalette::Base));
  setPalette(colors);
}
