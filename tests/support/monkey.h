#pragma once
// A monkey: random user input for whatever window is in front (a dialog, a
// message box, a menu), one event per step with now and then a pause, until
// its events are spent; then it closes every window the ordinary way
// (Escape, Enter on a message box). Implemented for Qt only: the robustness
// suite runs on Linux.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// What a run of the monkey did, and what went wrong beyond a crash.
struct MonkeyRun {
  int launches = 0;  // of the main dialog
  int sent = 0;      // events
  int typed = 0;     // characters
  // Texts of 10,000 characters or more handed to a field that takes input.
  int longTexts = 0;
  int pauses = 0;
  int pausedMs = 0;
  std::map<std::string, int> byKind;
  std::map<std::string, int> byWindow;  // the window in front
  std::map<std::string, int> opened;
  // A window the monkey could not close the ordinary way, or modal windows
  // nesting without end.
  std::vector<std::string> faults;
  // What the toolkit reported meanwhile, by message.
  std::map<std::string, int> warnings;
  std::map<std::string, int> criticals;
};

// Sends events drawn from seed to whatever launch opens, launching it again
// each time the main dialog it runs has ended, until the events are spent
// and the monkey has closed it; then runs what the last window left for the
// event loop.
MonkeyRun RunMonkey(std::uint64_t seed, int events, const std::function<void()>& launch);

// The windows still showing, and the one in front (a menu, else a modal
// window; "" for none), named as the user would call them.
std::vector<std::string> VisibleWindows();
std::string WindowInFront();
