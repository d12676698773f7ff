#include "cli/csv_stream.h"

namespace cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

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
    // The mark is looked for once the start holds as many bytes as it, or a
    // line end, or all there is (a small block may cut it in two).
    if (atStart_ && (block.size() >= kByteOrderMark.size() || exhausted_ || block.find('\n') != std::string::npos)) {
      if (std::string_view(block).starts_with(kByteOrderMark)) block.erase(0, kByteOrderMark.size());
      atStart_ = false;
    }
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
