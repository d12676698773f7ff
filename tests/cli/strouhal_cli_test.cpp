#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "run_strouhal.h"

namespace {

using Arguments = std::vector<std::string>;

void ExpectSuccess(const StrouhalRun& run, const std::string& out) {
  EXPECT_EQ(0, run.exitCode);
  EXPECT_EQ(out, run.out);
  EXPECT_EQ("", run.err);
}

TEST(Solve, PrintsLabelAndResultWithoutPadding) {
  ExpectSuccess(RunStrouhal({"solve", "d", "0.2", "10", "5"}), "Diameter (m): 0.1\n");
  ExpectSuccess(RunStrouhal({"solve", "st", "--units", "english", "2", "0.5", "5"}),
                "Strouhal Number: 0.2\n");
  ExpectSuccess(RunStrouhal({"solve", "frequency", "1", "3", "1", "--units=english"}),
                "Frequency (Hz): 0.3333\n");
  ExpectSuccess(RunStrouhal({"solve", "velocity", "--units", "english", "1", "123456", "1"}),
                "Freestream Velocity (ft/sec): 1.235e+05\n");
  // atof semantics on arguments: trailing words are ignored.
  ExpectSuccess(RunStrouhal({"solve", "v", "0.2", "10", "3.5 ft"}), "Freestream Velocity (m/sec): 175\n");
}

TEST(Solve, ValuesThatLookLikeOptionsFailValidationNotParsing) {
  const StrouhalRun negative = RunStrouhal({"solve", "d", "0.2", "-1", "5"});
  EXPECT_EQ(1, negative.exitCode);
  EXPECT_EQ("", negative.out);
  EXPECT_EQ("Input Error: slot 2 \"Frequency of Vortices (Hz)\" must be finite and greater than 1e-40, got \"-1\"\n",
            negative.err);

  const StrouhalRun negativeZero = RunStrouhal({"solve", "st", "--units", "english", "-0", "1", "1"});
  EXPECT_EQ(1, negativeZero.exitCode);
  EXPECT_NE(std::string::npos, negativeZero.err.find("slot 1 \"Frequency of Vortices (Hz)\""));

  const StrouhalRun words = RunStrouhal({"solve", "v", "0.2", "10", "inf"});
  EXPECT_EQ(1, words.exitCode);
  EXPECT_NE(std::string::npos, words.err.find("slot 3 \"Diameter (m)\""));
}

// 1e400 reads as infinity: an input error. A result that overflows from
// finite values is still printed as the format writes it.
TEST(Solve, AValueBeyondTheDoubleRangeIsAnInputError) {
  const StrouhalRun run = RunStrouhal({"solve", "st", "1e400", "1", "1e400"});
  EXPECT_EQ(1, run.exitCode);
  EXPECT_EQ("", run.out);
  EXPECT_EQ("Input Error: slot 1 \"Frequency of Vortices (Hz)\" must be finite and greater than 1e-40, got \"1e400\"\n",
            run.err);
  ExpectSuccess(RunStrouhal({"solve", "d", "--csv"}, "0.2,1e400,5\n1e300,1,1e300\n"),
                "0.2,1e400,5,Input Error\n1e300,1,1e300,inf\n");
}

TEST(UsageErrors, ExitTwoWithTheSynopsisOnStandardError) {
  const std::vector<Arguments> misuses = {
      {},
      {"frobnicate"},
      {"--frobnicate"},
      {"solve"},
      {"solve", "x", "1", "2", "3"},
      {"solve", "d", "1", "2"},
      {"solve", "d", "1", "2", "3", "4"},
      {"solve", "d", "--units", "imperial", "1", "2", "3"},
      {"solve", "d", "1", "2", "3", "--units"},
      {"solve", "d", "--verbose", "1", "2", "3"},
      {"solve", "d", "--csv", "1"},
      {"correlate"},
      {"correlate", "--units", "metric", "1000"},
      {"correlate", "--csv", "1000"},
      {"labels"},
      {"labels", "d", "1"},
      {"labels", "d", "--csv"},
      {"--help", "solve"},
      {"--version", "1"},
  };
  for (const Arguments& arguments : misuses) {
    const StrouhalRun run = RunStrouhal(arguments);
    std::string shown;
    for (const std::string& argument : arguments) shown += argument + " ";
    EXPECT_EQ(2, run.exitCode) << shown;
    EXPECT_EQ("", run.out) << shown;
    EXPECT_EQ(0u, run.err.find("strouhal: ")) << shown;
    EXPECT_NE(std::string::npos, run.err.find("\nUsage:\n  strouhal solve FOR")) << shown;
  }
}

// An option's value never begins with "--", so that a missing value cannot
// swallow the next option; the message names the option.
TEST(UsageErrors, AnOptionWithoutItsValueIsNamed) {
  const Arguments screen = {"screen", "--viscosity", "1e-6", "--velocity", "1", "--diameter", "1",
                            "--natural-frequency", "1"};
  const auto with = [&](std::initializer_list<std::string> more) {
    Arguments arguments = screen;
    arguments.insert(arguments.end(), more);
    return arguments;
  };
  const std::vector<std::pair<Arguments, std::string>> cases = {
      {with({"--svg", "--json"}), "--svg needs a value, not '--json'"},
      {with({"--svg=--json"}), "--svg needs a value, not '--json'"},
      {with({"--band", "--json"}), "--band needs a value, not '--json'"},
      {{"screen", "--fluid", "water", "--temperature", "--json", "--velocity", "1"},
       "--temperature needs a value, not '--json'"},
      {{"solve", "d", "--units", "--csv"}, "--units needs a value, english or metric"},
  };
  for (const auto& [arguments, message] : cases) {
    const StrouhalRun run = RunStrouhal(arguments);
    EXPECT_EQ(2, run.exitCode) << message;
    EXPECT_EQ("", run.out) << message;
    EXPECT_EQ("strouhal: " + message + "\n", run.err.substr(0, run.err.find('\n') + 1));
  }
}

// After "--" every argument is a value, even one that looks like an option.
TEST(EndOfOptions, WhatFollowsIsAValue) {
  ExpectSuccess(RunStrouhal({"solve", "d", "--", "0.2", "10", "5"}), "Diameter (m): 0.1\n");
  ExpectSuccess(RunStrouhal({"solve", "d", "--units", "english", "--", "0.2", "10", "5"}), "Diameter (ft): 0.1\n");
  ExpectSuccess(RunStrouhal({"correlate", "--", "2e5", "--csv"}), "0.196\n0.000\n");
  const StrouhalRun fourValues = RunStrouhal({"solve", "d", "--", "0.2", "10", "5", "--csv"});
  EXPECT_EQ(2, fourValues.exitCode);
  EXPECT_EQ(0u, fourValues.err.find("strouhal: solve needs three values, got 4\n"));
}

TEST(HelpAndVersion, GoToStandardOutput) {
  const StrouhalRun help = RunStrouhal({"--help"});
  EXPECT_EQ(0, help.exitCode);
  EXPECT_EQ(0u, help.out.find("Usage:\n"));
  EXPECT_EQ("", help.err);
  ExpectSuccess(RunStrouhal({"--version"}),
                "strouhal (VortexCalc) 1.0.0.1\nCopyright (C) 1999 the VortexCalc developers\n");
}

// "strouhal CMD --help", wherever --help stands before "--": the manual's
// part about CMD, cut from the manual itself.
TEST(HelpAndVersion, EachCommandShowsItsPartOfTheManual) {
  const std::string manual = RunStrouhal({"--help"}).out;
  for (const std::string command : {"solve", "correlate", "labels", "screen"}) {
    const StrouhalRun help = RunStrouhal({command, "--help"});
    EXPECT_EQ(0, help.exitCode) << command;
    EXPECT_EQ("", help.err) << command;
    EXPECT_EQ(0u, help.out.find("Usage:\n  strouhal " + command + " ")) << command;
    EXPECT_NE(std::string::npos, help.out.find("\nCommands:\n  " + command + " ")) << command;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_TRUE(!line.starts_with("  strouhal ") || line.starts_with("  strouhal " + command + " ")) << line;
      EXPECT_TRUE(line.starts_with("Numbers, exit status") || manual.find(line + "\n") != std::string::npos) << line;
    }
    EXPECT_EQ(help.out, RunStrouhal({command, "d", "--csv", "--units", "--help"}).out) << command;
  }
  EXPECT_EQ(2, RunStrouhal({"solve", "d", "--", "--help"}).exitCode);
}

