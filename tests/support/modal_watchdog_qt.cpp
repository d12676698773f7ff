#include "tests/support/modal_watchdog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {

// More than can ever be open at once; a bound, so a window that refuses to
// close cannot keep the watchdog itself looping.
constexpr int kMostWindows = 20;

}  // namespace

struct ModalWatchdog::Timer : QTimer {};

ModalWatchdog::ModalWatchdog(std::chrono::milliseconds limit) : timer_(std::make_unique<Timer>()) {
  timer_->setSingleShot(true);
  QObject::connect(timer_.get(), &QTimer::timeout, [] {
    for (int closed = 0; closed < kMostWindows; ++closed) {
      QWidget* open = QApplication::activePopupWidget();
      if (!open) open = QApplication::activeModalWidget();
      if (!open) return;
      ADD_FAILURE() << "still open when the watchdog ran out: " << open->windowTitle().toStdString() << " ("
                    << open->metaObject()->className() << ")";
      if (auto* dialog = qobject_cast<QDialog*>(open)) {
        dialog->reject();
      } else {
        open->close();
      }
    }
  });
  timer_->start(limit);
}

ModalWatchdog::~ModalWatchdog() = default;
