#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "json_reader.h"
#include "run_strouhal.h"

namespace {

using Arguments = std::vector<std::string>;

const Arguments kWaterCase = {"screen", "--fluid", "water", "--temperature", "20",
                              "--velocity", "1", "--diameter", "0.1", "--natural-frequency", "2"};

Arguments With(Arguments arguments, const Arguments& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

// The worked case of the core tests (fresh water at 20 C, V = 1, D = 0.1,
// fn = 2: Re 99661, fs/fn 0.95007, Vcrit 1.05053), read back from JSON.
TEST(ScreenJson, IsOneWellFormedObjectWithNumbersAsNumbers) {
  const StrouhalRun run = RunStrouhal(With(kWaterCase, {"--json"}));
  ASSERT_EQ(0, run.exitCode) << run.err;
  const auto fields = ReadJson(run.out);
  ASSERT_TRUE(fields.has_value()) << run.out;
  EXPECT_EQ("fresh water", fields->at("fluid"));
  EXPECT_EQ("0.8", fields->at("band[0]"));
  EXPECT_NEAR(99661.2, std::stod(fields->at("reynolds_number")), 0.1);
  EXPECT_NEAR(0.95007, std::stod(fields->at("frequency_ratio")), 1e-5);
  EXPECT_NEAR(1.05053, std::stod(fields->at("critical_velocity")), 1e-5);
  EXPECT_EQ("lock-in", fields->at("lock_in.verdict"));
  // The Eurocode rule is for wind: in water it is not applied.
  EXPECT_EQ("null", fields->at("eurocode.investigate"));
  EXPECT_EQ("not-applicable", fields->at("eurocode.verdict"));
  EXPECT_EQ("true", fields->at("viv_ranges.cross_flow"));

  // Below the onset the lock-in figures are null, not numbers.
  const StrouhalRun still = RunStrouhal({"screen", "--viscosity", "1e-3", "--velocity", "0.01", "--diameter",
                                         "0.1", "--natural-frequency", "2", "--json"});
  const auto stillFields = ReadJson(still.out);
  ASSERT_TRUE(stillFields.has_value()) << still.out;
  EXPECT_EQ("null", stillFields->at("shedding_frequency"));
  EXPECT_EQ("null", stillFields->at("fluid"));
  EXPECT_EQ("no-shedding", stillFields->at("lock_in.verdict"));
}

TEST(ScreenPlain, EnglishUnitsLabelTheirFigures) {
  // Air at 68 F, V = 10 ft/sec, D = 0.1 ft, fn = 20 Hz: fs = 20.21 Hz.
  const StrouhalRun run = RunStrouhal({"screen", "--units", "english", "--fluid", "air", "--temperature", "68",
                                       "--velocity", "10", "--diameter", "0.1", "--natural-frequency", "20"});
  EXPECT_EQ(0, run.exitCode);
  EXPECT_NE(std::string::npos, run.out.find("\nShedding frequency (Hz): 20.21\n"));
  EXPECT_NE(std::string::npos, run.out.find("\nCritical velocity, fs = fn (ft/sec): "));
  EXPECT_EQ(0u, run.out.find("Kinematic viscosity (ft^2/sec): 0.0001621\n"));
  EXPECT_NE(std::string::npos, run.out.find("\nEurocode rule: Vortex shedding must be investigated: Vcrit does not "
                                            "exceed 1.25 V (EN 1991-1-4, E.1.2(2)).\n"));
}

TEST(ScreenCsv, HeaderThenOneLinePerRow) {
  const StrouhalRun run = RunStrouhal({"screen", "--viscosity", "1e-3", "--csv"},
                                      "0.01,0.1,2\n\n1,2\r\n1,2,3,4\n0.01,0.1,-2\n  \n");
  EXPECT_EQ(0, run.exitCode);
  EXPECT_EQ("V,D,FN,Re,St,fs,fs/fn,Vr,Vcrit,V_lock_in_low,V_lock_in_high,lock_in,eurocode,viv_ranges\n"
            // Re 1: no shedding, fs and fs/fn left empty; Vcrit 1.28873 as in the core tests.
            "0.01,0.1,2,1,0.000,,,0.05,1.289,1.068,1.503,no-shedding,not-applicable,none\n"
            "1,2,Input Error\n"
            "1,2,3,4,Input Error\n"
            "0.01,0.1,-2,Input Error\n",
            run.out);
}

// A batch of many blocks, answered on several threads: each row gets the
// answer it gets alone, in its place.
TEST(ScreenCsv, RowsAcrossManyBlocksKeepTheirAnswersAndOrder) {
  const Arguments batch = {"screen", "--fluid", "water", "--temperature", "20", "--csv"};
  const std::vector<std::string> rows = {"1,0.1,2", "0.01,0.1,2", "0.5,0.05,5", "1,0,2", "3,0.02,40", "0.2,1,0.05", "7"};
  std::vector<std::string> answers;
  for (const std::string& row : rows) {
    const StrouhalRun alone = RunStrouhal(batch, row + "\n");
    answers.push_back(alone.out.substr(alone.out.find('\n') + 1));
  }
  std::string input;
  std::string expected = RunStrouhal(batch).out;  // the header
  for (std::size_t i = 0; i < 200000; ++i) {
    const std::size_t pick = (i * i + 3 * i) % rows.size();
    input += rows[pick] + "\n";
    expected += answers[pick];
  }
  const StrouhalRun run = RunStrouhal(batch, input);
  EXPECT_EQ(0, run.exitCode);
  EXPECT_TRUE(run.out == expected) << "output differs; its size is " << run.out.size();
}

TEST(ScreenSvg, WritesAWellFormedChart) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "strouhal-screen-test.svg";
  const StrouhalRun run = RunStrouhal(With(kWaterCase, {"--svg", path.string()}));
  ASSERT_EQ(0, run.exitCode) << run.err;
  std::string svg;
  {
    // Closed before the file goes: Windows removes no open file.
    std::ifstream file(path);
    svg.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  EXPECT_EQ(0u, svg.find("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\""));
  for (const char* part : {"<title>", "<polyline", "<circle", ">Flow velocity (m/sec)</text>", ">Frequency (Hz)</text>",
                           ">1.5</text>", ">Lock-in band 0.8 to 1.2 fn</text>", "</svg>\n"}) {
    EXPECT_NE(std::string::npos, svg.find(part)) << part;
  }
  if (!std::string_view(STROUHAL_XML_CHECKER).empty()) {
    const std::string check = STROUHAL_XML_CHECKER " '" + path.string() + "'";
    EXPECT_EQ(0, std::system(check.c_str())) << "xmllint (libxml2-utils) rejects the SVG";
  }
  std::filesystem::remove(path);
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The chart replaces an existing file only when it has been written whole;
// a failure says why and leaves no file of its own behind.
TEST(ScreenSvg, IsWrittenWholeOrNotAtAll) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "strouhal-svg-whole";
  const std::filesystem::path chart = folder / "chart.svg";
  const std::string missing = (folder / "nodir" / "chart.svg").string();
  struct Case {
    std::string target;
    std::uintmax_t fileSizeCap;
    std::string error;  // empty: the chart replaces the old one
  };
  const std::vector<Case> cases = {
      {chart.string(), 0, ""},
      {chart.string(), 1024, "strouhal: cannot write " + chart.string() + ": File too large\n"},
      {missing, 0, "strouhal: cannot write " + missing + ": No such file or directory\n"},
      {"", 0, "strouhal: cannot write a file with an empty name\n"},
  };
  for (const Case& test : cases) {
    if (test.fileSizeCap != 0 && STROUHAL_CAPS_FILE_SIZE == 0) continue;  // no such cap on Windows
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::ofstream(chart, std::ios::binary) << "the old chart";
    const StrouhalRun run = RunStrouhal(With(kWaterCase, {"--svg", test.target}), {}, {}, test.fileSizeCap);
    EXPECT_EQ(test.error.empty() ? 0 : 1, run.exitCode) << test.target;
    EXPECT_EQ(test.error, run.err);
    const std::string text = FileText(chart);
    EXPECT_TRUE(test.error.empty() ? text.starts_with("<?xml") : text == "the old chart") << test.target;
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder), {})) << "a file left beside the chart";
  }
  std::filesystem::remove_all(folder);
}

