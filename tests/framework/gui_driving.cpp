#include "tests/framework/gui_driving.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "framework/qt/window.h"
#include "tests/support/modal_driver.h"

namespace {

constexpr int kPollMs = 5;

QPoint InWindow(QWidget* widget, QPoint pos) {
  if (pos.isNull()) pos = widget->rect().center();
  return widget->mapTo(widget->window(), pos);
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& step) {
  OnNextModal([&dialog, step](QWidget* window) {
    QPointer<QWidget> guard(window);
    // Keys go to the focus, which the window has once it is the active one.
    EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    step();
    if (guard && guard->isVisible() && dialog.m_hWnd) dialog.EndDialog(static_cast<int>(kLeftOpen));
  });
  return dialog.DoModal();
}

bool OpensPopup(const std::function<void()>& action) {
  bool opened = false;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&opened] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      opened = true;
      popup->close();
    }
  });
  closer.start(kPollMs);
  action();
  QTest::qWait(50);
  return opened;
}

void ClickAt(QWidget* widget, QPoint pos, Qt::MouseButton button) {
  QTest::mouseClick(widget->window()->windowHandle(), button, Qt::NoModifier, InWindow(widget, pos));
}

void DoubleClickAt(QWidget* widget, QPoint pos) {
  QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(widget, pos));
}

void MoveMouseTo(QWidget* widget, QPoint pos) {
  QTest::mouseMove(widget->window()->windowHandle(), InWindow(widget, pos));
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  // A window that comes back to the front (a nested dialog closed) takes
  // the focus again a moment later.
  if (!QTest::qWaitFor([] { return QApplication::focusWidget() || QApplication::activePopupWidget(); })) {
    ADD_FAILURE() << "no widget has the keyboard focus";
    return;
  }
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

int FocusedId() {
  HWND focus = HWND__::FromWidget(QApplication::focusWidget());
  return focus ? focus->id : 0;
}
