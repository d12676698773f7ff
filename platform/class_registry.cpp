#include "platform/class_registry.h"

#include <array>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/ascii_case.h"
#include "platform/desktop_entry.h"
#include "platform/installed_applications.h"
#include "platform/xdg_locations.h"

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

// The default value of subKey below HKEY_CLASSES_ROOT, or nothing when there
// is no such key.
std::optional<std::string> ClassesRootDefault(std::string_view subKey,
                                              const XdgLocations& locations) {
  for (const ExtensionType& known : kExtensionTypes) {
    if (EqualsIgnoringAsciiCase(subKey, known.extension)) {
      return DefaultApplication(known.mimeType, locations);
    }
  }
  if (!EndsWithIgnoringAsciiCase(subKey, kOpenCommandKey)) return std::nullopt;
  const std::string_view id = subKey.substr(0, subKey.size() - kOpenCommandKey.size());
  const std::optional<std::string> entry = InstalledDesktopEntry(id, locations.applicationFolders);
  if (!entry) return std::nullopt;
  return OpenCommandOfEntry(*entry);
}

}  // namespace

RegError ClassRegistry::Open(HKEY root, const char* subKey, HKEY* result) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  if (root != HKEY_CLASSES_ROOT || subKey == nullptr) return ERROR_FILE_NOT_FOUND;
  std::optional<std::string> value = ClassesRootDefault(subKey, CurrentXdgLocations());
  if (!value) return ERROR_FILE_NOT_FOUND;
  const std::lock_guard lock(mutex_);
  do {
    ++lastHandle_;
  } while (lastHandle_ == 0 || lastHandle_ == HKEY_CLASSES_ROOT || openKeys_.contains(lastHandle_));
  openKeys_.emplace(lastHandle_, std::move(*value));
  *result = lastHandle_;
  return ERROR_SUCCESS;
}

RegError ClassRegistry::Query(HKEY key, char* value, long* size) {
  if (size == nullptr) return ERROR_INVALID_PARAMETER;
  const std::lock_guard lock(mutex_);
  const auto open = openKeys_.find(key);
  if (open == openKeys_.end()) return ERROR_INVALID_HANDLE;
  const std::string& text = open->second;
  const long offered = *size;
  *size = static_cast<long>(text.size() + 1);
  if (value == nullptr) return ERROR_SUCCESS;
  if (offered < *size) {
    if (offered > 0) value[0] = '\0';
    return ERROR_MORE_DATA;
  }
  std::memcpy(value, text.c_str(), text.size() + 1);
  return ERROR_SUCCESS;
}

RegError ClassRegistry::Close(HKEY key) {
  const std::lock_guard lock(mutex_);
  return openKeys_.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace platform
