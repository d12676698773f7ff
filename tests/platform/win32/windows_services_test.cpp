// The Windows services under Wine: the class registry of a fresh prefix and
// values of the test's own, and command lines started with CreateProcessA,
// where a helper program records the arguments its C runtime hands it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/services.h"
#include "tests/platform/win32/test_class.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Words = std::vector<std::string>;

constexpr int kShow = 1;  // SW_SHOWNORMAL
constexpr RegError kUnsupportedType = 1630;  // the registry's ERROR_UNSUPPORTED_TYPE

// The key's default value as the link code reads it, into 260 bytes.
std::optional<std::string> Value(const char* key) {
  RegKey opened = 0;
  const RegError open = System().RegOpenKeyExA(kClassesRoot, key, kKeyQueryValue, &opened);
  if (open == kRegFileNotFound) return std::nullopt;
  EXPECT_EQ(open, kRegSuccess) << key;
  char buffer[260];
  long size = sizeof buffer;
  const RegError query = System().RegQueryValueA(opened, buffer, &size);
  EXPECT_EQ(System().RegCloseKey(opened), kRegSuccess);
  EXPECT_EQ(query, kRegSuccess) << key;
  if (query != kRegSuccess) return std::nullopt;
  EXPECT_EQ(static_cast<std::size_t>(size), std::strlen(buffer) + 1);
  return std::string(buffer);
}

