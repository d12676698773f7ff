// Link clicks with the real desktop services and a stub xdg-open first on a
// private PATH (all XDG folders private too, so nothing of the real desktop
// is read): one that hangs for a minute, one that opens at once, one that
// fails. The dialog must keep answering, a hung opener counts as started,
// and no click leaves a zombie behind.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/contact_dlg.h"
#include "res/contact_config.h"
#include "res/resource.h"
#include "tests/support/gui_driver.h"
#include "tests/support/modal_watchdog.h"
#include "tests/support/process_test_support.h"
#include "tests/support/queued_input.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using platform_test::ChildStates;
using platform_test::ScopedEnvironment;
using platform_test::TempFolder;
using platform_test::WaitForNoChildren;
using platform_test::WriteScript;

constexpr auto kAnswerLimit = 2000ms;
constexpr int kHungClicks = 3;  // each costs the opener's verdict wait, about a second
constexpr int kQuickClicks = 100;

enum class Opener { Hung, Quick, Failing };

// Whether pid is still a child of ours: a recorded PID may have been reused.
bool IsOurChild(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("PPid:")) return std::stol(line.substr(5)) == getpid();
  }
  return false;
}

// Whether the web link shows as followed: drawn in the followed colour.
bool WebLinkFollowed(const CWnd& contact) {
  const gui_test::Image image = gui_test::Grab(contact, IDC_WEB_LINK);
  return std::ranges::count(image.pixels, RGB(85, 26, 139)) > 0;
}

std::chrono::milliseconds Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
}

// The texts of the message boxes seen.
std::vector<std::string> Texts(const gui_test::MessageBoxAnswerer& boxes) {
  std::vector<std::string> texts;
  for (const gui_test::MessageBoxSeen& box : boxes.Seen()) texts.push_back(box.text);
  return texts;
}

class HungOpenerTest : public ::testing::Test {
 protected:
  HungOpenerTest() {
    // Only our own XDG variables, all naming private folders, and a
    // private home.
    for (char** entry = environ; *entry; ++entry) {
      const std::string variable(*entry);
      if (variable.starts_with("XDG_")) environment_.Set(variable.substr(0, variable.find('=')), std::nullopt);
    }
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CACHE_HOME",
                             "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
      const fs::path folder = folder_.path() / "xdg" / name;
      fs::create_directories(folder);
      fs::permissions(folder, fs::perms::owner_all);
      environment_.Set(name, folder.string());
    }
    environment_.Set("XDG_CURRENT_DESKTOP", "VortexTest");
    environment_.Set("HOME", folder_.path().string());
    fs::create_directories(Bin());
    environment_.Set("PATH", Bin().string());
    EXPECT_EQ(ChildStates(), std::vector<char>{}) << "children from before the test";
  }

  ~HungOpenerTest() override {
    EndSleepingOpeners();
    WaitForNoChildren(3s);
  }

  fs::path Bin() const { return folder_.path() / "bin"; }
  fs::path Log() const { return folder_.path() / "opened"; }
  fs::path Pids() const { return folder_.path() / "hung-pids"; }

  void InstallOpener(Opener opener) {
    const std::string record = "printf '%s\\n' \"$1\" >> '" + Log().string() + "'\n";
    switch (opener) {
      case Opener::Hung:
        WriteScript(Bin() / "xdg-open", "echo $$ >> '" + Pids().string() + "'\n" + record + "exec /bin/sleep 60\n");
        break;
      case Opener::Quick:
        WriteScript(Bin() / "xdg-open", record + "exit 0\n");
        break;
      case Opener::Failing:
        WriteScript(Bin() / "xdg-open", record + "exit 4\n");  // xdg-open: the action failed
        break;
    }
  }

  // The targets the openers were given, one per start.
  std::vector<std::string> Opened() const {
    std::ifstream in(Log());
    std::vector<std::string> targets;
    for (std::string line; std::getline(in, line);) targets.push_back(line);
    return targets;
  }

  // Hung openers still running as our children.
  std::vector<pid_t> SleepingOpeners() const {
    std::ifstream in(Pids());
    std::vector<pid_t> running;
    for (pid_t pid = 0; in >> pid;) {
      if (IsOurChild(pid)) running.push_back(pid);
    }
    return running;
  }

  void EndSleepingOpeners() {
    for (const pid_t pid : SleepingOpeners()) kill(pid, SIGKILL);
  }

  TempFolder folder_;
  ScopedEnvironment environment_;
  CContactDlg contact;
  gui_test::MessageBoxAnswerer boxes;
  const ModalWatchdog watchdog_{30s};
};

