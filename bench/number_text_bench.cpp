// Text to number, compared with C's strtod on the same texts.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "shedding/number_text.h"

namespace {

const std::vector<std::string> kTexts = {"0.2", "10", "  5", "123456", "1.5e-3", "3.5 ft",
                                         "-0.000123456789", "1e300", "abc", "2.718281828459045"};

void BM_TextToNumber(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& text : kTexts) benchmark::DoNotOptimize(shedding::TextToNumber(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(BM_TextToNumber);

void BM_Strtod(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& text : kTexts) benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(BM_Strtod);

void BM_FormatGeneral(benchmark::State& state) {
  double value = 0.1234567;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(shedding::FormatGeneral(value, 12, 4));
  }
}
BENCHMARK(BM_FormatGeneral);

}  // namespace
