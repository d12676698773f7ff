#include "tests/support/scripted_services.h"

#include <cstring>

ScriptedServices::ScriptedServices() { platform::InstallServices(this); }

ScriptedServices::~ScriptedServices() { platform::InstallServices(nullptr); }

platform::ResultCode ScriptedServices::ShellExecuteA(const char* verb, const char* target, int showCommand) {
  shellCalls.push_back({verb ? verb : "", target ? target : "", showCommand});
  return shellResult;
}

platform::RegError ScriptedServices::RegOpenKeyExA(platform::RegKey root, const char* subKey,
                                                   unsigned long access, platform::RegKey* result) {
  keyOpens.push_back({root, subKey ? subKey : "", access});
  if (root != platform::kClassesRoot || !subKey || !registry.contains(subKey)) {
    return platform::kRegFileNotFound;
  }
  *result = nextKey_++;
  openKeys_[*result] = subKey;
  return platform::kRegSuccess;
}

platform::RegError ScriptedServices::RegQueryValueA(platform::RegKey key, char* value, long* size) {
  const auto open = openKeys_.find(key);
  if (open == openKeys_.end()) return platform::kRegFileNotFound;
  const std::string& stored = registry.at(open->second);
  const long needed = static_cast<long>(stored.size()) + 1;
  if (needed > *size) {
    std::memset(value, 'J', static_cast<std::size_t>(*size));  // no terminator anywhere
    *size = needed;
    return platform::kRegMoreData;
  }
  std::memcpy(value, stored.c_str(), static_cast<std::size_t>(needed));
  *size = needed;
  return platform::kRegSuccess;
}

platform::RegError ScriptedServices::RegCloseKey(platform::RegKey key) {
  return openKeys_.erase(key) ? platform::kRegSuccess : platform::kRegFileNotFound;
}

platform::ResultCode ScriptedServices::WinExec(const char* commandLine, std::size_t targetOffset,
                                               int showCommand) {
  startCalls.push_back({commandLine ? commandLine : "", targetOffset, showCommand});
  return startResult;
}
