#include "cli/csv_stream.h"

namespace cli {
namespace {

// Small enough that both threads stay busy to the end, large enough that
// starting a thread for each block costs next to nothing.
constexpr std::size_t kBlockSize = std::size_t{1} << 18;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

BlockReader::BlockReader(std::FILE* input) : input_(input) {}

bool BlockReader::Next(std::string& block) {
  block.swap(pending_);
  pending_.clear();
  while (!exhausted_) {
    const std::size_t start = block.size();
    block.resize(start + kBlockSize);
    const std::size_t read = std::fread(block.data() + start, 1, kBlockSize, input_);
    block.resize(start + read);
    exhausted_ = read == 0;
    if (atStart_ && std::string_view(block).starts_with(kByteOrderMark)) block.erase(0, kByteOrderMark.size());
    atStart_ = false;
    // Whatever follows the last line end waits for the rest of its line.
    const std::size_t lastNewline = std::string_view(block).substr(start).rfind('\n');
    if (lastNewline != std::string_view::npos) {
      pending_.assign(block, start + lastNewline + 1);
      block.resize(start + lastNewline + 1);
      return true;
    }
  }
  return !block.empty();  // a last line without "\n", or nothing
}

bool BlockReader::Failed() const { return std::ferror(input_) != 0; }

}  // namespace cli
