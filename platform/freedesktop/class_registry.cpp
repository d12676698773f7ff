#include "platform/freedesktop/class_registry.h"

#include <array>
#include <cstring>
#include <utility>

#include "platform/ascii_case.h"
#include "platform/freedesktop/xdg_locations.h"

namespace platform {
namespace {

struct ExtensionType {
  std::string_view extension;
  std::string_view mimeType;
};
constexpr std::array<ExtensionType, 2> kExtensionTypes{{
    {kWebPageExtension, "text/html"},
    {".html", "text/html"},
}};

}  // namespace

ClassRegistry::ClassRegistry(TextFileReader read) : read_(std::move(read)) {}

std::optional<OpenCommand> ClassRegistry::OpenCommandOf(
    std::string_view id, const std::vector<std::filesystem::path>& folders) {
  {
    const std::lock_guard lock(mutex_);
    if (named_ && named_->id == id) {
      OpenCommand command = std::move(named_->command);
      named_.reset();
      return command;
    }
  }
  return InstalledOpenCommand(id, folders, read_);
}

std::optional<std::string> ClassRegistry::DefaultValue(std::string_view subKey) {
  const XdgLocations locations = CurrentXdgLocations();
  for (const ExtensionType& known : kExtensionTypes) {
    if (!EqualsIgnoringAsciiCase(subKey, known.extension)) continue;
    std::optional<Application> application = DefaultApplication(known.mimeType, locations, read_);
    if (!application) return std::nullopt;
    std::string id = application->id;
    const std::lock_guard lock(mutex_);
    named_ = std::move(application);
    return id;
  }
  if (!EndsWithIgnoringAsciiCase(subKey, kOpenCommandKey)) return std::nullopt;
  const std::string_view id = subKey.substr(0, subKey.size() - kOpenCommandKey.size());
  const std::optional<OpenCommand> command = OpenCommandOf(id, locations.applicationFolders);
  if (!command) return std::nullopt;
  handedOut_.Remember(*command);
  return command->Text();
}

RegError ClassRegistry::Open(RegKey root, const char* subKey, RegKey* result) {
  if (result == nullptr) return kRegInvalidParameter;
  if (root != kClassesRoot || subKey == nullptr) return kRegFileNotFound;
  std::optional<std::string> value = DefaultValue(subKey);
  if (!value) return kRegFileNotFound;
  const std::lock_guard lock(mutex_);
  do {
    ++lastHandle_;
  } while (lastHandle_ == 0 || lastHandle_ == kClassesRoot || openKeys_.contains(lastHandle_));
  openKeys_.emplace(lastHandle_, std::move(*value));
  *result = lastHandle_;
  return kRegSuccess;
}

RegError ClassRegistry::Query(RegKey key, char* value, long* size) {
  if (size == nullptr) return kRegInvalidParameter;
  const std::lock_guard lock(mutex_);
  const auto open = openKeys_.find(key);
  if (open == openKeys_.end()) return kRegInvalidHandle;
  const std::string& text = open->second;
  const long offered = *size;
  *size = static_cast<long>(text.size() + 1);
  if (value == nullptr) return kRegSuccess;
  if (offered < *size) {
    if (offered > 0) value[0] = '\0';
    return kRegMoreData;
  }
  std::memcpy(value, text.c_str(), text.size() + 1);
  return kRegSuccess;
}

RegError ClassRegistry::Close(RegKey key) {
  const std::lock_guard lock(mutex_);
  return openKeys_.erase(key) == 1 ? kRegSuccess : kRegInvalidHandle;
}

}  // namespace platform
