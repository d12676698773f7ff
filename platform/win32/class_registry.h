#pragma once
// The class registry, read only: the real HKEY_CLASSES_ROOT. Keys are the
// registry's own handles.

#include "platform/services.h"

namespace platform {

// Opens subKey below HKEY_CLASSES_ROOT for reading values.
RegError OpenClassesRootKey(const char* subKey, RegKey* result);

// RegQueryValueA's default value of key into value, which offers *size
// bytes; ERROR_INVALID_PARAMETER without size.
RegError QueryDefaultValue(RegKey key, char* value, long* size);

RegError CloseClassesRootKey(RegKey key);

}  // namespace platform
