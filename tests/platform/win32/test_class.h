#pragma once
// A class of the test's own below HKEY_CLASSES_ROOT, written with the
// registry's own calls (the services only read), and removed again.

#include <cstddef>
#include <string>

namespace platform {

enum class StoredType { String, ExpandableString, Binary };

class TestClass {
 public:
  TestClass();  // a name no other test run uses
  ~TestClass();
  TestClass(const TestClass&) = delete;
  TestClass& operator=(const TestClass&) = delete;

  const std::string& Name() const { return name_; }
  // Stores size bytes of data, as they are (no terminator added), as the
  // default value of subKey below the class ("" for the class itself).
  bool SetDefault(const std::string& subKey, StoredType type, const void* data, std::size_t size);

 private:
  std::string name_;
};

// Sets a variable of this process's environment, which expanding reads.
void SetProcessEnvironment(const char* name, const char* value);

}  // namespace platform