TEST(WindowsClassRegistry, TheWebPageClassAndItsOpenCommand) {
  // What a fresh Wine prefix registers.
  EXPECT_EQ(Value(".htm"), "htmlfile");
  EXPECT_EQ(Value("htmlfile\\shell\\open\\command"),
            "\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"");
  EXPECT_EQ(Value(".no-such-extension-vortex"), std::nullopt);
  RegKey opened = 0;
  EXPECT_EQ(System().RegOpenKeyExA(kClassesRoot + 1, ".htm", kKeyQueryValue, &opened),
            kRegFileNotFound);
}

TEST(WindowsClassRegistry, AValueLongerThanTheBufferIsNeverWrittenPastIt) {
  RegKey opened = 0;
  ASSERT_EQ(System().RegOpenKeyExA(kClassesRoot, ".htm", kKeyQueryValue, &opened), kRegSuccess);
  char buffer[12];
  std::memset(buffer, '#', sizeof buffer);
  long size = 4;
  EXPECT_EQ(System().RegQueryValueA(opened, buffer, &size), kRegMoreData);
  EXPECT_EQ(size, 9);  // "htmlfile" and its terminator
  EXPECT_EQ(std::string(buffer + 4, 8), std::string(8, '#'));
  EXPECT_EQ(System().RegQueryValueA(opened, buffer, nullptr), kRegInvalidParameter);
  EXPECT_EQ(System().RegCloseKey(opened), kRegSuccess);
}

// What a read of the default value of key below a test class gives, into
// offered bytes of a buffer that is longer.
struct Read {
  RegError error;
  long size;
  std::string text;     // up to the terminator, when the read succeeded
  bool untouchedPast;  // nothing written past the offered bytes
};
Read ReadDefault(const std::string& key, long offered) {
  RegKey opened = 0;
  EXPECT_EQ(System().RegOpenKeyExA(kClassesRoot, key.c_str(), kKeyQueryValue, &opened), kRegSuccess) << key;
  char buffer[64];
  std::memset(buffer, '#', sizeof buffer);
  long size = offered;
  const RegError error = System().RegQueryValueA(opened, buffer, &size);
  EXPECT_EQ(System().RegCloseKey(opened), kRegSuccess);
  const std::size_t end = static_cast<std::size_t>(offered);
  return {error, size, error == kRegSuccess ? std::string(buffer, strnlen(buffer, end)) : std::string(),
          std::string(buffer + end, sizeof buffer - end) == std::string(sizeof buffer - end, '#')};
}

TEST(WindowsClassRegistry, ValuesReadUpToTheirLengthAndExpanded) {
  SetProcessEnvironment("VORTEX_TEST_FOLDER", "C:\\Tools");
  struct Case {
    const char* name;
    StoredType type;
    std::string stored;  // as stored: terminator included or not
    long offered;
    RegError error;
    long size;
    std::string text;
  };
  const Case cases[] = {
      {"terminated", StoredType::String, std::string("abcdefgh", 9), 9, kRegSuccess, 9, "abcdefgh"},
      {"unterminated, room for a terminator", StoredType::String, "abcdefgh", 9, kRegSuccess, 9, "abcdefgh"},
      {"unterminated, exactly filling", StoredType::String, "abcdefgh", 8, kRegMoreData, 9, ""},
      {"expandable", StoredType::ExpandableString, std::string("%VORTEX_TEST_FOLDER%\\b.exe", 27), 40,
       kRegSuccess, 15, "C:\\Tools\\b.exe"},
      {"expandable, longer once expanded", StoredType::ExpandableString,
       std::string("%VORTEX_TEST_FOLDER%\\b.exe", 27), 14, kRegMoreData, 15, ""},
      {"not text", StoredType::Binary, "abc", 9, kUnsupportedType, 9, ""},
  };
  for (const Case& c : cases) {
    TestClass testClass;
    ASSERT_TRUE(testClass.SetDefault("", c.type, c.stored.data(), c.stored.size())) << c.name;
    const Read read = ReadDefault(testClass.Name(), c.offered);
    EXPECT_EQ(read.error, c.error) << c.name;
    EXPECT_EQ(read.size, c.size) << c.name;
    EXPECT_EQ(read.text, c.text) << c.name;
    EXPECT_TRUE(read.untouchedPast) << c.name;
  }
}

class CommandStartTest : public ::testing::Test {
 protected:
  CommandStartTest() {
    const char* recorder = std::getenv("ARGV_RECORDER");
    if (recorder == nullptr) throw std::runtime_error("ARGV_RECORDER is not set");
    std::random_device random;
    record_ = fs::temp_directory_path() / ("vortex-argv-" + std::to_string(random()));
    // The registered command: the recorder, told where to write, and the
    // blank the link code puts before the target.
    command_ = "\"" + std::string(recorder) + "\" \"" + record_.string() + "\" ";
  }
  ~CommandStartTest() override { fs::remove(record_); }

  ResultCode Start(const std::string& target) {
    fs::remove(record_);
    const std::string line = command_ + target;
    return System().WinExec(line.c_str(), command_.size(), kShow);
  }
  // What the recorder received, once it has written it.
  std::optional<Words> Recorded() const {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!fs::exists(record_)) {
      if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
      std::this_thread::sleep_for(20ms);
    }
    std::ifstream in(record_, std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Words words;
    for (std::size_t start = 0, end; (end = all.find('\0', start)) != std::string::npos; start = end + 1) {
      words.push_back(all.substr(start, end - start));
    }
    return words;
  }

  fs::path record_;
  std::string command_;
};

TEST_F(CommandStartTest, TheTargetArrivesAsOneUnchangedArgument) {
  const Words targets{
      "https://example.org/a b?x=1&y=2#top",
      "mailto:someone@example.org?subject=\"hi\" 'there'",
      "a&b|c<d>e^f%PATH%!g",
      "C:\\Program Files\\dir\\",
      "back\\\\slash\\\"quote\\\\\"",
      "tab\there",
      "\"",
      "",
  };
  for (const std::string& target : targets) {
    EXPECT_EQ(Start(target), 33) << target;
    EXPECT_EQ(Recorded(), Words{target});
  }
}

TEST_F(CommandStartTest, AnExpandableOpenCommandStartsItsProgram) {
  // As an installer registers a browser: its path through a variable.
  SetProcessEnvironment("VORTEX_TEST_RECORDER", std::getenv("ARGV_RECORDER"));
  const std::string command = "\"%VORTEX_TEST_RECORDER%\" \"" + record_.string() + "\" \"%1\"";
  TestClass browser;
  ASSERT_TRUE(browser.SetDefault("shell\\open\\command", StoredType::ExpandableString, command.c_str(),
                                 command.size() + 1));
  const std::optional<std::string> read = Value((browser.Name() + "\\shell\\open\\command").c_str());
  ASSERT_TRUE(read);
  ASSERT_EQ(*read, command_ + "\"%1\"");
  const std::string target = "https://example.org/expanded";
  const std::string line = read->substr(0, read->find("\"%1\"")) + target;
  EXPECT_EQ(System().WinExec(line.c_str(), line.size() - target.size(), kShow), 33);
  EXPECT_EQ(Recorded(), Words{target});
}

TEST_F(CommandStartTest, WhatCannotStartSafelyStartsNothing) {
  EXPECT_EQ(Start("-x"), 5);
  EXPECT_EQ(Start("--remote-debugging-port=1"), 5);
  EXPECT_EQ(System().ShellExecuteA("open", "-x", kShow), 5);
  EXPECT_EQ(System().ShellExecuteA("open", "", kShow), 2);
  // A quote left open before the target would take the target into it.
  const std::string openQuote = command_ + "\"x";
  EXPECT_EQ(System().WinExec((openQuote + " y").c_str(), openQuote.size() + 1, kShow), 2);
  // A batch file would run through cmd.exe.
  for (const char* line : {"C:\\tools\\open.bat x", "\"C:\\tools\\open.CMD. \" x", "C:\\my tools\\open.bat x"}) {
    EXPECT_EQ(System().WinExec(line, std::strlen(line) - 1, kShow), 11) << line;
  }
  EXPECT_FALSE(fs::exists(record_));
}

TEST_F(CommandStartTest, AMissingProgramOrFileHasTheFileNotFoundCode) {
  const std::string missing = "no-such-program-vortex.exe x";
  EXPECT_EQ(System().WinExec(missing.c_str(), missing.size() - 1, kShow), 2);
  EXPECT_EQ(System().ShellExecuteA("open", "C:\\no\\such\\file.vortex", kShow), 2);
}

}  // namespace
}  // namespace platform
