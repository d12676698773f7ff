#include "framework/user.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>

#include "framework/qt/cursor_state.h"
#include "framework/qt/gdi_objects.h"
#include "framework/win_constants.h"

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

COLORREF GetSysColor(int index) {
  const QPalette palette = QApplication::palette();
  switch (index) {
    case COLOR_WINDOW:
      return ToColorRef(palette.color(QPalette::Base));
    case COLOR_WINDOWTEXT:
      return ToColorRef(palette.color(QPalette::Text));
    case COLOR_HIGHLIGHT:
      return ToColorRef(palette.color(QPalette::Highlight));
    case COLOR_BTNFACE:
      return ToColorRef(palette.color(QPalette::Window));
    case COLOR_GRAYTEXT:
      return ToColorRef(palette.color(QPalette::Disabled, QPalette::Text));
    case COLOR_HOTLIGHT:
      return ToColorRef(palette.color(QPalette::Link));
    default:
      return RGB(0, 0, 0);
  }
}

SHORT GetKeyState(int virtualKey) {
  // Qt updates the modifiers as each key or mouse event is delivered, so
  // they are those of the input being handled, as on Windows.
  const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
  Qt::KeyboardModifier modifier = Qt::NoModifier;
  switch (virtualKey) {
    case VK_SHIFT: modifier = Qt::ShiftModifier; break;
    case VK_CONTROL: modifier = Qt::ControlModifier; break;
    case VK_MENU: modifier = Qt::AltModifier; break;
    default: return 0;
  }
  return modifiers.testFlag(modifier) ? static_cast<SHORT>(0x8000) : 0;
}

BOOL SystemParametersInfo(UINT action, UINT, void* data, UINT) {
  if (action != SPI_GETHIGHCONTRAST || !data) return FALSE;
  // Qt 6.4 tells no high-contrast setting apart from any other colour
  // scheme (the palette already follows the desktop's), so it reads as off.
  static_cast<HIGHCONTRAST*>(data)->dwFlags = 0;
  return TRUE;
}
