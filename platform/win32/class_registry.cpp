#include "platform/win32/class_registry.h"

// After the project's headers: <windows.h> defines macros named like the
// constants of platform/services.h (with the same values, except that its
// HKEY_CLASSES_ROOT is the registry's own handle).
#include <windows.h>

namespace {

// Named here, outside namespace platform, whose HKEY is another type: the
// macro's own cast must mean the registry's handle type.
::HKEY ClassesRoot() { return HKEY_CLASSES_ROOT; }

}  // namespace

namespace platform {
namespace {

::HKEY RegistryHandle(HKEY key) { return reinterpret_cast<::HKEY>(key); }

}  // namespace

RegError OpenClassesRootKey(const char* subKey, HKEY* result) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  ::HKEY opened = nullptr;
  const LONG error = RegOpenKeyExA(ClassesRoot(), subKey, 0, KEY_QUERY_VALUE, &opened);
  if (error == ERROR_SUCCESS) *result = reinterpret_cast<HKEY>(opened);
  return error;
}

RegError QueryDefaultValue(HKEY key, char* value, long* size) {
  if (size == nullptr) return ERROR_INVALID_PARAMETER;
  return RegQueryValueA(RegistryHandle(key), nullptr, value, size);
}

RegError CloseClassesRootKey(HKEY key) { return RegCloseKey(RegistryHandle(key)); }

}  // namespace platform