// Each "$ strouhal ..." line of the help's examples, optionally fed by
// "printf '...' |", must print exactly the lines below it.
TEST(HelpAndVersion, EveryExampleInTheHelpHolds) {
  const std::string help = RunStrouhal({"--help"}).out;
  std::istringstream lines(help.substr(help.find("Examples:\n")));
  struct Example {
    std::string input;
    Arguments arguments;
    std::string expected;
  };
  std::vector<Example> examples;
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    if (line.starts_with("  $ ")) {
      Example example;
      std::string command = line.substr(4);
      if (command.starts_with("printf '")) {
        const std::size_t end = command.find("' | ");
        std::string input = command.substr(8, end - 8);
        for (std::size_t at; (at = input.find("\\n")) != std::string::npos;) input.replace(at, 2, "\n");
        example.input = input;
        command = command.substr(end + 4);
      }
      std::istringstream words(command);
      std::string word;
      words >> word;
      EXPECT_EQ("strouhal", word);
      while (words >> word) example.arguments.push_back(word);
      examples.push_back(example);
    } else if (!examples.empty() && line.starts_with("  ")) {
      examples.back().expected += line.substr(2) + "\n";
    }
  }
  EXPECT_GE(examples.size(), 5u);
  for (const Example& example : examples) {
    const StrouhalRun run = RunStrouhal(example.arguments, example.input);
    EXPECT_EQ(example.expected, run.out + run.err) << example.arguments.front();
  }
}

