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
// Counted: launches of the main dialog, events sent, characters typed,
// texts of 10,000 characters or more handed to a field that takes input,
// pauses; events by kind and by the window in front, windows opened, and
// what the toolkit reported meanwhile, by message.
struct MonkeyRun {
  int launches = 0, sent = 0, typed = 0, longTexts = 0, pauses = 0, pausedMs = 0;
  std::map<std::string, int> byKind, byWindow, opened, warnings, criticals;
  // A window the monkey could not close the ordinary way, or modal windows
  // nesting without end.
  std::vector<std::string> faults;
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
