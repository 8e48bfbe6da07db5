// Recording and restoring undo snapshots: constant time whatever the tracks hold.
#include <benchmark/benchmark.h>

#include <string>

#include "tracker/undo.h"

namespace {

EngineState Song() {
    EngineState s;
    const String notes(std::u16string(kTrackLength, u'q'));
    const String values(std::u16string(kTrackLength, u'7'));
    for (int n = 1; n <= kChannels; ++n) {
        s.Track[n] = notes;
        s.VolumeTrack[n] = s.InstTrack[n] = s.OctaveTrack[n] = values;
        s.UndoTrack[n][0] = notes;
        s.UndoVolumeTrack[n][0] = s.UndoInstTrack[n][0] = s.UndoOctaveTrack[n][0] = values;
    }
    return s;
}

void BM_UndoRecord(benchmark::State& state) {
    EngineState s = Song();
    for (auto _ : state) {
        Undo(s);
        if (s.UndoCount == kUndoSlots - 1) s.UndoCount = 0;
    }
}
BENCHMARK(BM_UndoRecord);

void BM_UndoRestore(benchmark::State& state) {
    EngineState s = Song();
    for (int k = 0; k < kUndoSlots - 1; ++k) Undo(s);
    for (auto _ : state) {
        UndoRestore(s);
        if (s.UndoCount == 0) s.UndoCount = kUndoSlots - 1;
    }
}
BENCHMARK(BM_UndoRestore);

}  // namespace

BENCHMARK_MAIN();
