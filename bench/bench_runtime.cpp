#include "host/runtime/collection.h"
#include "host/runtime/convert.h"
#include "host/runtime/strings.h"

#include <benchmark/benchmark.h>

// Save strings are split and numbers converted by the thousand on every load.
static void BM_SplitAndConvertSaveRecord(benchmark::State& state) {
    std::string record;
    for (int i = 0; i < 100; ++i)
        record += std::to_string(i * 37) + ":";
    for (auto _ : state) {
        long sum = 0;
        for (const auto& field : host::runtime::Split(record, ":"))
            if (!field.empty()) sum += host::runtime::CLng(field);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SplitAndConvertSaveRecord);

static void BM_CStrDouble(benchmark::State& state) {
    double v = 1.0 / 3;
    for (auto _ : state)
        benchmark::DoNotOptimize(host::runtime::CStr(v));
}
BENCHMARK(BM_CStrDouble);

static void BM_CollectionLookupByWideKey(benchmark::State& state) {
    host::runtime::Collection<int> students(host::runtime::KeyFold::IgnoreCaseAndWidth);
    for (int i = 0; i < 300; ++i)
        students.add(i, "生徒" + std::to_string(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(students.item("生徒150"));
}
BENCHMARK(BM_CollectionLookupByWideKey);
