#include "cli/csv_stream.h"

namespace cli {

BlockReader::BlockReader(std::FILE* input, std::size_t blockSize) : input_(input), blockSize_(blockSize) {}

bool BlockReader::Next(std::string& block) {
  block.swap(pending_);
  pending_.clear();
  while (!exhausted_) {
    const std::size_t start = block.size();
    block.resize(start + blockSize_);
    const std::size_t read = std::fread(block.data() + start, 1, blockSize_, input_);
    block.resize(start + read);
    exhausted_ = read == 0;
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
