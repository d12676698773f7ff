#pragma once
// Batch mode: rows in, "row,answer" out. Rows are read in blocks of whole
// lines and the blocks answered on threads of their own, so that a batch
// uses every core; their answers are written in input order.

#include <array>
#include <cstdio>
#include <cstring>
#include <deque>
#include <future>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "cli/exit_codes.h"
#include "shedding/figure.h"
#include "shedding/number_text.h"
#include "shedding/text_builder.h"

namespace cli {

// The answer to a row that is not a valid input, as the single commands say it.
inline constexpr std::string_view kInputError = "Input Error";

// Small enough that both threads stay busy to the end, large enough that
// starting a thread for each block costs next to nothing.
inline constexpr std::size_t kReadBlockSize = std::size_t{1} << 18;

class BlockReader {
 public:
  // Reads blockSize bytes at a time (tests take a few, to cross many blocks).
  explicit BlockReader(std::FILE* input, std::size_t blockSize = kReadBlockSize);

  // The next lines of input, each with its "\n" (the input's last line may
  // have none), into block; false once the input is used up. A UTF-8
  // byte-order mark at the start of the input (spreadsheets write one) is
  // left out.
  bool Next(std::string& block);
  bool Failed() const;

 private:
  std::FILE* input_;
  std::size_t blockSize_;
  std::string pending_;  // read, but not yet a whole line
  bool exhausted_ = false;
  bool atStart_ = true;
};

// Nothing but white space: rows almost never are, and the first character tells.
inline bool IsBlank(std::string_view line) {
  for (const char c : line) {
    if (c != ' ' && c != '\t' && c != '\v' && c != '\f' && c != '\r') return false;
  }
  return true;
}

// The numbers of a row of exactly N comma-separated fields, each read as
// TextToNumber reads it; nothing if the row has another number of fields or
// a field holds no number at all (a header's word, an empty field).
template <std::size_t N>
std::optional<std::array<double, N>> RowNumbers(std::string_view row) {
  std::array<double, N> numbers;
  for (std::size_t field = 0; field < N; ++field) {
    // A number never holds a comma, so it is read from the rest of the row,
    // and only what follows it is searched for the field's end.
    std::size_t length = 0;
    const std::optional<double> number = shedding::NumberInText(row, length);
    if (!number) return std::nullopt;
    numbers[field] = *number;
    row.remove_prefix(length);
    const std::size_t comma = !row.empty() && row.front() == ',' ? 0 : row.find(',');
    const bool last = field + 1 == N;
    if (last != (comma == std::string_view::npos)) return std::nullopt;
    if (!last) row.remove_prefix(comma + 1);
  }
  return numbers;
}

// Each line of block without its "\n" or "\r\n".
template <typename Visit>
void ForEachLine(std::string_view block, Visit visit) {
  while (!block.empty()) {
    const void* newline = std::memchr(block.data(), '\n', block.size());
    const std::size_t length =
        newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - block.data()) : block.size();
    std::string_view line = block.substr(0, length);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    block.remove_prefix(newline ? length + 1 : length);
  }
}

// "row,answer\n" for every line of block that is not blank, into answers.
template <typename Answer>
std::string AnsweredBlock(std::string_view block, std::string answers, Answer& answer) {
  answers.clear();
  {
    shedding::TextBuilder line(answers);
    ForEachLine(block, [&](std::string_view row) {
      if (IsBlank(row)) return;
      line.Append(row);
      line.Append(',');
      answer(row, line);
      line.Append('\n');
    });
  }
  return answers;
}

// Blocks being answered at once: enough to keep two cores busy while the
// reading and writing thread waits for the oldest.
inline constexpr std::size_t kBlocksInFlight = 3;

// Writes "row,answer" for every line of input that is not blank, where
// answer(row, line) appends the answer to the output line, a TextBuilder.
// Every block gets its own copy of answer, so what a copy changes must be
// its own. False if the input could not be read; write errors stay in the
// output's error flag for the caller to check.
template <typename Answer>
bool AnswerEachRow(std::FILE* input, std::FILE* output, const Answer& answer,
                   std::size_t blockSize = kReadBlockSize) {
  BlockReader reader(input, blockSize);
  std::deque<std::future<std::string>> answering;
  std::string spare;  // the storage of written answers, for the next block
  const auto writeOldest = [&] {
    spare = answering.front().get();
    answering.pop_front();
    if (!spare.empty()) std::fwrite(spare.data(), 1, spare.size(), output);
  };
  std::string block;
  while (reader.Next(block)) {
    if (answering.size() == kBlocksInFlight) writeOldest();
    // Where no thread can be started, the block is answered when its answers are asked for.
    answering.push_back(std::async(std::launch::async | std::launch::deferred,
                                   [own = answer](const std::string& lines, std::string storage) mutable {
                                     return AnsweredBlock(lines, std::move(storage), own);
                                   },
                                   std::move(block), std::move(spare)));
    block = std::string();
    spare = std::string();
  }
  while (!answering.empty()) writeOldest();
  return !reader.Failed();
}

// A batch command's whole run: header (empty for none), then every row of
// standard input answered on standard output; the exit code.
template <typename Answer>
int AnswerStandardInput(std::string_view header, const Answer& answer) {
  std::fwrite(header.data(), 1, header.size(), stdout);
  if (AnswerEachRow(stdin, stdout, answer)) return kSuccess;
  std::fputs("strouhal: cannot read standard input\n", stderr);
  return kFailure;
}

// Each figure's field followed by a comma; a figure not claimed stays empty.
inline void AppendFigureFields(shedding::TextBuilder& line, std::span<const shedding::Figure> figures) {
  for (const shedding::Figure& figure : figures) {
    if (figure.claimed) line.AppendFigure(figure.value, figure.claimed, figure.format);
    line.Append(',');
  }
}

}  // namespace cli
