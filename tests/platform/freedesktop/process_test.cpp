// Shell open and command start with real processes: stub programs on a
// temporary PATH record the arguments they receive.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>

#include "platform/freedesktop/desktop_services.h"
#include "platform/services.h"
#include "tests/support/process_test_support.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using platform_test::ChildStates;
using platform_test::ReadRecords;
using platform_test::ScopedEnvironment;
using platform_test::TempFolder;
using platform_test::WaitForNoChildren;
using platform_test::WriteFile;
using platform_test::WriteScript;
using Words = std::vector<std::string>;

constexpr int kShow = 5;

// Targets a shell, an option parser or a word splitter would misread.
const Words kUnsafeTargets{
    "https://example.org/a b?x=1&y=2#top",
    "mailto:someone@example.org?subject=\"hi\" 'there'",
    "a;/usr/bin/touch PWNED;b",
    "$(/usr/bin/touch PWNED)",
    "`/usr/bin/touch PWNED`",
    "line one\nline two",
    "tab\there \\ back\\slash",
    "*",
    "%1 \"%1\"",
};

class ProcessTest : public ::testing::Test {
 protected:
  ProcessTest() {
    fs::create_directories(bin());
    environment_.Set("PATH", bin().string());
    fs::current_path(folder_.path());  // where a misread target would create PWNED
  }
  ~ProcessTest() override {
    fs::current_path(fs::temp_directory_path());
    EXPECT_TRUE(WaitForNoChildren(3s).empty()) << "children left behind";
  }

  fs::path bin() const { return folder_.path() / "bin"; }
  fs::path record() const { return folder_.path() / "record"; }

  // A program on PATH that records its arguments (not its name) and exits with exitCode.
  void WriteRecorder(const std::string& name, int exitCode) {
    WriteScript(bin() / name, "printf '%s\\0' \"$@\" > '" + record().string() + "'\nexit " +
                                  std::to_string(exitCode) + "\n");
  }
  ResultCode Open(const char* target) { return System().ShellExecuteA("open", target, kShow); }
  ResultCode Start(const std::string& command, const std::string& target) {
    const std::string line = command + target;
    return System().WinExec(line.c_str(), command.size(), kShow);
  }
  // The started program's arguments, once it has ended.
  Words StartedWith() {
    EXPECT_TRUE(WaitForNoChildren(3s).empty());
    return ReadRecords(record());
  }

  TempFolder folder_;
  ScopedEnvironment environment_;
};

TEST_F(ProcessTest, ShellOpenHandsTheTargetToXdgOpenAsOneArgument) {
  WriteRecorder("xdg-open", 0);
  for (const std::string& target : kUnsafeTargets) {
    EXPECT_GT(Open(target.c_str()), 32) << target;
    EXPECT_EQ(ReadRecords(record()), Words{target});
  }
  EXPECT_FALSE(fs::exists(folder_.path() / "PWNED"));
}

TEST_F(ProcessTest, ShellOpenMapsTheOpenersVerdict) {
  const std::vector<std::pair<int, ResultCode>> exitToCode{{0, 33}, {1, 27}, {2, 2},
                                                           {3, 31}, {4, 31}, {77, 31}};
  for (const auto& [exitCode, code] : exitToCode) {
    WriteRecorder("xdg-open", exitCode);
    EXPECT_EQ(Open("https://example.org/"), code) << "exit " << exitCode;
  }
  WriteScript(bin() / "xdg-open", "kill -KILL $$\n");
  EXPECT_EQ(Open("https://example.org/"), 31);
}

TEST_F(ProcessTest, ShellOpenReportsAnOpenerThatCannotStart) {
  EXPECT_EQ(Open("https://example.org/"), 2);  // none on PATH
  WriteFile(bin() / "xdg-open", "#!/bin/sh\nexit 0\n");
  fs::permissions(bin() / "xdg-open", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Open("https://example.org/"), 5);
  WriteFile(bin() / "xdg-open", std::string("\x7f"
                                            "ELF\x01\x02junk\0\0\xff",
                                            13));
  fs::permissions(bin() / "xdg-open", fs::perms::owner_all);
  EXPECT_EQ(Open("https://example.org/"), 11);
}

TEST_F(ProcessTest, ShellOpenRefusesWithoutStartingAnything) {
  WriteRecorder("xdg-open", 0);
  EXPECT_EQ(Open("-e"), 5);
  EXPECT_EQ(Open("--help"), 5);
  EXPECT_EQ(Open(""), 2);
  EXPECT_EQ(Open(nullptr), 2);
  EXPECT_EQ(System().ShellExecuteA("print", "https://example.org/", kShow), 31);
  EXPECT_FALSE(fs::exists(record()));
  EXPECT_GT(System().ShellExecuteA(nullptr, "https://example.org/", kShow), 32);
  EXPECT_GT(System().ShellExecuteA("OPEN", "https://example.org/", kShow), 32);
}

TEST_F(ProcessTest, HungOpenerCountsAsStartedAndIsReapedLater) {
  WriteScript(bin() / "xdg-open", "exec /bin/sleep 1.4\n");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Open("https://example.org/"), 33);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 900ms);
  EXPECT_LE(waited, 1500ms);
  const std::vector<char> running = ChildStates();
  EXPECT_EQ(running.size(), 1u);
  EXPECT_EQ(std::ranges::count(running, 'Z'), 0);
  EXPECT_TRUE(WaitForNoChildren(3s).empty());
}

