// The clipboard on Qt: the application's QClipboard, which hands the text to
// the desktop (X11 or Wayland) and keeps '\n' line ends, as Linux programs
// paste them.

#include <QClipboard>
#include <QGuiApplication>

#include "framework/internal/window_primitives.h"
#include "framework/qt/window.h"

namespace framework_detail {

bool DoCopyTextToClipboard(HWND, const std::string& text) {
  // Qt reports no failure of its own: only a program without its
  // application has no clipboard.
  if (!qGuiApp) return false;
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  return true;
}

}  // namespace framework_detail
