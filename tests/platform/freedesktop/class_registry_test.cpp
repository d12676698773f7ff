// The class registry over fake XDG trees: which mimeapps.list decides, which
// desktop entry is read, and what a caller's 260-byte buffer receives.

#include "platform/freedesktop/class_registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <map>

#include "platform/freedesktop/desktop_services.h"
#include "platform/freedesktop/text_file.h"
#include "tests/support/process_test_support.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using platform_test::ScopedEnvironment;
using platform_test::TempFolder;
using platform_test::WriteFile;

constexpr long kCallerBuffer = 260;

class ClassRegistryTest : public ::testing::Test {
 protected:
  ClassRegistryTest() {
    environment_.Set("HOME", (root() / "home").string());
    environment_.Set("XDG_CONFIG_HOME", (root() / "config").string());
    environment_.Set("XDG_CONFIG_DIRS",
                     (root() / "etc1").string() + ":" + (root() / "etc2").string());
    environment_.Set("XDG_DATA_HOME", (root() / "data").string());
    environment_.Set("XDG_DATA_DIRS",
                     (root() / "share1").string() + ":" + (root() / "share2").string());
    environment_.Set("XDG_CURRENT_DESKTOP", "Vortex:GNOME");
  }

  fs::path root() const { return folder_.path(); }
  fs::path apps(const std::string& dataFolder) const {
    return root() / dataFolder / "applications";
  }

  void WriteDefault(const fs::path& file, const std::string& ids) {
    WriteFile(file, "[Default Applications]\ntext/html=" + ids + "\n");
  }
  void WriteEntry(const fs::path& file, const std::string& exec) {
    WriteFile(file, "[Desktop Entry]\nType=Application\nName=Browser\nExec=" + exec + "\n");
  }

  // The key's default value as a caller with a 260-byte buffer reads it.
  std::optional<std::string> Value(const std::string& key) {
    RegKey opened = 0;
    const RegError open =
        services_.RegOpenKeyExA(kClassesRoot, key.c_str(), kKeyQueryValue, &opened);
    if (open == kRegFileNotFound) return std::nullopt;
    EXPECT_EQ(open, kRegSuccess) << key;
    char buffer[kCallerBuffer];
    long size = kCallerBuffer;
    const RegError query = services_.RegQueryValueA(opened, buffer, &size);
    EXPECT_EQ(services_.RegCloseKey(opened), kRegSuccess);
    EXPECT_EQ(query, kRegSuccess) << key;
    if (query != kRegSuccess) return std::nullopt;
    EXPECT_EQ(static_cast<std::size_t>(size), std::strlen(buffer) + 1);
    return std::string(buffer);
  }
  std::optional<std::string> OpenCommand(const std::string& id) {
    return Value(id + "\\shell\\open\\command");
  }

  TempFolder folder_;
  ScopedEnvironment environment_;
  std::map<fs::path, int> reads_;  // how often each file was read
  DesktopServices services_{[this](const fs::path& file) {
    ++reads_[file];
    return ReadTextFile(file);
  }};
};

TEST_F(ClassRegistryTest, MimeappsFilesDecideInXdgOrder) {
  const std::vector<fs::path> inOrder{
      root() / "config/vortex-mimeapps.list", root() / "config/gnome-mimeapps.list",
      root() / "config/mimeapps.list",        root() / "etc1/vortex-mimeapps.list",
      root() / "etc1/mimeapps.list",          root() / "etc2/gnome-mimeapps.list",
      root() / "etc2/mimeapps.list",          apps("data") / "vortex-mimeapps.list",
      apps("data") / "mimeapps.list",         apps("share1") / "gnome-mimeapps.list",
      apps("share1") / "mimeapps.list",       apps("share2") / "mimeapps.list",
  };
  for (std::size_t i = 0; i < inOrder.size(); ++i) {
    const std::string id = "browser" + std::to_string(i) + ".desktop";
    WriteDefault(inOrder[i], id);
    WriteEntry(apps("share2") / id, "browser" + std::to_string(i) + " %u");
  }
  for (std::size_t i = 0; i < inOrder.size(); ++i) {
    EXPECT_EQ(Value(".htm"), "browser" + std::to_string(i) + ".desktop") << inOrder[i];
    fs::remove(inOrder[i]);
  }
  EXPECT_EQ(Value(".htm"), std::nullopt);
}

TEST_F(ClassRegistryTest, FirstInstalledDefaultWinsAndSubfolderIdsResolve) {
  WriteDefault(root() / "config/mimeapps.list",
               "missing.desktop;vendor-web-browser.desktop;other.desktop");
  WriteEntry(apps("share1") / "vendor/web/browser.desktop", "/opt/vendor/browser --new-tab %u");
  WriteEntry(apps("share1") / "other.desktop", "other %u");
  EXPECT_EQ(Value(".htm"), "vendor-web-browser.desktop");
  EXPECT_EQ(Value(".HTML"), "vendor-web-browser.desktop");
  EXPECT_EQ(OpenCommand("vendor-web-browser.desktop"), "/opt/vendor/browser --new-tab \"%1\"");
  EXPECT_EQ(Value("vendor-web-browser.desktop\\Shell\\Open\\Command"),
            "/opt/vendor/browser --new-tab \"%1\"");
}

