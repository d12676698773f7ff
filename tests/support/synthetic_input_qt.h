#pragma once
// Input as the window system hands it over: mouse and key events for a
// window, delivered through Qt's window-system layer (hit testing, popups,
// modal blocking, double-click detection) at once. Unlike QTest's helpers it
// never processes other events in between, so a caller that opens a modal
// window from an event is only re-entered by that window's own loop.

#include <QPointer>
#include <QString>
#include <QWindow>

class SyntheticInput {
 public:
  void Press(QWindow* window, QPoint at, Qt::MouseButton button);
  void Release(QWindow* window, QPoint at, Qt::MouseButton button);
  void Move(QWindow* window, QPoint at);
  void Click(QWindow* window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
  // Two clicks quickly enough to count as a double click.
  void DoubleClick(QWindow* window, QPoint at);

  // A key pressed and released, with the modifier keys held around it and
  // the text the keyboard layout gives for it.
  void Key(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {});
  // Each character of text as one key, the way a keyboard types it.
  void Type(QWindow* window, const QString& text);

 private:
  void Mouse(QWindow* window, QPoint at, Qt::MouseButton button, QEvent::Type type);
  void ModifierKeys(QWindow* window, Qt::KeyboardModifiers modifiers, bool press);

  // The window system's clock, in ms: advanced per event, and well past the
  // double-click interval after each click unless a double click is wanted.
  int timestamp_ = 0;
  Qt::MouseButtons buttons_;
};
