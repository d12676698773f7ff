// SolveShedding as a caller sees it: validation, arithmetic, formatting, label.

#include <benchmark/benchmark.h>

#include "shedding/shedding_relation.h"

namespace {

void BM_SolveShedding(benchmark::State& state) {
  const auto analysis = static_cast<shedding::ShedAnalysis>(state.range(0));
  shedding::ShedInputs inputs = {0.2, 10.0, 5.0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(inputs);
    benchmark::DoNotOptimize(shedding::SolveShedding(analysis, shedding::UnitSystem::Metric, inputs));
  }
}
BENCHMARK(BM_SolveShedding)->DenseRange(0, 3)->ArgName("analysis");

void BM_SolveSheddingInputError(benchmark::State& state) {
  shedding::ShedInputs inputs = {0.2, -1.0, 5.0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(inputs);
    benchmark::DoNotOptimize(
        shedding::SolveShedding(shedding::ShedAnalysis::Diameter, shedding::UnitSystem::Metric, inputs));
  }
}
BENCHMARK(BM_SolveSheddingInputError);

}  // namespace