TEST(SolveCsv, AnswersEveryRowAndSkipsBlankLines) {
  const std::string input =
      "0.2,10,5\n"
      "\n"
      "0.2,0,5\r\n"
      "   \t\n"
      "1,2\n"
      "1,2,3,4\n"
      "-1,2,3\n"
      "0.2, 10 ,5 m/s\n"
      ",,\n"
      "0.2,1e200,1e300";  // the last row has no line end
  const std::string expected =
      "0.2,10,5,0.1\n"
      "0.2,0,5,Input Error\n"
      "1,2,Input Error\n"
      "1,2,3,4,Input Error\n"
      "-1,2,3,Input Error\n"
      "0.2, 10 ,5 m/s,0.1\n"
      ",,,Input Error\n"
      "0.2,1e200,1e300,2e+99\n";
  ExpectSuccess(RunStrouhal({"solve", "d", "--csv"}, input), expected);
}

TEST(SolveCsv, RowsAcrossManyReadBuffers) {
  std::string input;
  std::string expected;
  for (int row = 1; row <= 300000; ++row) {
    const int frequency = row % 4000 + 1;  // results stay within four digits
    const std::string values = "1," + std::to_string(frequency) + ",2";
    input += values + "\n";
    expected += values + "," + std::to_string(frequency * 2) + "\n";
  }
  const StrouhalRun run = RunStrouhal({"solve", "v", "--csv"}, input);
  EXPECT_EQ(0, run.exitCode);
  EXPECT_TRUE(run.out == expected) << "output differs; its size is " << run.out.size();
}

TEST(SolveCsv, RowLongerThanTheReadBuffer) {
  const std::string padded = "0.2,10," + std::string(3'000'000, ' ') + "5";
  const StrouhalRun run = RunStrouhal({"solve", "d", "--csv"}, "1,1,1\n" + padded + "\n1,1,1\n");
  EXPECT_EQ(0, run.exitCode);
  EXPECT_TRUE(run.out == "1,1,1,1\n" + padded + ",0.1\n1,1,1,1\n");
}

TEST(Correlate, OneEstimatePerArgument) {
  ExpectSuccess(RunStrouhal({"correlate", "2e5", "1000", "40", "30", "-5", "abc", "1e300"}),
                "0.196\n0.210\n0.065\n0.000\n0.000\n0.000\n0.230\n");
  ExpectSuccess(RunStrouhal({"correlate", "--csv"}, "2e5\n\n40\r\n-1\n30"),
                "2e5,0.196\n40,0.065\n-1,0.000\n30,0.000\n");
}

// Every batch: a field without a number or a row with another number of
// fields is an input error, and the byte-order mark spreadsheets write
// before the first row changes nothing.
TEST(CsvBatches, RowsWithoutTheirNumbersAreInputErrorsAndAByteOrderMarkIsSkipped) {
  ExpectSuccess(RunStrouhal({"correlate", "--csv"}, "Re\n2e5,1\n,\nnan\n 2e5 Pa\n"),
                "Re,Input Error\n2e5,1,Input Error\n,,Input Error\nnan,Input Error\n 2e5 Pa,0.196\n");
  const std::vector<std::pair<Arguments, std::string>> batches = {
      {{"correlate", "--csv"}, "2e5\n"},
      {{"solve", "d", "--csv"}, "0.2,10,5\n"},
      {{"screen", "--fluid", "water", "--temperature", "20", "--csv"}, "1,0.1,2\n"},
  };
  for (const auto& [arguments, rows] : batches) {
    const StrouhalRun plain = RunStrouhal(arguments, rows);
    EXPECT_EQ(std::string::npos, plain.out.find("Input Error")) << arguments[0];
    ExpectSuccess(RunStrouhal(arguments, "\xEF\xBB\xBF" + rows), plain.out);
  }
}

TEST(Labels, SlotOrderForScripts) {
  ExpectSuccess(RunStrouhal({"labels", "d"}),
                "Strouhal Number\nFrequency of Vortices (Hz)\nFreestream velocity (m/sec)\n");
  ExpectSuccess(RunStrouhal({"labels", "st", "--units", "english"}),
                "Frequency of Vortices (Hz)\nDiameter (ft)\nFreestream velocity (ft/sec)\n");
}

TEST(Output, AFullDiskIsAFailure) {
  if (std::string_view(STROUHAL_FULL_DEVICE).empty()) GTEST_SKIP() << "no device that is always full here";
  for (const Arguments& arguments : {Arguments{"solve", "d", "0.2", "10", "5"}, Arguments{"solve", "d", "--csv"}}) {
    const StrouhalRun run = RunStrouhal(arguments, "0.2,10,5\n", STROUHAL_FULL_DEVICE);
    EXPECT_EQ(1, run.exitCode);
    EXPECT_EQ("strouhal: cannot write standard output\n", run.err);
  }
}

}  // namespace
