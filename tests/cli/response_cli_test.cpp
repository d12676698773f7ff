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

// The steel tube of the core tests (D = 1 m, t = 8 mm, E = 210 GPa,
// 7850 kg/m^3, 30 m cantilever): f1 = 1.127935 Hz, F.2(3) 1.111111 Hz,
// 195.7137 kg/m; read back from JSON with the keys the figures promise.
TEST(ResponseJson, TubeCaseReadsBack) {
  const StrouhalRun run = RunStrouhal({"response", "--diameter", "1", "--height", "30", "--wall-thickness", "0.008",
                                       "--youngs-modulus", "2.1e11", "--material-density", "7850",
                                       "--log-decrement", "0.012", "--mean-wind", "25", "--json"});
  ASSERT_EQ(0, run.exitCode) << run.err;
  const auto fields = ReadJson(run.out);
  ASSERT_TRUE(fields.has_value()) << run.out;
  EXPECT_NEAR(1.127935, std::stod(fields->at("natural_frequency")), 1e-6);
  EXPECT_NEAR(1.111111, std::stod(fields->at("natural_frequency_en1991_f2")), 1e-6);
  EXPECT_NEAR(195.7137, std::stod(fields->at("mass_per_length")), 1e-4);
  for (const char* key : {"scruton_number", "stability_parameter", "critical_velocity", "reynolds_number", "clat",
                          "correlation_length_ratio", "k", "kw", "amplitude", "amplitude_ratio", "inertia_force",
                          "base_moment", "load_cycles"}) {
    EXPECT_GT(std::stod(fields->at(key)), 0.0) << key;
  }
  EXPECT_EQ("cantilever", fields->at("support"));
  EXPECT_EQ("true", fields->at("eurocode.investigate"));
  EXPECT_EQ("true", fields->at("correlation.settled"));
  EXPECT_EQ("tube", fields->at("frequency.verdict"));
  EXPECT_EQ("figure-e2", fields->at("figure_source.verdict"));

  // A pinned span has no base moment, and says so with null.
  const StrouhalRun pinned = RunStrouhal({"response", "--support", "pinned", "--diameter", "1", "--height", "30",
                                          "--natural-frequency", "1", "--mass", "200", "--damping-ratio", "0.002",
                                          "--mean-wind", "25", "--json"});
  const auto pinnedFields = ReadJson(pinned.out);
  ASSERT_TRUE(pinnedFields.has_value()) << pinned.out;
  EXPECT_EQ("null", pinnedFields->at("base_moment"));
  EXPECT_EQ("damping-ratio-given", pinnedFields->at("damping.verdict"));
}

TEST(ResponsePlain, EnglishUnitsLabelTheirFigures) {
  const StrouhalRun run =
      RunStrouhal({"response", "--units", "english", "--diameter", "3.28", "--height", "98.4", "--natural-frequency",
                   "1", "--mass", "134", "--log-decrement", "0.012", "--mean-wind", "82"});
  EXPECT_EQ(0, run.exitCode) << run.err;
  EXPECT_NE(std::string::npos, run.out.find("\nMass per length (lb/ft): 134\n"));
  EXPECT_NE(std::string::npos, run.out.find("\nAmplitude yF,max (ft): "));
  EXPECT_NE(std::string::npos, run.out.find("\nBase bending moment (lbf ft): "));
}

// An input error names the option's field and quotes what was typed; text
// without a number is one even where 0 is allowed. Wrong combinations are
// usage errors.
TEST(ResponseErrors, NameTheFieldOrTheOptions) {
  const Arguments tube = {"response", "--diameter", "1", "--height", "30", "--wall-thickness", "0.008",
                          "--youngs-modulus", "2.1e11", "--material-density", "7850", "--log-decrement", "0.012",
                          "--mean-wind", "25", "--extra-mass"};
  Arguments noNumber = tube;
  noNumber.push_back("none");
  const StrouhalRun none = RunStrouhal(noNumber);
  EXPECT_EQ(1, none.exitCode);
  EXPECT_EQ("Input Error: \"Extra mass per length (kg/m)\" must be a number, got \"none\"\n", none.err);
  Arguments zero = tube;
  zero.push_back("0");
  EXPECT_EQ(0, RunStrouhal(zero).exitCode);

  const StrouhalRun wide = RunStrouhal({"response", "--diameter", "1", "--height", "30", "--wall-thickness", "0.6",
                                        "--youngs-modulus", "2.1e11", "--material-density", "7850",
                                        "--log-decrement", "0.012", "--mean-wind", "25"});
  EXPECT_EQ(1, wide.exitCode);
  EXPECT_NE(std::string::npos, wide.err.find("\"Wall thickness (m)\""));

  const StrouhalRun both = RunStrouhal({"response", "--diameter", "1", "--height", "30", "--natural-frequency", "1",
                                        "--mass", "200", "--wall-thickness", "0.008", "--log-decrement", "0.012",
                                        "--mean-wind", "25"});
  EXPECT_EQ(2, both.exitCode);
  const StrouhalRun undamped = RunStrouhal({"response", "--diameter", "1", "--height", "30", "--natural-frequency",
                                            "1", "--mass", "200", "--mean-wind", "25"});
  EXPECT_EQ(2, undamped.exitCode);
  EXPECT_NE(std::string::npos, undamped.err.find("--log-decrement or --damping-ratio"));
}

// --svg adds the chart, well-formed, and leaves what is printed as it was;
// a batch takes none.
TEST(ResponseSvg, WritesTheChartBesideTheSameOutput) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "strouhal-response-test.svg";
  Arguments chimney = {"response", "--diameter", "1", "--height", "30", "--natural-frequency", "1",
                       "--mass", "200", "--log-decrement", "0.012", "--mean-wind", "25"};
  const StrouhalRun plain = RunStrouhal(chimney);
  chimney.insert(chimney.end(), {"--svg", path.string()});
  const StrouhalRun charted = RunStrouhal(chimney);
  ASSERT_EQ(0, charted.exitCode) << charted.err;
  EXPECT_EQ(plain.out, charted.out);
  std::string svg;
  {
    // Closed before the file goes: Windows removes no open file.
    std::ifstream file(path);
    svg.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  for (const char* part : {"<title>Vortex-induced amplitude against Scruton number, b = 1 m, fn = 1 Hz</title>",
                           ">Scruton number Sc</text>", ">Amplitude yF,max / b</text>", "<polyline", "</svg>\n"}) {
    EXPECT_NE(std::string::npos, svg.find(part)) << part;
  }
  if (!std::string_view(STROUHAL_XML_CHECKER).empty()) {
    const std::string check = STROUHAL_XML_CHECKER " '" + path.string() + "'";
    EXPECT_EQ(0, std::system(check.c_str())) << "xmllint (libxml2-utils) rejects the SVG";
  }
  std::filesystem::remove(path);

  EXPECT_EQ(2, RunStrouhal({"response", "--csv", "--svg", path.string()}).exitCode);
}

}  // namespace
