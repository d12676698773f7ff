#include "tests/robustness/chance_services.h"

#include <array>

namespace {

// Every classic failure code, and one no message names.
constexpr std::array<platform::ResultCode, 14> kFailures{0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32, 17};

}  // namespace

ChanceServices::ChanceServices(std::uint64_t seed) : engine_(seed) {
  registry[".htm"] = "monkey-browser.desktop";
  registry["monkey-browser.desktop\\shell\\open\\command"] = "monkey-browser --new-window \"%1\"";
}

platform::ResultCode ChanceServices::Draw() {
  platform::ResultCode code = 0;
  if (std::bernoulli_distribution(0.5)(engine_)) {
    code = std::uniform_int_distribution<platform::ResultCode>(33, 4096)(engine_);
    ++opened_;
  } else {
    code = kFailures[std::uniform_int_distribution<std::size_t>(0, kFailures.size() - 1)(engine_)];
    ++failed_;
  }
  return code;
}

platform::ResultCode ChanceServices::ShellExecuteA(const char* verb, const char* target, int showCommand) {
  shellResult = Draw();
  return ScriptedServices::ShellExecuteA(verb, target, showCommand);
}

platform::ResultCode ChanceServices::WinExec(const char* commandLine, std::size_t targetOffset, int showCommand) {
  startResult = Draw();
  return ScriptedServices::WinExec(commandLine, targetOffset, showCommand);
}
