#pragma once
// Desktop services that open a link or fail at random, through the shell
// or through the registered browser's command, so that the monkey meets
// both a followed link and every kind of failure box.

#include <cstdint>
#include <random>

#include "tests/support/scripted_services.h"

class ChanceServices : public ScriptedServices {
 public:
  explicit ChanceServices(std::uint64_t seed);

  platform::ResultCode ShellExecuteA(const char* verb, const char* target, int showCommand) override;
  platform::ResultCode WinExec(const char* commandLine, std::size_t targetOffset, int showCommand) override;

  int Opened() const { return opened_; }
  int Failed() const { return failed_; }

 private:
  platform::ResultCode Draw();

  std::mt19937_64 engine_;
  int opened_ = 0;
  int failed_ = 0;
};
