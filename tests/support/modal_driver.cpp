#include "tests/support/modal_driver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "framework/qt/window.h"

namespace {

constexpr int kPollMs = 5;
constexpr qint64 kTimeoutMs = 5000;

void Poll(QPointer<QWidget> before, std::shared_ptr<QElapsedTimer> clock,
          std::function<void(QWidget*)> step) {
  QWidget* now = QApplication::activeModalWidget();
  if (now && now != before && now->isVisible()) {
    step(now);
    return;
  }
  if (clock->elapsed() > kTimeoutMs) {
    ADD_FAILURE() << "no modal window appeared";
    return;
  }
  QTimer::singleShot(kPollMs, [before, clock, step] { Poll(before, clock, step); });
}

}  // namespace

void OnNextModal(std::function<void(QWidget* window)> step) {
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QPointer<QWidget> before = QApplication::activeModalWidget();
  QTimer::singleShot(0, [before, clock, step] { Poll(before, clock, step); });
}

void AnswerNextMessageBox(MessageBoxSeen& seen) {
  OnNextModal([&seen](QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (!box) {
      ADD_FAILURE() << "expected a message box, got " << window->metaObject()->className();
      return;
    }
    seen = {box->windowTitle(), box->text(), box->icon()};
    box->button(QMessageBox::Ok)->click();
  });
}

QWidget* WidgetOf(const CWnd& wnd) { return wnd.m_hWnd ? wnd.m_hWnd->widget : nullptr; }

QWidget* ControlOf(const CWnd& dialog, int id) {
  HWND control = dialog.m_hWnd ? dialog.m_hWnd->Child(id) : nullptr;
  return control ? control->widget : nullptr;
}