TEST_F(ProcessTest, CommandStartAppendsTheTargetAsExactlyOneArgument) {
  WriteRecorder("browser", 0);
  for (const std::string& target : kUnsafeTargets) {
    EXPECT_EQ(Start("browser --new \"two words\" \"\" ", target), 33) << target;
    EXPECT_EQ(StartedWith(), (Words{"--new", "two words", "", target}));
  }
  EXPECT_EQ(Start("\"" + (bin() / "browser").string() + "\"  ", ""), 33);
  EXPECT_EQ(StartedWith(), Words{""});
  EXPECT_FALSE(fs::exists(folder_.path() / "PWNED"));
}

// As the link code does it: the registry's command, cut at its placeholder,
// a space and the target.
TEST_F(ProcessTest, ARegisteredCommandStartsWithItsOwnWords) {
  environment_.Set("XDG_DATA_HOME", (folder_.path() / "data").string());
  environment_.Set("XDG_DATA_DIRS", (folder_.path() / "none").string());
  WriteFile(folder_.path() / "data/applications/web.desktop",
            "[Desktop Entry]\nExec=browser --url=%u \"--profile=a b\"\n");
  WriteRecorder("browser", 0);
  RegKey key = 0;
  ASSERT_EQ(System().RegOpenKeyExA(kClassesRoot, "web.desktop\\shell\\open\\command",
                                   kKeyQueryValue, &key),
            kRegSuccess);
  char value[260];
  long size = sizeof value;
  ASSERT_EQ(System().RegQueryValueA(key, value, &size), kRegSuccess);
  EXPECT_EQ(System().RegCloseKey(key), kRegSuccess);
  const std::string command(value);
  const std::string cut = command.substr(0, command.find(kTargetPlaceholder)) + " ";
  for (const std::string& target : kUnsafeTargets) {
    EXPECT_EQ(Start(cut, target), 33) << target;
    EXPECT_EQ(StartedWith(), (Words{"--url=" + target, "--profile=a b"}));
  }
}

TEST_F(ProcessTest, CommandStartRefusesWhatItCannotStartSafely) {
  WriteRecorder("browser", 0);
  EXPECT_EQ(Start("browser ", "-rf"), 5);
  EXPECT_EQ(Start("browser ", "--remote-debugging-port=1"), 5);
  EXPECT_EQ(Start("", "https://example.org/"), 2);
  EXPECT_EQ(Start(" \t ", "https://example.org/"), 2);
  EXPECT_EQ(Start("\"browser ", "https://example.org/"), 2);
  EXPECT_EQ(System().WinExec("browser x", 10, kShow), 2);
  EXPECT_EQ(System().WinExec(nullptr, 0, kShow), 2);
  EXPECT_FALSE(fs::exists(record()));
}

TEST_F(ProcessTest, CommandStartReportsWhyAProgramCannotStart) {
  WriteFile(bin() / "plain-file", "not a program\n");
  WriteFile(bin() / "junk", std::string("\x01\x02\x03junk\0\xff", 9));
  fs::permissions(bin() / "junk", fs::perms::owner_all);
  EXPECT_EQ(Start("missing ", "x"), 2);
  EXPECT_EQ(Start((bin() / "plain-file/sub ").string(), "x"), 3);
  EXPECT_EQ(Start("plain-file ", "x"), 5);
  EXPECT_EQ(Start("junk ", "x"), 11);
}

TEST_F(ProcessTest, ManyStartsLeaveNoZombie) {
  WriteScript(bin() / "quick", "exit 0\n");
  WriteScript(bin() / "xdg-open", "exit 0\n");
  for (int i = 0; i < 100; ++i) ASSERT_EQ(Start("quick ", "https://example.org/"), 33);
  for (int i = 0; i < 10; ++i) ASSERT_EQ(Open("https://example.org/"), 33);
  const std::vector<char> left = WaitForNoChildren(5s);
  EXPECT_EQ(std::ranges::count(left, 'Z'), 0);
  EXPECT_TRUE(left.empty());
}

class FixedAnswerServices final : public Services {
 public:
  ResultCode ShellExecuteA(const char*, const char*, int) override { return 42; }
  RegError RegOpenKeyExA(RegKey, const char*, unsigned long, RegKey*) override { return kRegSuccess; }
  RegError RegQueryValueA(RegKey, char*, long*) override { return kRegSuccess; }
  RegError RegCloseKey(RegKey) override { return kRegSuccess; }
  ResultCode WinExec(const char*, std::size_t, int) override { return 43; }
};

TEST(Services, InstalledServicesReplaceTheDesktopsUntilRemoved) {
  EXPECT_NE(dynamic_cast<DesktopServices*>(&System()), nullptr);
  FixedAnswerServices replacement;
  InstallServices(&replacement);
  EXPECT_EQ(&System(), &replacement);
  EXPECT_EQ(System().ShellExecuteA("open", "x", kShow), 42);
  InstallServices(nullptr);
  EXPECT_NE(dynamic_cast<DesktopServices*>(&System()), nullptr);
}

}  // namespace
}  // namespace platform
