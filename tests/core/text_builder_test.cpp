#include "shedding/text_builder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

using shedding::TextBuilder;

std::string Printed(const char* format, int width, int precision, double value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, width, precision, value);
  return buffer;
}

// Numbers of every kind between words, far more than the builder holds at
// once, so that its buffer fills at every offset and numbers the exact
// shortcuts leave to std::to_chars (zero, subnormals, infinities, NaN, huge
// fixed texts) fall between buffered ones; printf writes the same line.
TEST(TextBuilder, BuildsWhatPrintfWritesAcrossEveryFlush) {
  std::mt19937_64 random(3);
  std::string built;
  std::string expected;
  {
    TextBuilder text(built);
    for (int i = 0; i < 20000; ++i) {
      double value = std::bit_cast<double>(random());
      if (i % 7 == 0) value = 0.0;
      if (i % 11 == 0) value = std::numeric_limits<double>::infinity();
      if (std::isnan(value)) value = 1e300;  // a NaN's sign is not the same in every C library
      const int precision = static_cast<int>(random() % 18);
      const int width = static_cast<int>(random() % 14);
      text.AppendGeneral(value, width, precision);
      text.Append(',');
      text.AppendFixed(value, 5, 3);
      text.Append(std::string_view("; "));
      expected += Printed("%*.*g", width, precision, value) + "," + Printed("%*.*f", 5, 3, value) + "; ";
    }
  }
  ASSERT_EQ(expected.size(), built.size());
  EXPECT_TRUE(expected == built);
}

TEST(TextBuilder, PadsFixedTextsAndKeepsLongPiecesInOrder) {
  std::string built = "row,";
  const std::string longPiece(10000, 'x');
  {
    TextBuilder text(built);
    text.AppendFixed(0.19, 8, 3);
    text.Append(longPiece);
    text.AppendFixed(-2.5, 100, 1);  // wider than the room for one number
    text.AppendFixed(0.1234, 5, 3);
  }
  EXPECT_EQ("row,   0.190" + longPiece + std::string(96, ' ') + "-2.50.123", built);
}

}  // namespace
