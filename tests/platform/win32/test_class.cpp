#include "tests/platform/win32/test_class.h"

#include <random>

// After the project's headers, as in the services' own sources.
#include <windows.h>

namespace platform {

TestClass::TestClass() : name_("VortexCalc.Test." + std::to_string(std::random_device{}())) {}

TestClass::~TestClass() { RegDeleteTreeA(HKEY_CLASSES_ROOT, name_.c_str()); }

bool TestClass::SetDefault(const std::string& subKey, StoredType type, const void* data, std::size_t size) {
  const std::string path = subKey.empty() ? name_ : name_ + "\\" + subKey;
  ::HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const DWORD kinds[] = {REG_SZ, REG_EXPAND_SZ, REG_BINARY};
  const LONG written = RegSetValueExA(key, nullptr, 0, kinds[static_cast<int>(type)], static_cast<const BYTE*>(data),
                                      static_cast<DWORD>(size));
  RegCloseKey(key);
  return written == ERROR_SUCCESS;
}

void SetProcessEnvironment(const char* name, const char* value) { SetEnvironmentVariableA(name, value); }

}  // namespace platform
