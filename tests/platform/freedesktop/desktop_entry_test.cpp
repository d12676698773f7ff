#include "platform/freedesktop/desktop_entry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/freedesktop/key_file.h"
#include "platform/freedesktop/mime_apps.h"

namespace platform {
namespace {

// The command's text, as the registry hands it out.
std::optional<std::string> TextOf(const std::optional<OpenCommand>& command) {
  if (!command) return std::nullopt;
  return command->Text();
}

TEST(ExecToOpenCommand, FirstFileCodeBecomesThePlaceholder) {
  EXPECT_EQ(TextOf(ExecToOpenCommand("firefox %u")), "firefox \"%1\"");
  EXPECT_EQ(TextOf(ExecToOpenCommand("chromium --new-window %U")), "chromium --new-window \"%1\"");
  EXPECT_EQ(TextOf(ExecToOpenCommand("viewer %f --then %F %u")), "viewer \"%1\" --then");
  EXPECT_EQ(TextOf(ExecToOpenCommand("browser --url=%u")), "browser --url=\"%1\"");
  EXPECT_EQ(ExecToOpenCommand("viewer %f --then %F %u")->WordsWith("a b"),
            (std::vector<std::string>{"viewer", "a b", "--then"}));
  EXPECT_EQ(ExecToOpenCommand("browser \"--url=%u&x\"")->WordsWith("a b"),
            (std::vector<std::string>{"browser", "--url=a b&x"}));
  EXPECT_EQ(TextOf(ExecToOpenCommand("w3m")), "w3m");
}

TEST(ExecToOpenCommand, OtherFieldCodesGoAndPercentStays) {
  EXPECT_EQ(TextOf(ExecToOpenCommand("app %i %c %k %d %D %n %N %v %m %u")), "app \"%1\"");
  EXPECT_EQ(TextOf(ExecToOpenCommand("app --ratio=100%% %u")), "app --ratio=100% \"%1\"");
  EXPECT_EQ(TextOf(ExecToOpenCommand("app --x%i %u %")), "app --x \"%1\"");
  EXPECT_EQ(TextOf(ExecToOpenCommand("app %%u")), "app %u");
}

TEST(ExecToOpenCommand, QuotedWordsSurviveInOurSyntax) {
  EXPECT_EQ(TextOf(ExecToOpenCommand(R"("/opt/My Browser/run" --profile "a \"b\" \$c" %u)")),
            R"("/opt/My Browser/run" --profile "a \"b\" $c" "%1")");
  EXPECT_EQ(TextOf(ExecToOpenCommand(R"(prog "" %u)")), R"(prog "" "%1")");
}

TEST(ExecToOpenCommand, UnusableLinesGiveNothing) {
  EXPECT_EQ(TextOf(ExecToOpenCommand("")), std::nullopt);
  EXPECT_EQ(TextOf(ExecToOpenCommand("%i %c")), std::nullopt);
  EXPECT_EQ(TextOf(ExecToOpenCommand("%u")), std::nullopt);
  EXPECT_EQ(TextOf(ExecToOpenCommand("\"\" %u")), std::nullopt);
  EXPECT_EQ(TextOf(ExecToOpenCommand("prog \"open %u")), std::nullopt);
  EXPECT_EQ(TextOf(ExecToOpenCommand(std::string("prog\0x %u", 9))), std::nullopt);
}

TEST(DesktopEntry, ExecComesFromTheMainGroupOnly) {
  const std::string entry =
      "# comment\r\n"
      "[Desktop Action new-window]\r\n"
      "Exec=wrong --new-window %u\r\n"
      "[Desktop Entry]\r\n"
      "Exec[de]=falsch %u\r\n"
      "  Exec =  right\\s--x \"\\\\\\\\\" %u  \r\n"
      "Exec=second %u\r\n";
  EXPECT_EQ(TextOf(OpenCommandOfEntry(entry)), R"(right --x \ "%1")");
  EXPECT_EQ(TextOf(OpenCommandOfEntry("[Desktop Entry]\nName=No command\n")), std::nullopt);
  EXPECT_EQ(TextOf(OpenCommandOfEntry("Exec=outside %u\n[Desktop Entry]\n")), std::nullopt);
}

TEST(DesktopEntry, HiddenMeansDeleted) {
  EXPECT_TRUE(IsHiddenEntry("[Desktop Entry]\nHidden=true\nExec=x\n"));
  EXPECT_FALSE(IsHiddenEntry("[Desktop Entry]\nHidden=false\nExec=x\n"));
  EXPECT_FALSE(IsHiddenEntry("[Desktop Action a]\nHidden=true\n[Desktop Entry]\nExec=x\n"));
}

TEST(KeyFile, StringEscapesDecode) {
  EXPECT_EQ(DecodeKeyFileString(R"(a\sb\tc\nd\re\\f\xg\)"), "a b\tc\nd\re\\f\\xg\\");
}

TEST(KeyFile, JunkNeverConfusesTheReader) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
  const std::string text =
      junk + "\n[Desktop Entry]\nExec=" + std::string(200000, 'x') + "\n" + junk;
  const std::optional<std::string_view> exec = KeyFileValue(text, "Desktop Entry", "Exec");
  ASSERT_TRUE(exec.has_value());
  EXPECT_EQ(exec->size(), 200000u);
  EXPECT_EQ(KeyFileValue("[Desktop Entry", "Desktop Entry", "Exec"), std::nullopt);
  EXPECT_EQ(KeyFileValue("[]\n=\n[", "", ""), std::string_view());
}

TEST(MimeApps, GroupsListsAndDesktopSpecificFiles) {
  const std::string text =
      "[Default Applications]\n"
      "text/html=a.desktop; b.desktop;;\n"
      "text/plain=z.desktop\n"
      "[Added Associations]\n"
      "text/html=c.desktop;\n"
      "[Removed Associations]\n"
      "text/html=d.desktop\n";
  const MimeAssociations general = ReadMimeAssociations(text, "text/html", false);
  EXPECT_EQ(general.defaults, (std::vector<std::string>{"a.desktop", "b.desktop"}));
  EXPECT_EQ(general.added, std::vector<std::string>{"c.desktop"});
  EXPECT_EQ(general.removed, std::vector<std::string>{"d.desktop"});
  const MimeAssociations specific = ReadMimeAssociations(text, "text/html", true);
  EXPECT_EQ(specific.defaults, general.defaults);
  EXPECT_TRUE(specific.added.empty());
  EXPECT_TRUE(specific.removed.empty());

  std::string huge = "[Default Applications]\ntext/html=";
  for (int i = 0; i < 10000; ++i) huge += "x" + std::to_string(i) + ".desktop;";
  EXPECT_EQ(ReadMimeAssociations(huge, "text/html", false).defaults.size(), kMaxIdsPerList);
}

TEST(MimeApps, RemovedAssociationsHideLaterAdditionsButNotDefaults) {
  const std::vector<MimeAssociations> files{
      {{}, {"first-added.desktop"}, {"gone.desktop"}},
      {{"gone.desktop"}, {"gone.desktop", "later.desktop"}, {"later.desktop"}},
  };
  const std::vector<std::vector<std::string>> caches{{"gone.desktop", "cached.desktop"}};
  const auto installedExcept = [](std::vector<std::string> missing) {
    return [missing](const std::string& id) {
      return std::ranges::find(missing, id) == missing.end();
    };
  };
  EXPECT_EQ(ChooseDefaultApplication(files, caches, installedExcept({})), "gone.desktop");
  EXPECT_EQ(ChooseDefaultApplication({files[1]}, {}, installedExcept({"gone.desktop"})),
            std::nullopt);
  EXPECT_EQ(ChooseDefaultApplication(files, caches, installedExcept({"gone.desktop"})),
            "first-added.desktop");
  EXPECT_EQ(ChooseDefaultApplication(files, caches,
                                     installedExcept({"gone.desktop", "first-added.desktop"})),
            "cached.desktop");
}

}  // namespace
}  // namespace platform
