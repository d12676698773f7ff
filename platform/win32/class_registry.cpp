#include "platform/win32/class_registry.h"

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
  if (size == nullptr) return ERROR_INVALID_PARAMETER;
  return RegQueryValueA(RegistryHandle(key), nullptr, value, size);
}

RegError CloseClassesRootKey(RegKey key) { return RegCloseKey(RegistryHandle(key)); }

}  // namespace platform
