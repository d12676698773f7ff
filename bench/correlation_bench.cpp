// StrouhalFromReynolds alone, and with its "%5.3f" text.

#include <benchmark/benchmark.h>

#include "shedding/correlation.h"

namespace {

void BM_StrouhalFromReynolds(benchmark::State& state) {
  double reynolds = static_cast<double>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(reynolds);
    benchmark::DoNotOptimize(shedding::StrouhalFromReynolds(reynolds));
  }
}
// One Reynolds number in each interval, and beyond both ends.
BENCHMARK(BM_StrouhalFromReynolds)->Arg(10)->Arg(40)->Arg(200)->Arg(700)->Arg(5000)->Arg(50000)
    ->Arg(500000)->Arg(5000000)->Arg(20000000)->ArgName("Re");

void BM_StrouhalFromReynoldsWithText(benchmark::State& state) {
  double reynolds = 2e5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(reynolds);
    benchmark::DoNotOptimize(shedding::StrouhalText(shedding::StrouhalFromReynolds(reynolds)));
  }
}
BENCHMARK(BM_StrouhalFromReynoldsWithText);

}  // namespace
