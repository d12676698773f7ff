#pragma once

#include <QTimer>
#include <QWidget>
#include <vector>

#include "framework/qt/window.h"

// A tooltip's window: never shown itself; it keeps the tools and shows the
// text of the tool the pointer rests in, learnt from relayed mouse messages.
class ToolTipWindow : public QWidget, public HWND__ {
 public:
  struct Tool {
    HWND window;
    UINT_PTR id;
    RECT rect;
    std::string text;
  };

  explicit ToolTipWindow(QWidget* owner);

  std::string Text() const override { return {}; }
  void SetText(const std::string&) override {}
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  void AddTool(Tool tool);
  Tool* FindTool(HWND window, UINT_PTR id);
  int ToolCount() const { return static_cast<int>(tools_.size()); }
  void UpdateText(HWND window, UINT_PTR id, const std::string& text);

 private:
  void Relay(const MSG& msg);
  void Show();
  void Hide();

  std::vector<Tool> tools_;
  int pending_ = -1;  // the tool the pointer rests in
  QPoint pointer_;
  QTimer delay_;
};
