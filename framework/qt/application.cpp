#include "framework/qt/application.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

#include "framework/internal/framework_access.h"
#include "framework/qt/accessibility.h"
#include "framework/qt/backend_constants.h"
#include "framework/qt/cursor_state.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/gdi_objects.h"
#include "framework/qt/window.h"
#include "framework/wnd.h"

namespace {

constexpr UINT VK_F1 = 0x70;

// The virtual-key code of a key, for the keys somebody reads: letters and
// digits (the same codes on both sides), Enter, Escape, Space and F1.
// Others arrive as 0.
UINT VirtualKey(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return static_cast<UINT>(key);
  }
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_F1:
      return VK_F1;
    default:
      return 0;
  }
}

UINT MouseMessage(const QMouseEvent& event) {
  const bool press = event.type() == QEvent::MouseButtonPress;
  switch (event.button()) {
    case Qt::LeftButton:
      if (event.type() == QEvent::MouseButtonDblClick) return WM_LBUTTONDBLCLK;
      return press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case Qt::RightButton:
      return press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case Qt::MiddleButton:
      return press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default:
      return 0;
  }
}

// The message an input event is, for the window hwnd (at or above widget).
std::optional<MSG> Translate(HWND hwnd, QWidget* widget, QEvent* event) {
  MSG msg;
  msg.hwnd = hwnd;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool alt = key->modifiers() & Qt::AltModifier;
      const bool down = event->type() == QEvent::KeyPress;
      msg.message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
      msg.wParam = VirtualKey(key->key());
      msg.lParam = 1;
      return msg;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      msg.message = event->type() == QEvent::MouseMove ? WM_MOUSEMOVE : MouseMessage(*mouse);
      if (msg.message == 0) return std::nullopt;
      const QPoint local = widget->mapTo(hwnd->widget, mouse->position().toPoint());
      msg.lParam = MAKELPARAM(static_cast<WORD>(local.x()), static_cast<WORD>(local.y()));
      const QPoint global = mouse->globalPosition().toPoint();
      msg.pt = {global.x(), global.y()};
      return msg;
    }
    default:
      return std::nullopt;
  }
}

// Asks the window under the pointer for its cursor, as WM_SETCURSOR does.
void UpdateCursor(HWND hwnd) {
  CursorState::set = false;
  const LRESULT handled = SendMessage(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                                      MAKELPARAM(static_cast<WORD>(HTCLIENT), static_cast<WORD>(WM_MOUSEMOVE)));
  if (handled && CursorState::set) {
    HCURSOR cursor = CursorState::current;
    hwnd->widget->setCursor(cursor && cursor->cursor ? *cursor->cursor : QCursor(Qt::BlankCursor));
    hwnd->cursorOverridden = true;
    hwnd->cursorShown = cursor;
  } else if (hwnd->cursorOverridden) {
    hwnd->widget->unsetCursor();
    hwnd->cursorOverridden = false;
    hwnd->cursorShown = nullptr;
  }
}

bool PreTranslate(HWND hwnd, QWidget* widget, QEvent* event) {
  std::optional<MSG> msg = Translate(hwnd, widget, event);
  if (!msg) return false;
  if (msg->message == WM_MOUSEMOVE) UpdateCursor(hwnd);
  auto* dialog = WindowAs<DialogWindow>(hwnd->Dialog());
  if (framework_detail::WalkPreTranslateTree(dialog, &*msg)) return true;
  if (!dialog) return false;
  // Keys the window itself acts on: Alt+Space opens the system menu, F1 asks for help.
  if (msg->message == WM_SYSKEYDOWN && msg->wParam == VK_SPACE) {
    dialog->ShowSystemMenu(dialog->mapToGlobal(QPoint(0, 0)));
    return true;
  }
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1) {
    SendCommand(dialog, ID_HELP, 0, nullptr);
    return true;
  }
  return false;
}

}  // namespace

FrameworkApplication::FrameworkApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // Programs end when their InitInstance returns, not when a window closes.
  setQuitOnLastWindowClosed(false);
  // A font looked up before the configuration is read would read it again.
  FinishFontConfiguration();
  InstallFontSubstitutes();
  InstallAccessibleStatics();
}

bool FrameworkApplication::notify(QObject* receiver, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      if (receiver->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(receiver);
        HWND hwnd = HWND__::FromWidget(widget);
        if (hwnd && PreTranslate(hwnd, widget, event)) return true;
      }
      break;
    default:
      break;
  }
  return QApplication::notify(receiver, event);
}
