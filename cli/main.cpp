// strouhal: the Strouhal relation, the Reynolds correlation, lock-in
// screening and the vortex-induced response from the command line and in
// batches.

#include <cstdio>
#include <span>
#include <string>
#include <variant>

#include "cli/command_line.h"
#include "cli/correlate_command.h"
#include "cli/exit_codes.h"
#include "cli/response_command.h"
#include "cli/screen_command.h"
#include "cli/solve_command.h"
#include "cli/usage_text.h"
#include "res/program_identity.h"

namespace {

int Run(const cli::Invocation& invocation) {
  switch (invocation.command) {
    case cli::Command::Solve:
      return invocation.csv ? cli::RunSolveRows(invocation) : cli::RunSolve(invocation);
    case cli::Command::Correlate:
      return invocation.csv ? cli::RunCorrelateRows() : cli::RunCorrelate(invocation);
    case cli::Command::Labels:
      return cli::RunLabels(invocation);
    case cli::Command::Screen:
      return invocation.csv ? cli::RunScreenRows(invocation) : cli::RunScreen(invocation);
    case cli::Command::Response:
      return invocation.response.csv ? cli::RunResponseRows(invocation.response) : cli::RunResponse(invocation.response);
    case cli::Command::Help: {
      const std::string help =
          invocation.helpTopic.empty() ? std::string(cli::HelpText()) : cli::CommandHelpText(invocation.helpTopic);
      std::fwrite(help.data(), 1, help.size(), stdout);
      return cli::kSuccess;
    }
    case cli::Command::Version:
      std::printf("strouhal (%s) %s\n%s %s\n", program_identity::kShortName,
                  program_identity::kVersionText, program_identity::kCopyright, program_identity::kAuthor);
      return cli::kSuccess;
  }
  return cli::kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = cli::ParseCommandLine(std::span<const char* const>(argv + 1, argv + argc));
  if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
    const std::string_view synopsis = cli::SynopsisText();
    std::fprintf(stderr, "strouhal: %s\n%.*sTry 'strouhal --help' for more information.\n",
                 error->message.c_str(), static_cast<int>(synopsis.size()), synopsis.data());
    return cli::kUsageError;
  }
  const int status = Run(std::get<cli::Invocation>(parsed));
  // A full disk or a closed pipe must not pass for success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fputs("strouhal: cannot write standard output\n", stderr);
    return cli::kFailure;
  }
  return status;
}
