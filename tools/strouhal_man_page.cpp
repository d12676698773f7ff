// Writes strouhal's manual page from the help text strouhal prints:
//   strouhal_man_page OUTPUT.1

#include <cstdio>
#include <fstream>
#include <string>

#include "cli/usage_text.h"
#include "res/program_identity.h"
#include "tools/help_to_roff.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: strouhal_man_page OUTPUT.1\n", stderr);
    return 2;
  }
  const std::string source = std::string(program_identity::kShortName) + " " + program_identity::kVersionText;
  const std::string page = tools::HelpTextToRoff(
      cli::HelpText(), {.name = "strouhal",
                        .section = "1",
                        .summary = "Strouhal relation and Reynolds correlation calculator",
                        .source = source,
                        .manual = "User Commands"});
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file << page;
  file.close();
  if (!file) {
    std::fprintf(stderr, "strouhal_man_page: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
