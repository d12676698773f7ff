#pragma once
// A guard for tests that run modal windows: once its time is up it fails the
// test and ends every modal window and menu still open, so that a scripted
// step that went wrong ends the test instead of leaving it waiting forever.
// Implemented for Qt only: the suites using it run on Linux.

#include <chrono>
#include <memory>

class ModalWatchdog {
 public:
  explicit ModalWatchdog(std::chrono::milliseconds limit);
  ~ModalWatchdog();
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

 private:
  struct Timer;
  std::unique_ptr<Timer> timer_;
};