TEST_F(ClassRegistryTest, EarlierDataFolderShadowsLaterAndHiddenDeletes) {
  WriteDefault(root() / "config/mimeapps.list", "web.desktop;fallback.desktop");
  WriteEntry(apps("share1") / "web.desktop", "mine %U");
  WriteEntry(apps("share2") / "web.desktop", "theirs %U");
  WriteEntry(apps("share2") / "fallback.desktop", "fallback %f");
  EXPECT_EQ(OpenCommand("web.desktop"), "mine \"%1\"");

  WriteFile(apps("data") / "web.desktop", "[Desktop Entry]\nHidden=true\nExec=hidden %u\n");
  EXPECT_EQ(OpenCommand("web.desktop"), std::nullopt);
  EXPECT_EQ(Value(".htm"), "fallback.desktop");
  EXPECT_EQ(OpenCommand("fallback.desktop"), "fallback \"%1\"");
}

TEST_F(ClassRegistryTest, WithoutDefaultsAddedAssociationsThenTheCacheDecide) {
  WriteEntry(apps("share1") / "added.desktop", "added %u");
  WriteEntry(apps("share1") / "cached.desktop", "cached %u");
  WriteEntry(apps("share1") / "removed.desktop", "removed %u");
  // Only a plain mimeapps.list may add associations.
  WriteFile(root() / "config/vortex-mimeapps.list",
            "[Added Associations]\ntext/html=removed.desktop\n");
  WriteFile(root() / "config/mimeapps.list",
            "[Removed Associations]\ntext/html=removed.desktop\n"
            "[Added Associations]\ntext/html=missing.desktop;added.desktop\n");
  WriteFile(apps("share1") / "mimeinfo.cache",
            "[MIME Cache]\ntext/plain=other.desktop\ntext/html=removed.desktop;cached.desktop;\n");
  EXPECT_EQ(Value(".htm"), "added.desktop");
  fs::remove(apps("share1") / "added.desktop");
  EXPECT_EQ(Value(".htm"), "cached.desktop");
}

TEST_F(ClassRegistryTest, TheFallbackReadsEachFileOnce) {
  // broken.desktop is offered twice; the command key then names the
  // application the extension key has just chosen.
  WriteFile(root() / "config/mimeapps.list",
            "[Default Applications]\ntext/html=broken.desktop\n"
            "[Added Associations]\ntext/html=broken.desktop;web.desktop\n");
  WriteFile(apps("share1") / "broken.desktop", "[Desktop Entry]\nName=No command\n");
  WriteEntry(apps("share1") / "web.desktop", "web %u");
  EXPECT_EQ(Value(".htm"), "web.desktop");
  EXPECT_EQ(OpenCommand("web.desktop"), "web \"%1\"");
  EXPECT_EQ(reads_[apps("share1") / "broken.desktop"], 1);
  EXPECT_EQ(reads_[apps("share1") / "web.desktop"], 1);
  for (const auto& [file, count] : reads_) EXPECT_EQ(count, 1) << file;
}

TEST_F(ClassRegistryTest, ExecLinesBecomeOpenCommands) {
  const std::vector<std::pair<std::string, std::string>> execToCommand{
      {"firefox %u", "firefox \"%1\""},
      {"chromium %U", "chromium \"%1\""},
      {"viewer --file %f", "viewer --file \"%1\""},
      {"\"/opt/My Web/run\" --zoom=100%% %u", "\"/opt/My Web/run\" --zoom=100% \"%1\""},
      {"lynx", "lynx"},
      {"app --icon %i --name %c %k %u", "app --icon --name \"%1\""},
  };
  for (std::size_t i = 0; i < execToCommand.size(); ++i) {
    const std::string id = "entry" + std::to_string(i) + ".desktop";
    WriteEntry(apps("share2") / id, execToCommand[i].first);
    EXPECT_EQ(OpenCommand(id), execToCommand[i].second) << execToCommand[i].first;
  }
}

TEST_F(ClassRegistryTest, OnlyTheTwoKindsOfKeyExist) {
  WriteFile(apps("share1") / "noexec.desktop", "[Desktop Entry]\nName=No Exec\n");
  WriteFile(apps("share1") / "open-quote.desktop", "[Desktop Entry]\nExec=app \"%u\n");
  for (const std::string key :
       {"", ".txt", "htm", ".htm\\shell\\open\\command", "missing.desktop\\shell\\open\\command",
        "noexec.desktop\\shell\\open\\command", "open-quote.desktop\\shell\\open\\command",
        "\\shell\\open\\command", "noexec.desktop\\shell\\open"}) {
    EXPECT_EQ(Value(key), std::nullopt) << key;
  }
  RegKey opened = 0;
  EXPECT_EQ(services_.RegOpenKeyExA(kClassesRoot + 1, ".htm", kKeyQueryValue, &opened),
            kRegFileNotFound);
  EXPECT_EQ(services_.RegOpenKeyExA(kClassesRoot, nullptr, kKeyQueryValue, &opened),
            kRegFileNotFound);
  char buffer[8];
  long size = sizeof buffer;
  EXPECT_EQ(services_.RegQueryValueA(12345, buffer, &size), kRegInvalidHandle);
  EXPECT_EQ(services_.RegCloseKey(12345), kRegInvalidHandle);
}

