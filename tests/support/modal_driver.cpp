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

// Runs step on what find finds, polling until it finds something.
void PollFor(std::function<QWidget*()> find, std::function<void(QWidget*)> step, const char* what,
             std::shared_ptr<QElapsedTimer> clock) {
  if (QWidget* found = find()) {
    step(found);
    return;
  }
  if (clock->elapsed() > kTimeoutMs) {
    ADD_FAILURE() << "no " << what << " appeared";
    return;
  }
  QTimer::singleShot(kPollMs, [find, step, what, clock] { PollFor(find, step, what, clock); });
}

void StartPolling(std::function<QWidget*()> find, std::function<void(QWidget*)> step, const char* what) {
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QTimer::singleShot(0, [find, step, what, clock] { PollFor(find, step, what, clock); });
}

}  // namespace

void OnNextModal(std::function<void(QWidget* window)> step) {
  QPointer<QWidget> before = QApplication::activeModalWidget();
  StartPolling(
      [before]() -> QWidget* {
        QWidget* now = QApplication::activeModalWidget();
        return now && now != before && now->isVisible() ? now : nullptr;
      },
      std::move(step), "modal window");
}

void OnNextPopupMenu(std::function<void(QMenu* menu)> step) {
  StartPolling(
      []() -> QWidget* {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu && menu->isVisible() ? menu : nullptr;
      },
      [step](QWidget* menu) { step(static_cast<QMenu*>(menu)); }, "popup menu");
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
