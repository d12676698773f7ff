#include "framework/qt/tooltip_window.h"

#include <QToolTip>

#include "framework/geometry.h"
#include "framework/qt/backend_constants.h"

namespace {

// How long the pointer rests before the tip shows, as classic tooltips wait.
constexpr int kInitialDelayMs = 500;

}  // namespace

ToolTipWindow::ToolTipWindow(QWidget* owner)
    : QWidget(owner), HWND__(this, 0, WS_POPUP, 0) {
  hide();
  delay_.setSingleShot(true);
  delay_.setInterval(kInitialDelayMs);
  connect(&delay_, &QTimer::timeout, this, [this] { Show(); });
}

LRESULT ToolTipWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TTM_RELAYEVENT) {
    if (const auto* msg = reinterpret_cast<const MSG*>(lParam)) Relay(*msg);
    return 0;
  }
  return HWND__::DefaultProc(message, wParam, lParam);
}

void ToolTipWindow::AddTool(Tool tool) { tools_.push_back(std::move(tool)); }

ToolTipWindow::Tool* ToolTipWindow::FindTool(HWND window, UINT_PTR toolId) {
  for (Tool& tool : tools_) {
    if (tool.window == window && tool.id == toolId) return &tool;
  }
  return nullptr;
}

void ToolTipWindow::UpdateText(HWND window, UINT_PTR toolId, const std::string& text) {
  Tool* tool = FindTool(window, toolId);
  if (!tool) return;
  tool->text = text;
  if (pending_ == static_cast<int>(tool - tools_.data()) && QToolTip::isVisible()) Show();
}

void ToolTipWindow::Relay(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE: {
      const POINT at{static_cast<short>(LOWORD(static_cast<std::uintptr_t>(msg.lParam))),
                     static_cast<short>(HIWORD(static_cast<std::uintptr_t>(msg.lParam)))};
      int under = -1;
      for (std::size_t i = 0; i < tools_.size() && under < 0; ++i) {
        const Tool& tool = tools_[i];
        if (tool.window == msg.hwnd && ToQRect(tool.rect).contains(at.x, at.y)) under = static_cast<int>(i);
      }
      if (under < 0) {
        Hide();
        return;
      }
      pointer_ = QPoint(msg.pt.x, msg.pt.y);
      if (under != pending_) {
        Hide();
        pending_ = under;
        delay_.start();
      }
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Hide();
      return;
    default:
      return;
  }
}

void ToolTipWindow::Show() {
  if (pending_ < 0) return;
  const Tool& tool = tools_[static_cast<std::size_t>(pending_)];
  QToolTip::showText(pointer_ + QPoint(0, 20), ToQString(tool.text), tool.window->widget, ToQRect(tool.rect));
}

void ToolTipWindow::Hide() {
  delay_.stop();
  if (pending_ >= 0) QToolTip::hideText();
  pending_ = -1;
}
