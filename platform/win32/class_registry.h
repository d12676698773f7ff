#pragma once
// The class registry, read only: the real HKEY_CLASSES_ROOT. Keys are the
// registry's own handles.

#include "platform/services.h"

namespace platform {

// Opens subKey below HKEY_CLASSES_ROOT for reading values.
RegError OpenClassesRootKey(const char* subKey, RegKey* result);

// The default value of key (a string, REG_SZ, or one with environment
// variables, REG_EXPAND_SZ, which comes expanded) into value, which offers
// *size bytes; *size becomes the bytes the text needs with its terminator.
// A value stored without a terminator reads up to its length. Text that
// does not fit gives ERROR_MORE_DATA and writes nothing; a value of another
// type gives ERROR_UNSUPPORTED_TYPE; ERROR_INVALID_PARAMETER without size.
RegError QueryDefaultValue(RegKey key, char* value, long* size);

RegError CloseClassesRootKey(RegKey key);

}  // namespace platform