TEST_F(HungOpenerTest, AHungOpenerLeavesTheDialogAnsweringWithinTwoSecondsAndTheLinkFollowed) {
  InstallOpener(Opener::Hung);
  std::chrono::steady_clock::time_point clicked;
  std::chrono::milliseconds answeredAfter{-1};
  bool followedWhenAnswered = false;
  gui_test::RunSoon([&] {
    ASSERT_TRUE(gui_test::WaitFor([&] { return gui_test::IsOpen(contact) && gui_test::FocusedId() != 0; }));
    // The user clicks the link and goes on at once: a zero timer right
    // behind the click, then Escape.
    clicked = std::chrono::steady_clock::now();
    gui_test::PostClick(contact, IDC_WEB_LINK);
    gui_test::RunSoon([&] {
      answeredAfter = Since(clicked);
      followedWhenAnswered = WebLinkFollowed(contact);
    });
    gui_test::PostKey(gui_test::Key::Escape);
  });
  EXPECT_EQ(contact.DoModal(), IDCANCEL);
  const std::chrono::milliseconds closedAfter = Since(clicked);

  std::printf("[ opener   ] answered %lld ms and closed %lld ms after the click\n",
              static_cast<long long>(answeredAfter.count()), static_cast<long long>(closedAfter.count()));
  EXPECT_GE(answeredAfter.count(), 0) << "the timer never ran";
  EXPECT_LT(answeredAfter, kAnswerLimit);
  EXPECT_LT(closedAfter, kAnswerLimit) << "Escape behind the click";
  EXPECT_TRUE(followedWhenAnswered) << "an opener still running has started the target";
  EXPECT_EQ(Texts(boxes), std::vector<std::string>{});
  EXPECT_EQ(Opened(), std::vector<std::string>{contact_config::kWebAddress});
  EXPECT_EQ(SleepingOpeners().size(), 1u) << "the opener should still be hanging";
}

TEST_F(HungOpenerTest, AnOpenerThatFailsShowsWhyAndLeavesTheLinkUnfollowed) {
  InstallOpener(Opener::Failing);
  bool followed = true;
  gui_test::RunModal(contact, [&] {
    gui_test::Click(contact, IDC_WEB_LINK);
    followed = WebLinkFollowed(contact);
    gui_test::PressKey(gui_test::Key::Escape);
  });

  EXPECT_FALSE(followed);
  // With no browser registered in the private folders there is no fallback either.
  EXPECT_EQ(Texts(boxes), std::vector<std::string>{"Unable to open hyperlink:\n\n"
                                                  "There is no application associated\n"
                                                  "with the given filename extension."});
  EXPECT_EQ(Opened(), std::vector<std::string>{contact_config::kWebAddress});
}

TEST_F(HungOpenerTest, ManyClicksLeaveNoZombieOnceTheOpenersHaveEnded) {
  std::vector<char> statesAfterClicks;
  bool followed = false;
  gui_test::RunModal(contact, [&] {
    InstallOpener(Opener::Hung);
    for (int click = 0; click < kHungClicks; ++click) gui_test::Click(contact, IDC_WEB_LINK);
    InstallOpener(Opener::Quick);
    for (int click = 0; click < kQuickClicks; ++click) gui_test::Click(contact, IDC_WEB_LINK);
    statesAfterClicks = ChildStates();
    followed = WebLinkFollowed(contact);
    gui_test::PressKey(gui_test::Key::Escape);
  });

  EXPECT_TRUE(followed);
  EXPECT_EQ(Texts(boxes), std::vector<std::string>{});
  EXPECT_EQ(Opened().size(), static_cast<std::size_t>(kHungClicks + kQuickClicks));
  // The quick openers are collected as they end; only the hung ones run on.
  EXPECT_EQ(std::ranges::count(statesAfterClicks, 'Z'), 0);
  EXPECT_EQ(statesAfterClicks.size(), static_cast<std::size_t>(kHungClicks));
  EXPECT_EQ(SleepingOpeners().size(), static_cast<std::size_t>(kHungClicks));

  EndSleepingOpeners();
  const std::vector<char> left = WaitForNoChildren(3s);
  EXPECT_EQ(std::ranges::count(left, 'Z'), 0);
  EXPECT_EQ(left, std::vector<char>{});
}

}  // namespace
