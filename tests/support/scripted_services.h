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
    platform::HKEY root;
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

  platform::ResultCode ShellExecute(const char* verb, const char* target, int showCommand) override;
  platform::RegError RegOpenKeyEx(platform::HKEY root, const char* subKey, unsigned long access,
                                  platform::HKEY* result) override;
  platform::RegError RegQueryValue(platform::HKEY key, char* value, long* size) override;
  platform::RegError RegCloseKey(platform::HKEY key) override;
  platform::ResultCode WinExec(const char* commandLine, std::size_t targetOffset, int showCommand) override;

 private:
  std::map<platform::HKEY, std::string> openKeys_;
  platform::HKEY nextKey_ = 0x1000;
};
