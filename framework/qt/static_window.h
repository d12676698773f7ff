#pragma once

#include <QWidget>

#include "framework/qt/window.h"
#include "framework/win_constants.h"

// A static text or icon, painted by the framework so that the parent (or
// the static's own wrapper, by reflection) can choose colour, font and
// background for each paint. With the notify style a click notifies the
// parent (STN_CLICKED), and the second click of a double click is a double
// click (STN_DBLCLK); without it the mouse passes through to the dialog.
// A static with the notify style is a link for the keyboard too: Tab
// reaches it and Space or Enter clicks it.
class StaticWindow : public QWidget, public HWND__ {
 public:
  StaticWindow(QWidget* parent, int id, DWORD style, DWORD exStyle, const std::string& text);

  std::string Text() const override { return text_; }
  void SetText(const std::string& newText) override;
  void ApplyStyle() override;
  // WM_PAINT that no wrapper drew: the text or icon, as a static draws it.
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  QSize sizeHint() const override;

  bool IsIcon() const;
  bool IsClickable() const;
  // What the static reads: its text without mnemonic markers.
  QString PlainText() const;
  void Click() { NotifyParent(STN_CLICKED); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Paint();
  void PaintText(QPainter& painter, HDC dc);

  std::string text_;
  HICON icon_ = nullptr;
};
