#include "platform/freedesktop/command_words.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using Words = std::vector<std::string>;

TEST(CommandWords, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(SplitCommandWords("  prog\t-x \n arg  "), (Words{"prog", "-x", "arg"}));
  EXPECT_EQ(SplitCommandWords("\"/opt/My Browser/run\" --new"),
            (Words{"/opt/My Browser/run", "--new"}));
  EXPECT_EQ(SplitCommandWords("a\"b c\"d e"), (Words{"ab cd", "e"}));
  EXPECT_EQ(SplitCommandWords(""), Words{});
  EXPECT_EQ(SplitCommandWords(" \t "), Words{});
}

TEST(CommandWords, EmptyQuotesAreAnEmptyWord) {
  EXPECT_EQ(SplitCommandWords("prog \"\" x \"\""), (Words{"prog", "", "x", ""}));
  EXPECT_EQ(SplitCommandWords("a\"\"b"), (Words{"ab"}));
}

TEST(CommandWords, BackslashEscapesOnlyInsideQuotes) {
  EXPECT_EQ(SplitCommandWords(R"("say \"hi\"" "\$HOME" "\`x\`" "a\\b")"),
            (Words{"say \"hi\"", "$HOME", "`x`", "a\\b"}));
  // Before other characters, and anywhere outside quotes, it is a plain backslash.
  EXPECT_EQ(SplitCommandWords(R"("C:\dir\n" C:\dir\n a\"b c")"),
            (Words{"C:\\dir\\n", "C:\\dir\\n", "a\\b c"}));
}

TEST(CommandWords, NothingIsExpanded) {
  EXPECT_EQ(SplitCommandWords("echo $HOME ~ *.txt 'two words' a;b |c `d` $(e)"),
            (Words{"echo", "$HOME", "~", "*.txt", "'two", "words'", "a;b", "|c", "`d`", "$(e)"}));
}

TEST(CommandWords, UnterminatedQuoteIsRejected) {
  EXPECT_EQ(SplitCommandWords("prog \"open"), std::nullopt);
  EXPECT_EQ(SplitCommandWords("prog \"a\\\""), std::nullopt);  // the last quote is escaped
  EXPECT_EQ(SplitCommandWords("\""), std::nullopt);
}

TEST(CommandWords, QuotedWordsReadBackUnchanged) {
  const Words tricky{"plain",     "",          " ",           "two words",
                     "tab\there", "new\nline", "\"",          "\\",
                     "\\\"",      "end\\",     "$(rm -rf x)", "`id`",
                     "a;b&c|d",   "%1",        "\"%1\"",      std::string("\xff\xfe bytes", 8)};
  for (const std::string& word : tricky) {
    EXPECT_EQ(SplitCommandWords(QuoteCommandWord(word)), Words{word}) << QuoteCommandWord(word);
  }
  std::string line;
  for (const std::string& word : tricky) line += QuoteCommandWord(word) + " ";
  EXPECT_EQ(SplitCommandWords(line), tricky);
}

TEST(CommandWords, PlainWordsStayUnquoted) {
  EXPECT_EQ(QuoteCommandWord("/usr/bin/firefox"), "/usr/bin/firefox");
  EXPECT_EQ(QuoteCommandWord("--name=a\\b"), "--name=a\\b");
  EXPECT_EQ(QuoteCommandWord("a b"), "\"a b\"");
  EXPECT_EQ(QuoteCommandWord(""), "\"\"");
}

}  // namespace
}  // namespace platform
