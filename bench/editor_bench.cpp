// Note entry speed (four track writes and an undo snapshot) and the memory the
// undo history holds after many entries.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "app/app.h"
#include "framework/input/input.h"
#include "tracker/editor.h"
#include "tracker/engine.h"

namespace {

std::unique_ptr<SoundEngine> NewEditingEngine() {
    ResetAppModule();
    auto e = std::make_unique<SoundEngine>();
    e->OnCreate();
    e->STATUS = 0;
    return e;
}

// One update's editor block with a note typed; the cursor walks down the pattern
// and through the patterns so that every entry writes a fresh row.
void EnterNote(SoundEngine& e, InputDevice& input, int n) {
    e.Patterns[0] = (n / 32) % 256;
    e.ppos = e.Patterns[0] * 32;
    input.KeyEvent(kEventChar, "qwertzuiop"[n % 10]);
    input.BeginUpdate();
    EditorCommands(e);
    input.EndUpdate();
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

// Registered first, so that no earlier benchmark has grown the process.
void BM_MemoryAfter300NoteEntries(benchmark::State& state) {
    InputDevice input;
    SetInputDevice(&input);
    for (auto _ : state) {
        auto e = NewEditingEngine();
        for (int n = 0; n < 300; ++n) EnterNote(*e, input, n);
        benchmark::DoNotOptimize(e->UndoCount);
        state.counters["rss_MiB"] = static_cast<double>(ResidentKiB()) / 1024.0;
    }
    SetInputDevice(nullptr);
}
BENCHMARK(BM_MemoryAfter300NoteEntries)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_NoteEntry(benchmark::State& state) {
    InputDevice input;
    SetInputDevice(&input);
    auto e = NewEditingEngine();
    int n = 0;
    for (auto _ : state) EnterNote(*e, input, n++);
    state.SetItemsProcessed(n);
    SetInputDevice(nullptr);
}
BENCHMARK(BM_NoteEntry)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
