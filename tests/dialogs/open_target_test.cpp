// Opening a link target with the desktop's services scripted: the shell
// first, then the registered web browser's command line, and the message a
// failure shows.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/win_app.h"
#include "linklabel/open_target.h"
#include "tests/support/gui_driver.h"
#include "tests/support/scripted_services.h"

namespace {

constexpr int kShow = 5;
constexpr const char* kWebTarget = "https://www.example.org/";
constexpr const char* kClassKey = ".htm";
constexpr const char* kCommandKey = "htmlfile\\shell\\open\\command";
// The longest value the 260-byte registry buffer holds.
constexpr std::size_t kLongestValue = 259;

class OpenTargetTest : public ::testing::Test {
 protected:
  OpenTargetTest() { services.shellResult = 31; }

  void RegisterBrowser(const std::string& command) {
    services.registry[kClassKey] = "htmlfile";
    services.registry[kCommandKey] = command;
  }
  // The command line started for target, or "" when nothing was started.
  std::string StartedFor(const char* target) {
    services.startCalls.clear();
    const int result = OpenTarget(target, kShow);
    if (services.startCalls.empty()) return {};
    EXPECT_EQ(result, services.startResult);
    return services.startCalls.back().commandLine;
  }

  ScriptedServices services;
};

TEST_F(OpenTargetTest, TheShellsSuccessIsReturnedWithoutAFallback) {
  RegisterBrowser("browser %1");
  // Above 32 as an unsigned number: a negative code counts as the shell's success too.
  for (const platform::ResultCode code : {33, 42, -1}) {
    services.shellResult = code;
    EXPECT_EQ(OpenTarget(kWebTarget, kShow), code);
  }
  ASSERT_EQ(services.shellCalls.size(), 3u);
  EXPECT_EQ(services.shellCalls[0].verb, "open");
  EXPECT_EQ(services.shellCalls[0].target, kWebTarget);
  EXPECT_EQ(services.shellCalls[0].showCommand, kShow);
  EXPECT_TRUE(services.keyOpens.empty());
  EXPECT_TRUE(services.startCalls.empty());

  services.shellResult = 32;
  OpenTarget(kWebTarget, kShow);
  EXPECT_EQ(services.startCalls.size(), 1u) << "32 is a failure: the fallback runs";
}

TEST_F(OpenTargetTest, WithoutABrowserCommandTheShellsCodeIsReturned) {
  services.shellResult = 31;
  EXPECT_EQ(OpenTarget(kWebTarget, kShow), 31);
  ASSERT_EQ(services.keyOpens.size(), 1u);
  EXPECT_EQ(services.keyOpens[0].subKey, kClassKey);
  EXPECT_EQ(services.keyOpens[0].root, platform::kClassesRoot);
  EXPECT_EQ(services.keyOpens[0].access, platform::kKeyQueryValue);

  services.registry[kClassKey] = "htmlfile";  // a class, but no open command
  services.shellResult = 2;
  EXPECT_EQ(OpenTarget(kWebTarget, kShow), 2);
  ASSERT_EQ(services.keyOpens.size(), 3u);
  EXPECT_EQ(services.keyOpens[2].subKey, kCommandKey);
  EXPECT_EQ(services.keyOpens[2].access, platform::kKeyQueryValue);
  EXPECT_TRUE(services.startCalls.empty());
  EXPECT_EQ(services.KeysLeftOpen(), 0);
}

TEST_F(OpenTargetTest, TheRegisteredCommandIsStartedAndItsCodeReturned) {
  RegisterBrowser("\"C:\\Program Files\\Browser\\browser.exe\" -nohome \"%1\"");
  for (const platform::ResultCode code : {42, 2}) {
    services.startResult = code;
    EXPECT_EQ(OpenTarget(kWebTarget, kShow), code);
  }
  ASSERT_EQ(services.startCalls.size(), 2u);
  const std::string prefix = "\"C:\\Program Files\\Browser\\browser.exe\" -nohome  ";
  EXPECT_EQ(services.startCalls[0].commandLine, prefix + kWebTarget);
  EXPECT_EQ(services.startCalls[0].targetOffset, prefix.size());
  EXPECT_EQ(services.startCalls[0].showCommand, kShow);
  EXPECT_EQ(services.KeysLeftOpen(), 0);
}

TEST_F(OpenTargetTest, TheCommandIsCutAtItsFirstPlaceholderQuotedOnesFirst) {
  struct Case {
    const char* command;
    const char* started;  // for kWebTarget
  };
  const Case cases[] = {
      {"browser %1", "browser  https://www.example.org/"},
      {"browser --new-window", "browser --new-window https://www.example.org/"},
      {"browser --remote=%1 \"%1\"", "browser --remote=%1  https://www.example.org/"},
      {"browser \"%1\" --then %1", "browser  https://www.example.org/"},
      {"browser%1", "browser https://www.example.org/"},
  };
  for (const Case& c : cases) {
    RegisterBrowser(c.command);
    EXPECT_EQ(StartedFor(kWebTarget), c.started) << c.command;
  }
}

TEST_F(OpenTargetTest, AMailtoTargetTakesTheSameFallback) {
  RegisterBrowser("browser %1");
  EXPECT_EQ(StartedFor("mailto:someone@example.org"), "browser  mailto:someone@example.org");
  EXPECT_EQ(services.shellCalls.back().target, "mailto:someone@example.org");
}

TEST_F(OpenTargetTest, TheTargetIsHandedOverAsOneUnchangedArgument) {
  RegisterBrowser("browser \"%1\"");
  const char* targets[] = {
      "https://example.org/a b?x=1&y=2#top",
      "mailto:someone@example.org?subject=\"hi\" 'there'",
      "a;/usr/bin/touch PWNED;b",
      "$(/usr/bin/touch PWNED)",
      "`id` %1 \"%1\"",
      "-option-looking",
  };
  for (const char* target : targets) {
    ASSERT_FALSE(StartedFor(target).empty()) << target;
    const ScriptedServices::StartCall& call = services.startCalls.back();
    ASSERT_LT(call.targetOffset, call.commandLine.size()) << target;
    EXPECT_EQ(call.commandLine.substr(0, call.targetOffset), "browser  ") << target;
    EXPECT_EQ(call.commandLine.substr(call.targetOffset), target);
    EXPECT_EQ(services.shellCalls.back().target, target);
  }
}

TEST_F(OpenTargetTest, RegistryValuesTooLongForTheBufferStartNothing) {
  services.shellResult = 31;
  // A command too long to read: there is nothing to start.
  RegisterBrowser("browser " + std::string(400, 'a') + " %1");
  EXPECT_EQ(OpenTarget(kWebTarget, kShow), 31);
  EXPECT_TRUE(services.startCalls.empty());

  // A class name too long to read: no command is looked up under it.
  services.registry[kClassKey] = std::string(300, 'c');
  EXPECT_EQ(OpenTarget(kWebTarget, kShow), 31);
  EXPECT_TRUE(services.startCalls.empty());
  EXPECT_EQ(services.KeysLeftOpen(), 0);

  // The longest value that fits still works.
  std::string longest(kLongestValue - 4, 'b');
  longest += "\"%1\"";
  RegisterBrowser(longest);
  EXPECT_EQ(StartedFor(kWebTarget), std::string(kLongestValue - 4, 'b') + " " + kWebTarget);
}

TEST_F(OpenTargetTest, TargetsTooLongForTheCommandLineFailWithTheShellsCode) {
  services.shellResult = 2;
  RegisterBrowser("browser %1");
  // "browser " + " " + target + terminator in 520 bytes: 510 characters fit.
  const std::string fits(510, 't');
  EXPECT_EQ(StartedFor(fits.c_str()), "browser  " + fits);

  for (const std::size_t length : {511u, 520u, 100000u}) {
    const std::string tooLong(length, 't');
    EXPECT_EQ(OpenTarget(tooLong.c_str(), kShow), 2) << length;
  }
  EXPECT_EQ(services.startCalls.size(), 1u);
}

TEST(ReadClassesRootDefaultTest, ReadsTheDefaultValueIntoTheBufferThatNamedTheKey) {
  ScriptedServices services;
  services.registry[kCommandKey] = "browser \"%1\"";
  char buffer[260];
  std::strcpy(buffer, kCommandKey);
  EXPECT_EQ(ReadClassesRootDefault(platform::kClassesRoot, buffer, buffer), platform::kRegSuccess);
  EXPECT_STREQ(buffer, "browser \"%1\"");
  ASSERT_EQ(services.keyOpens.size(), 1u);
  EXPECT_EQ(services.keyOpens[0].access, platform::kKeyQueryValue);
  EXPECT_EQ(services.KeysLeftOpen(), 0);

  const std::string longest(kLongestValue, 'v');
  services.registry[kClassKey] = longest;
  EXPECT_EQ(ReadClassesRootDefault(platform::kClassesRoot, kClassKey, buffer), platform::kRegSuccess);
  EXPECT_EQ(buffer, longest);
}

TEST(ReadClassesRootDefaultTest, AKeyThatDoesNotOpenLeavesTheBufferUntouched) {
  ScriptedServices services;
  char buffer[260] = "untouched";
  EXPECT_EQ(ReadClassesRootDefault(platform::kClassesRoot, ".nothing", buffer),
            platform::kRegFileNotFound);
  EXPECT_STREQ(buffer, "untouched");
}

TEST(ReadClassesRootDefaultTest, AValueTooLongNeverWritesPastTheBuffer) {
  ScriptedServices services;
  services.registry[kClassKey] = std::string(1000, 'v');
  struct {
    char buffer[260];
    char guard[64];
  } memory;
  std::memset(&memory, '#', sizeof memory);
  // The key opened, so the lookup reports success; what it read is unusable.
  EXPECT_EQ(ReadClassesRootDefault(platform::kClassesRoot, kClassKey, memory.buffer),
            platform::kRegSuccess);
  EXPECT_NE(std::memchr(memory.buffer, '\0', sizeof memory.buffer), nullptr) << "not terminated";
  EXPECT_EQ(std::string(memory.guard, sizeof memory.guard), std::string(sizeof memory.guard, '#'));
  EXPECT_EQ(services.KeysLeftOpen(), 0);
}

TEST(ShowOpenFailureTest, ExplainsTheCodeInAnExclamationBox) {
  struct Case {
    int code;
    const char* reason;
  };
  const Case cases[] = {
      {2, "The specified file was not found."},
      {0, "The operating system is out\nof memory or resources."},
      {26, "A sharing violation occurred. "},
      {31, "There is no application associated\nwith the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
      {4, "The program registered for web pages\nneeds administrator rights to start."},
      {1, "The program registered for web pages\ncould not be started."},
      {6, "Unknown Error (6) occurred."},
      {33, "Unknown Error (33) occurred."},
      {-2, "Unknown Error (-2) occurred."},
  };
  gui_test::MessageBoxAnswerer boxes;
  for (const Case& c : cases) {
    boxes.Forget();
    ShowOpenFailure(c.code);
    const gui_test::MessageBoxSeen expected{"vortex_dialogs_tests", std::string("Unable to open hyperlink:\n\n") + c.reason,
                                            gui_test::MessageIcon::Exclamation};
    EXPECT_EQ(boxes.Seen(), std::vector<gui_test::MessageBoxSeen>{expected}) << c.code;
  }
}

}  // namespace
