#include "host/runtime/runtime_error.h"

#include <benchmark/benchmark.h>

static void BM_RuntimeErrorMessage(benchmark::State& state)
{
    for (auto _ : state) {
        host::runtime::RuntimeError e(host::runtime::ErrorNumber::Overflow, "x");
        benchmark::DoNotOptimize(e.what());
    }
}
BENCHMARK(BM_RuntimeErrorMessage);