TEST(ScreenErrors, InputErrorsNameTheFieldAndUsageErrorsExitTwo) {
  const StrouhalRun hot = RunStrouhal({"screen", "--fluid", "seawater", "--temperature", "41", "--velocity", "1",
                                       "--diameter", "0.1", "--natural-frequency", "2"});
  EXPECT_EQ(1, hot.exitCode);
  EXPECT_EQ("Input Error: \"Temperature (deg C)\" must lie between 0 and 40 for sea water, got \"41\"\n", hot.err);
  const StrouhalRun diameter = RunStrouhal({"screen", "--viscosity", "1e-6", "--velocity", "1", "--diameter", "-0.1",
                                            "--natural-frequency", "2"});
  EXPECT_EQ(1, diameter.exitCode);
  EXPECT_EQ("Input Error: \"Diameter (m)\" must be finite and greater than 1e-40, got \"-0.1\"\n", diameter.err);
  for (const std::string typed : {"", "nan"}) {  // where 0 deg would pass
    Arguments noNumber = kWaterCase;
    noNumber[4] = typed;
    const StrouhalRun run = RunStrouhal(noNumber);
    EXPECT_EQ(1, run.exitCode) << typed;
    EXPECT_EQ("", run.out);
    EXPECT_EQ("Input Error: \"Temperature (deg C)\" must lie between 0 and 40 for fresh water, got \"" + typed + "\"\n",
              run.err);
  }
  const StrouhalRun band = RunStrouhal(With(kWaterCase, {"--band", "1.2,0.8"}));
  EXPECT_EQ(1, band.exitCode);
  EXPECT_NE(std::string::npos, band.err.find("\"Lock-in band (fs/fn)\""));

  const std::vector<Arguments> misuses = {
      {"screen"},
      {"screen", "--fluid", "oil", "--temperature", "20"},
      {"screen", "--fluid", "water", "--velocity", "1", "--diameter", "1", "--natural-frequency", "1"},
      {"screen", "--viscosity", "1e-6", "--fluid", "water", "--temperature", "20", "--csv"},
      {"screen", "--viscosity", "1e-6", "--velocity", "1", "--csv"},
      {"screen", "--viscosity", "1e-6", "--csv", "--json"},
      {"screen", "--viscosity", "1e-6", "--velocity", "1", "--diameter", "1"},
      {"screen", "--viscosity", "1e-6", "--csv", "--band", "0.8"},
      {"screen", "--viscosity", "1e-6", "--csv", "1"},
      {"screen", "--viscosity"},
      {"solve", "d", "--json", "1", "2", "3"},
  };
  for (const Arguments& arguments : misuses) {
    const StrouhalRun run = RunStrouhal(arguments);
    EXPECT_EQ(2, run.exitCode) << arguments.back();
    EXPECT_EQ("", run.out);
    EXPECT_NE(std::string::npos, run.err.find("\nUsage:\n")) << arguments.back();
  }
}

}  // namespace
