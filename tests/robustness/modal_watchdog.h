#pragma once
// A guard for tests that run modal windows: once its time is up it fails the
// test and ends every modal window and menu still open, so that a scripted
// step that went wrong ends the test instead of leaving it waiting forever.

#include <QTimer>
#include <chrono>

class ModalWatchdog {
 public:
  explicit ModalWatchdog(std::chrono::milliseconds limit);
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

 private:
  QTimer timer_;
};
