#include "platform/win32/class_registry.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

namespace {

// The registry's own handle of the root that platform::kClassesRoot names.
::HKEY ClassesRoot() { return HKEY_CLASSES_ROOT; }

}  // namespace

namespace platform {
namespace {

::HKEY RegistryHandle(RegKey key) { return reinterpret_cast<::HKEY>(key); }

}  // namespace

RegError OpenClassesRootKey(const char* subKey, RegKey* result) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  ::HKEY opened = nullptr;
  const LONG error = RegOpenKeyExA(ClassesRoot(), subKey, 0, KEY_QUERY_VALUE, &opened);
  if (error == ERROR_SUCCESS) *result = reinterpret_cast<RegKey>(opened);
  return error;
}

RegError QueryDefaultValue(RegKey key, char* value, long* size) {
  if (size == nullptr || *size < 0) return ERROR_INVALID_PARAMETER;
  ::HKEY handle = RegistryHandle(key);
  DWORD type = 0;
  DWORD length = 0;
  LONG error = RegQueryValueExA(handle, nullptr, nullptr, &type, nullptr, &length);
  if (error != ERROR_SUCCESS) return error;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_UNSUPPORTED_TYPE;
  // Zeroed and a byte longer than the value: one stored without its
  // terminator still ends in the buffer.
  std::vector<char> stored(length + 1, '\0');
  error = RegQueryValueExA(handle, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(stored.data()), &length);
  if (error != ERROR_SUCCESS) return error;
  std::string text(stored.data(), std::min<std::size_t>(length, stored.size() - 1));
  text.resize(std::strlen(text.c_str()));
  if (type == REG_EXPAND_SZ) {
    // Installers register paths such as %ProgramFiles%\Browser\browser.exe.
    const DWORD expandedSize = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (expandedSize == 0) return static_cast<RegError>(GetLastError());
    std::string expanded(expandedSize, '\0');
    if (ExpandEnvironmentStringsA(text.c_str(), expanded.data(), expandedSize) == 0) {
      return static_cast<RegError>(GetLastError());
    }
    text = expanded.c_str();
  }
  const long needed = static_cast<long>(text.size() + 1);
  const long offered = *size;
  *size = needed;
  if (value == nullptr) return ERROR_SUCCESS;
  if (needed > offered) return ERROR_MORE_DATA;
  std::memcpy(value, text.c_str(), static_cast<std::size_t>(needed));
  return ERROR_SUCCESS;
}

RegError CloseClassesRootKey(RegKey key) { return RegCloseKey(RegistryHandle(key)); }

}  // namespace platform
