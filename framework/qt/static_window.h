#pragma once

#include <QWidget>

#include "framework/qt/window.h"

// A static text or icon, painted by the framework so that the parent (or
// the static's own wrapper, by reflection) can choose colour, font and
// background for each paint. With the notify style a click notifies the
// parent (STN_CLICKED), and the second click of a double click is a double
// click (STN_DBLCLK); without it the mouse passes through to the dialog.
class StaticWindow : public QWidget, public HWND__ {
 public:
  StaticWindow(QWidget* parent, int id, DWORD style, DWORD exStyle, const std::string& text);

  std::string Text() const override { return text_; }
  void SetText(const std::string& newText) override;
  void ApplyStyle() override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool IsIcon() const;
  void PaintText(QPainter& painter, HDC dc);

  std::string text_;
  HICON icon_ = nullptr;
};
