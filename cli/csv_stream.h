#pragma once
// Batch mode: rows in, "row,answer" out, through large buffers so that a
// million rows take a fraction of a second.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class LineReader {
 public:
  explicit LineReader(std::FILE* input);

  // The next line without its "\n" or "\r\n"; false once the input is used up.
  bool Next(std::string_view& line);
  bool Failed() const;

 private:
  std::FILE* input_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool exhausted_ = false;
};

// Collects output and hands it to stdio in large pieces. Write errors stay
// in the stream's error flag for the caller to check.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* output);
  ~OutputBuffer();
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  // Where the next output goes: append to it, then call Appended.
  std::string& Pending() { return pending_; }
  void Appended();

 private:
  void Flush();

  std::FILE* output_;
  std::string pending_;
};

bool IsBlank(std::string_view line);

// Writes "row,answer" for every line of input that is not blank, where
// answer(row, line) appends the answer to the output line. False if the
// input could not be read.
template <typename Answer>
bool AnswerEachRow(std::FILE* input, std::FILE* output, Answer answer) {
  LineReader reader(input);
  OutputBuffer writer(output);
  std::string_view row;
  while (reader.Next(row)) {
    if (IsBlank(row)) continue;
    std::string& line = writer.Pending();
    line += row;
    line += ',';
    answer(row, line);
    line += '\n';
    writer.Appended();
  }
  return !reader.Failed();
}

}  // namespace cli
