#pragma once
// A stand-in for the desktop's services, installed for its lifetime: the
// test scripts what the shell returns, what the class registry holds and what
// starting a command line returns, and reads back every call made.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/services.h"

class ScriptedServices : public platform::Services {
 public:
  struct ShellCall {
    std::string verb;
    std::string target;
    int showCommand;
  };
  struct KeyOpen {
    platform::RegKey root;
    std::string subKey;
    unsigned long access;
  };
  struct StartCall {
    std::string commandLine;
    std::size_t targetOffset;
    int showCommand;
  };

  ScriptedServices();
  ~ScriptedServices() override;
  ScriptedServices(const ScriptedServices&) = delete;
  ScriptedServices& operator=(const ScriptedServices&) = delete;

  // The script.
  platform::ResultCode shellResult = 31;
  platform::ResultCode startResult = 33;
  // Keys of the class registry and their default values. A value longer
  // than the buffer a caller offers fails with ERROR_MORE_DATA after filling
  // the offered bytes with junk.
  std::map<std::string, std::string> registry;

  // What was asked.
  std::vector<ShellCall> shellCalls;
  std::vector<KeyOpen> keyOpens;
  std::vector<StartCall> startCalls;
  int KeysLeftOpen() const { return static_cast<int>(openKeys_.size()); }

  platform::ResultCode ShellExecuteA(const char* verb, const char* target, int showCommand) override;
  platform::RegError RegOpenKeyExA(platform::RegKey root, const char* subKey, unsigned long access,
                                   platform::RegKey* result) override;
  platform::RegError RegQueryValueA(platform::RegKey key, char* value, long* size) override;
  platform::RegError RegCloseKey(platform::RegKey key) override;
  platform::ResultCode WinExec(const char* commandLine, std::size_t targetOffset, int showCommand) override;

 private:
  std::map<platform::RegKey, std::string> openKeys_;
  platform::RegKey nextKey_ = 0x1000;
};
