// Writes the arguments after its first into the file its first names, each
// followed by a NUL, so that a test sees how a command line reached a
// program's C runtime. The file appears whole: it is written under another
// name, then renamed.

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::filesystem::path record(argv[1]);
  std::filesystem::path partial = record;
  partial += ".part";
  {
    std::ofstream out(partial, std::ios::binary);
    for (int i = 2; i < argc; ++i) out << std::string_view(argv[i]) << '\0';
    if (!out) return 1;
  }
  std::error_code error;
  std::filesystem::rename(partial, record, error);
  return error ? 1 : 0;
}