TEST_F(ClassRegistryTest, ValuesLongerThanTheBufferFailWithoutOverflow) {
  // A command of 259 characters fits 260 bytes; one of 260 does not.
  const auto padding = [](std::size_t commandLength) {
    return std::string(commandLength - 7, 'x');
  };
  WriteEntry(apps("share1") / "fits.desktop", "p " + padding(259) + " %u");
  WriteEntry(apps("share1") / "long.desktop", "p " + padding(260) + " %u");
  EXPECT_EQ(OpenCommand("fits.desktop"), "p " + padding(259) + " \"%1\"");

  RegKey opened = 0;
  ASSERT_EQ(services_.RegOpenKeyExA(kClassesRoot, "long.desktop\\shell\\open\\command",
                                    kKeyQueryValue, &opened),
            kRegSuccess);
  char buffer[kCallerBuffer + 64];
  std::memset(buffer, 'G', sizeof buffer);
  long size = kCallerBuffer;
  EXPECT_EQ(services_.RegQueryValueA(opened, buffer, &size), kRegMoreData);
  EXPECT_EQ(size, 261);
  EXPECT_EQ(buffer[0], '\0');  // never a cut value
  EXPECT_EQ(std::string(buffer + 1, sizeof buffer - 1), std::string(sizeof buffer - 1, 'G'));

  size = 0;
  EXPECT_EQ(services_.RegQueryValueA(opened, nullptr, &size), kRegSuccess);
  EXPECT_EQ(size, 261);
  std::string whole(static_cast<std::size_t>(size), 'G');
  EXPECT_EQ(services_.RegQueryValueA(opened, whole.data(), &size), kRegSuccess);
  EXPECT_EQ(whole, "p " + padding(260) + " \"%1\"" + '\0');
  EXPECT_EQ(services_.RegCloseKey(opened), kRegSuccess);
}

TEST_F(ClassRegistryTest, HostileFilesAreSkipped) {
  fs::create_directories(root() / "config/vortex-mimeapps.list");  // a folder, not a file
  ASSERT_EQ(mkfifo((root() / "config/gnome-mimeapps.list").c_str(), 0600),
            0);  // would block a reader
  std::string junk;
  for (int i = 0; i < 65536; ++i) junk += static_cast<char>((i * 131) % 256);
  WriteFile(root() / "config/mimeapps.list", junk);
  WriteFile(root() / "etc1/mimeapps.list",
            "[Default Applications]\ntext/html=huge.desktop\n" + std::string(2 << 20, 'x') + "\n");
  WriteDefault(root() / "etc2/mimeapps.list", "huge.desktop;junk.desktop;good.desktop");
  WriteFile(apps("share1") / "huge.desktop",
            "[Desktop Entry]\nExec=huge\n" + std::string(2 << 20, '#') + "\n");
  WriteFile(apps("share1") / "junk.desktop", junk);
  WriteEntry(apps("share1") / "good.desktop", "good %u");
  EXPECT_EQ(Value(".htm"), "good.desktop");
  EXPECT_EQ(OpenCommand("junk.desktop"), std::nullopt);
  EXPECT_EQ(OpenCommand("huge.desktop"), std::nullopt);
  EXPECT_EQ(OpenCommand("good.desktop"), "good \"%1\"");
}

TEST_F(ClassRegistryTest, IdsNeverLeaveTheApplicationsFolders) {
  WriteEntry(root() / "share1/secret.desktop", "secret %u");
  WriteEntry(root() / "secret.desktop", "secret %u");
  fs::create_directories(apps("share1") / "sub");
  WriteDefault(root() / "config/mimeapps.list",
               "..-secret.desktop;../secret.desktop;sub-..-..-secret.desktop");
  EXPECT_EQ(Value(".htm"), std::nullopt);
  for (const std::string id : {"..-secret.desktop", "../secret.desktop", "sub-..-..-secret.desktop",
                               "..\\..\\secret.desktop", "/abs/secret.desktop"}) {
    EXPECT_EQ(OpenCommand(id), std::nullopt) << id;
  }
}

TEST_F(ClassRegistryTest, UnsetOrRelativeVariablesFallBackToHomeDefaults) {
  environment_.Set("XDG_CONFIG_HOME", std::nullopt);
  environment_.Set("XDG_DATA_HOME", "relative/data");
  WriteDefault(root() / "home/.config/mimeapps.list", "home.desktop");
  WriteEntry(root() / "home/.local/share/applications/home.desktop", "home-browser %u");
  EXPECT_EQ(Value(".htm"), "home.desktop");
  EXPECT_EQ(OpenCommand("home.desktop"), "home-browser \"%1\"");
}

}  // namespace
}  // namespace platform
