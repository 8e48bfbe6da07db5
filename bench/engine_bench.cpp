// Start-up cost: OnCreate builds the blank song and undo snapshot 0 (target: well
// under 2 ms). Without devices, the image and sound loads return at once.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/app.h"
#include "tracker/engine.h"

namespace {

void BM_OnCreate(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ResetAppModule();
        auto engine = std::make_unique<SoundEngine>();
        state.ResumeTiming();
        engine->OnCreate();
        benchmark::DoNotOptimize(engine->Track[1].Length());
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OnCreate)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
