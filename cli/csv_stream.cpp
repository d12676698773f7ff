#include "cli/csv_stream.h"

#include <algorithm>
#include <cstring>

namespace cli {
namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

LineReader::LineReader(std::FILE* input) : input_(input), buffer_(kChunkSize) {}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* begin = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    if (const void* newline = std::memchr(begin, '\n', available)) {
      const auto length = static_cast<std::size_t>(static_cast<const char*>(newline) - begin);
      line = WithoutCarriageReturn({begin, length});
      begin_ += length + 1;
      return true;
    }
    if (exhausted_) {
      if (available == 0) return false;
      line = WithoutCarriageReturn({begin, available});  // a last line without "\n"
      begin_ = end_;
      return true;
    }
    // Keep the partial line, make room, and read the next chunk behind it.
    std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_),
              buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
    end_ = available;
    begin_ = 0;
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    const std::size_t read = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, input_);
    end_ += read;
    exhausted_ = read == 0;
  }
}

bool LineReader::Failed() const { return std::ferror(input_) != 0; }

OutputBuffer::OutputBuffer(std::FILE* output) : output_(output) {
  pending_.reserve(kChunkSize + 256);
}

OutputBuffer::~OutputBuffer() { Flush(); }

void OutputBuffer::Appended() {
  if (pending_.size() >= kChunkSize) Flush();
}

void OutputBuffer::Flush() {
  if (!pending_.empty()) std::fwrite(pending_.data(), 1, pending_.size(), output_);
  pending_.clear();
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\v\f\r") == std::string_view::npos;
}

}  // namespace cli
