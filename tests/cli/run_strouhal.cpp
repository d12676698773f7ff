#include "run_strouhal.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "program_run.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A fresh folder for one run's files, removed with it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() / ("strouhal-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::filesystem::path operator/(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace

StrouhalRun RunStrouhal(const std::vector<std::string>& arguments, std::string_view input,
                        const std::string& outputPath, std::uintmax_t fileSizeCap) {
  const char* binary = std::getenv("STROUHAL_BINARY");
  if (binary == nullptr) throw std::runtime_error("STROUHAL_BINARY is not set");

  const ScratchFolder scratch;
  const std::filesystem::path inPath = scratch / "in";
  const std::filesystem::path outPath = outputPath.empty() ? scratch / "out" : std::filesystem::path(outputPath);
  const std::filesystem::path errPath = scratch / "err";
  std::ofstream(inPath, std::ios::binary).write(input.data(), static_cast<std::streamsize>(input.size()));

  StrouhalRun run;
  run.exitCode = RunProgram(binary, arguments, inPath, outPath, errPath, fileSizeCap);
  if (outputPath.empty()) run.out = ReadFile(outPath);
  run.err = ReadFile(errPath);
  return run;
}
