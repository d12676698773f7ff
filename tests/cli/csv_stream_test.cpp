// The batch machinery itself, with blocks of a few bytes: rows cut across
// blocks, many blocks in flight on threads, answers back in input order.

#include "cli/csv_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

// A file of its own in the temporary folder (Windows' tmpfile writes to the
// drive's root), removed when done.
struct TemporaryFile {
  explicit TemporaryFile(const char* name)
      : path((std::filesystem::temp_directory_path() / name).string()), file(std::fopen(path.c_str(), "w+b")) {}
  ~TemporaryFile() {
    if (file) std::fclose(file);
    std::remove(path.c_str());
  }
  std::string path;
  std::FILE* file;
};

// The input as a file, the output read back.
std::string Answered(std::string_view input, std::size_t blockSize) {
  const TemporaryFile inFile("strouhal-csv-stream-in.txt");
  const TemporaryFile outFile("strouhal-csv-stream-out.txt");
  std::FILE* in = inFile.file;
  std::FILE* out = outFile.file;
  EXPECT_TRUE(in && out);
  if (!in || !out) return "";
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  // Each block's copy counts its own rows: a copy shared between blocks, or
  // one kept from block to block, numbers them past the block's own.
  const auto answer = [rows = 0](std::string_view row, shedding::TextBuilder& line) mutable {
    line.Append(std::to_string(row.size()) + "/" + std::to_string(++rows));
  };
  EXPECT_TRUE(cli::AnswerEachRow(in, out, answer, blockSize));
  std::string written(static_cast<std::size_t>(std::ftell(out)), '\0');
  std::rewind(out);
  EXPECT_EQ(written.size(), std::fread(written.data(), 1, written.size(), out));
  return written;
}

// "row,length/count" lines without their "/count".
std::string WithoutCounts(std::string_view answers) {
  std::string rows;
  while (!answers.empty()) {
    const std::size_t end = answers.find('\n');
    rows += std::string(answers.substr(0, answers.find('/'))) + "\n";
    answers.remove_prefix(end + 1);
  }
  return rows;
}

TEST(AnswerEachRow, SmallBlocksKeepRowsWholeAndInOrder) {
  std::string input;
  std::string alone;  // each row's answer in a block of its own
  for (std::size_t row = 0; row < 400; ++row) {
    const std::string text(row % 13 + 1, 'x');
    input += text + "\r\n";
    alone += text + "," + std::to_string(text.size()) + "/1\n";
  }
  input += "\n  \nlast";  // blank rows skipped, a last row without its line end
  alone += "last,4/1\n";
  // One-byte reads make every row a block of its own, answered by a fresh copy.
  EXPECT_EQ(alone, Answered(input, 1));
  // Larger ones cut rows, and "\r\n", across reads; blocks hold several rows.
  for (const std::size_t blockSize : {2u, 5u, 64u, 4096u}) {
    EXPECT_EQ(WithoutCounts(alone), WithoutCounts(Answered(input, blockSize))) << blockSize;
  }
}

}  // namespace
