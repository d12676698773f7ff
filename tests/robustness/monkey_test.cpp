// The monkey test: thousands of random user events on the real program,
// the main dialog launched again each time it ends, with links that open or
// fail at random. Afterwards nothing may be left open and the program must
// still calculate.
//
// The seed is fixed unless VORTEX_MONKEY_SEED gives one, so that the test
// suite's runs repeat each other; VORTEX_MONKEY_SEED=random explores a new
// stream (the seed is printed first, for replaying it). VORTEX_MONKEY_EVENTS
// sets how many events it sends (10000 by default).

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "app/vortex_app.h"
#include "framework/win_app.h"
#include "res/resource.h"
#include "tests/robustness/chance_services.h"
#include "tests/support/gui_driver.h"
#include "tests/support/modal_watchdog.h"
#include "tests/support/monkey.h"

namespace {

using namespace std::chrono_literals;

constexpr int kDefaultEvents = 10'000;
constexpr std::uint64_t kDefaultSeed = 20261208;

std::uint64_t SeedFromEnvironment() {
  const char* text = std::getenv("VORTEX_MONKEY_SEED");
  if (!text || !*text) return kDefaultSeed;
  if (std::string(text) != "random") return std::strtoull(text, nullptr, 10);
  std::random_device entropy;
  return (static_cast<std::uint64_t>(entropy()) << 32) | entropy();
}

int EventsFromEnvironment() {
  const char* text = std::getenv("VORTEX_MONKEY_EVENTS");
  return text && *text ? std::atoi(text) : kDefaultEvents;
}

// What the program's main() does once: its application runs the main dialog.
void Launch() {
  CWinApp* app = AfxGetApp();
  app->InitInstance();
  app->m_pMainWnd = nullptr;  // the dialog it pointed to is gone
}

// Launches the program again and works the calculator's example the
// ordinary way: the diameter for a Strouhal number of 0.2, 10 vortices a
// second and 5 m/s. Returns the result it shows.
std::string CalculateInFreshLaunch() {
  using namespace gui_test;
  std::string result = "(no result shown)";
  OnNextDialog([&result](CWnd& mainDialog) {
    OnNextDialog([&result](CWnd& calculator) {
      ClickRow(calculator, IDC_ANALYSIS_LIST, 2);
      ClickRow(calculator, IDC_UNITS_LIST, 1);
      TypeInto(calculator, IDC_SLOT_INPUT1, "0.2");
      TypeInto(calculator, IDC_SLOT_INPUT2, "10");
      TypeInto(calculator, IDC_SLOT_INPUT3, "5");
      Click(calculator, IDOK);
      if (IsControlVisible(calculator, IDC_RESULT_VALUE)) result = ControlText(calculator, IDC_RESULT_VALUE);
      PressKey(Key::Escape);
    });
    ClickRow(mainDialog, IDC_ANALYSIS_SELECT, 0);
    PressKey(Key::Escape);
  });
  Launch();
  return result;
}

void PrintCounts(const char* heading, const std::map<std::string, int>& counts) {
  std::printf("[ monkey   ] %s:\n", heading);
  for (const auto& [name, count] : counts) std::printf("[ monkey   ]   %7d  %s\n", count, name.c_str());
}

void PrintReport(const MonkeyRun& run, const ChanceServices& services, long long elapsedMs) {
  std::printf("[ monkey   ] %d events (%d characters typed) in %lld ms over %d launches of the main dialog\n",
              run.sent, run.typed, elapsedMs, run.launches);
  std::printf("[ monkey   ] %d texts of 10,000+ characters pasted or committed into an input field\n",
              run.longTexts);
  std::printf("[ monkey   ] %d pauses between events, %d ms in all\n", run.pauses, run.pausedMs);
  PrintCounts("events by kind", run.byKind);
  PrintCounts("events by window in front", run.byWindow);
  PrintCounts("windows opened", run.opened);
  std::printf("[ monkey   ] link opens: %d succeeded, %d failed (shell and browser fallback)\n", services.Opened(),
              services.Failed());
  PrintCounts("toolkit warnings", run.warnings);
}

TEST(MonkeyTest, RandomEventsEverywhereLeaveNothingOpenAndTheProgramStillCalculates) {
  const std::uint64_t seed = SeedFromEnvironment();
  const int events = EventsFromEnvironment();
  std::printf("[ monkey   ] seed %llu, %d events; replay with VORTEX_MONKEY_SEED=%llu VORTEX_MONKEY_EVENTS=%d\n",
              static_cast<unsigned long long>(seed), events, static_cast<unsigned long long>(seed), events);
  std::fflush(stdout);
  RecordProperty("seed", std::to_string(seed));
  SCOPED_TRACE("monkey seed " + std::to_string(seed));
  ASSERT_TRUE(dynamic_cast<CVortexApp*>(AfxGetApp())) << "the program's own application object";

  ChanceServices services(seed + 1);  // a stream of its own
  const auto start = std::chrono::steady_clock::now();
  const MonkeyRun run = RunMonkey(seed, events, Launch);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  PrintReport(run, services, std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());

  EXPECT_GE(run.sent, events);
  EXPECT_EQ(run.faults, std::vector<std::string>{});
  EXPECT_EQ(WindowInFront(), "");
  EXPECT_EQ(VisibleWindows(), std::vector<std::string>{});
  EXPECT_EQ(run.criticals, (std::map<std::string, int>{}));

  const ModalWatchdog watchdog(20s);
  EXPECT_EQ(CalculateInFreshLaunch(), "         0.1");
  EXPECT_EQ(VisibleWindows(), std::vector<std::string>{});
}

}  // namespace
