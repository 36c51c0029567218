// The conversions as the window runs them: one routine decoded, encoded, and
// decoded-edited-encoded; and a decode and an encode of a listing of many
// megabytes with the routine at its end, whose time must grow linearly.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "BenchText.h"
#include "core/AdvanceConversion.h"

namespace vortalin::bench {
namespace {

class NullSink : public CurveSink {
  public:
    void Clear() override { points = 0; }
    void Append(const TCurvePoint&) override { ++points; }
    int points = 0;
};

void Require(bool holds) {
    if (!holds) std::abort();  // a benchmark of a failing conversion measures nothing
}

void Decode(benchmark::State& state) {
    const std::string routine = Routine();
    TAdvanceTable table;
    NullSink sink;
    for (auto _ : state) {
        Require(DecodeFragment(table, routine, "20", ",", sink).IsDone());
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(Decode);

void Encode(benchmark::State& state) {
    const std::string routine = Routine();
    TAdvanceTable table;
    NullSink sink;
    Require(DecodeFragment(table, routine, "20", ",", sink).IsDone());
    for (auto _ : state) {
        const EncodeResult result = EncodeFragment(table, "20", routine, ",", sink);
        Require(result.outcome.IsDone());
        benchmark::DoNotOptimize(result.fragment.data());
    }
}
BENCHMARK(Encode);

// What a user does: paste, decode, change an angle, encode.
void DecodeEditEncode(benchmark::State& state) {
    const std::string routine = Routine();
    NullSink sink;
    for (auto _ : state) {
        TAdvanceTable table;
        Require(DecodeFragment(table, routine, "20", ",", sink).IsDone());
        table.SetCell(tcAdvance, 11, "12,3");
        const EncodeResult result = EncodeFragment(table, "20", routine, ",", sink);
        Require(result.outcome.IsDone() && result.fragment != routine);
        benchmark::DoNotOptimize(result.fragment.data());
    }
}
BENCHMARK(DecodeEditEncode);

void DecodeHuge(benchmark::State& state) {
    const std::string listing = HugeListing(static_cast<std::size_t>(state.range(0)));
    TAdvanceTable table;
    NullSink sink;
    for (auto _ : state) {
        Require(DecodeFragment(table, listing, "20", ",", sink).IsDone());
        benchmark::DoNotOptimize(table);
    }
    Require(table.Cell(tcDec, 1) == "10");
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(DecodeHuge)->RangeMultiplier(4)->Range(1 << 16, 1 << 24)->Complexity();
BENCHMARK(DecodeHuge)->Name("DecodeHuge10MB")->Arg(10'000'000);

void EncodeHuge(benchmark::State& state) {
    const std::string listing = HugeListing(10'000'000);
    TAdvanceTable table;
    NullSink sink;
    Require(DecodeFragment(table, listing, "20", ",", sink).IsDone());
    for (auto _ : state) {
        const EncodeResult result = EncodeFragment(table, "20", listing, ",", sink);
        Require(result.outcome.IsDone());
        benchmark::DoNotOptimize(result.fragment.data());
    }
}
BENCHMARK(EncodeHuge)->Name("EncodeHuge10MB");

}  // namespace
}  // namespace vortalin::bench

BENCHMARK_MAIN();
