#include "tests/support/synthetic_input_qt.h"

#include <QTest>
#include <array>
#include <utility>

namespace {

constexpr int kPastDoubleClickMs = 2000;

// The key a keyboard reports for a typed character: the upper-case code
// point (as X11 key symbols map), or none for characters beyond one UTF-16
// unit.
int KeyFor(QChar character) {
  if (character.isSurrogate()) return Qt::Key_unknown;
  return static_cast<int>(character.toUpper().unicode());
}

}  // namespace

void SyntheticInput::Mouse(QWindow* window, QPoint at, Qt::MouseButton button, QEvent::Type type) {
  if (!window) return;
  ++timestamp_;
  qt_handleMouseEvent(window, at, window->mapToGlobal(at), buttons_, button, type, Qt::NoModifier, timestamp_);
}

void SyntheticInput::Press(QWindow* window, QPoint at, Qt::MouseButton button) {
  buttons_ |= button;
  Mouse(window, at, button, QEvent::MouseButtonPress);
}

void SyntheticInput::Release(QWindow* window, QPoint at, Qt::MouseButton button) {
  buttons_ &= ~Qt::MouseButtons(button);
  Mouse(window, at, button, QEvent::MouseButtonRelease);
}

void SyntheticInput::Move(QWindow* window, QPoint at) { Mouse(window, at, Qt::NoButton, QEvent::MouseMove); }

void SyntheticInput::Click(QWindow* window, QPoint at, Qt::MouseButton button) {
  // The press may open a modal window that closes this one before it returns.
  const QPointer<QWindow> target(window);
  Press(target, at, button);
  Release(target, at, button);
  timestamp_ += kPastDoubleClickMs;
}

void SyntheticInput::DoubleClick(QWindow* window, QPoint at) {
  const QPointer<QWindow> target(window);
  Press(target, at, Qt::LeftButton);
  Release(target, at, Qt::LeftButton);
  Press(target, at, Qt::LeftButton);
  Release(target, at, Qt::LeftButton);
  timestamp_ += kPastDoubleClickMs;
}

void SyntheticInput::ModifierKeys(QWindow* window, Qt::KeyboardModifiers modifiers, bool press) {
  static constexpr std::array<std::pair<Qt::KeyboardModifier, Qt::Key>, 3> kModifierKeys{
      {{Qt::ShiftModifier, Qt::Key_Shift}, {Qt::ControlModifier, Qt::Key_Control}, {Qt::AltModifier, Qt::Key_Alt}}};
  for (const auto& [modifier, key] : kModifierKeys) {
    if (!(modifiers & modifier) || !window) continue;
    qt_handleKeyEvent(window, press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers);
  }
}

void SyntheticInput::Key(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
  // A key may open a modal window (or a menu) that ends this one meanwhile.
  const QPointer<QWindow> target(window);
  ModifierKeys(target, modifiers, true);
  if (target) qt_handleKeyEvent(target, QEvent::KeyPress, key, modifiers, text);
  if (target) qt_handleKeyEvent(target, QEvent::KeyRelease, key, modifiers, text);
  ModifierKeys(target, modifiers, false);
}

void SyntheticInput::Type(QWindow* window, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A pair of surrogates is one character, typed as one key.
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
    Key(window, static_cast<Qt::Key>(KeyFor(text[i])), {}, text.mid(i, length));
    i += length - 1;
  }
}
