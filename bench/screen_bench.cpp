// Cost of one OnRender against a null graphics device (batching as the real device
// does, nothing drawn), and the draw calls (flushes) it makes per frame. Run from
// the build folder so that data/ holds the generated font and images.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/app.h"
#include "framework/graphics/graphics.h"
#include "framework/graphics/image.h"
#include "tracker/codec.h"
#include "tracker/engine.h"

namespace {

class CountingGraphics : public gxtkGraphics {
public:
    CountingGraphics() : gxtkGraphics(640, 475) {}
    int flushes = 0;

protected:
    void DrawBatch(int, gxtkSurface*, const GraphicsVertex*, int) override { ++flushes; }
};

std::unique_ptr<SoundEngine> MakeEngine(CountingGraphics& device) {
    ResetGraphicsModule();
    SetGraphicsDevice(&device);
    SetFont(nullptr, 32);
    ResetAppModule();
    auto engine = std::make_unique<SoundEngine>();
    engine->OnCreate();
    return engine;
}

// Every row of pattern 1 holds a note on all four channels, mid-song, with the
// file name and an instrument description being typed.
void MakeBusy(SoundEngine& e) {
    static const char* notes = "qwertzuiop23567ysxdcvbnm<+#.q2w3";
    for (int n = 1; n <= kChannels; ++n) {
        for (int r = 0; r < kRowsPerPattern; ++r) {
            const int pos = kRowsPerPattern + r + 1;
            e.Track[n] = ChangeTrack(e.Track[n], pos, String::FromChar(notes[(r + n) % 32]));
            e.VolumeTrack[n] = ChangeTrack(e.VolumeTrack[n], pos, Int2Char((r + n) % 16));
            e.InstTrack[n] = ChangeTrack(e.InstTrack[n], pos, Int2InstChar((r * n) % 32));
            e.OctaveTrack[n] = ChangeTrack(e.OctaveTrack[n], pos, String((r + n) % 4));
        }
    }
    for (int p = 0; p < kPatterns; ++p) e.Patterns[static_cast<size_t>(p)] = p % 7;
    e.STATUS = 1;
    e.ppos = kRowsPerPattern;
    e.i = 13;
    e.pcount = 3;
    e.WavInit = 5;
    e.Descriptions[5] = "Busy lead with arps";
    e.InstDescriptionOn = 1;
    e.Filename = "benchmark song";
    e.FilenameInputOn = 1;
    e.StatusInfo = "Playing...";
}

void RenderFrames(benchmark::State& state, bool busy) {
    CountingGraphics device;
    auto engine = MakeEngine(device);
    if (!engine->FONT || !engine->Background) {
        state.SkipWithError("data/ images missing: run from the build folder after `make data`");
        return;
    }
    if (busy) MakeBusy(*engine);
    int frames = 0;
    for (auto _ : state) {
        device.BeginRender();
        BeginRender();
        engine->OnRender();
        EndRender();
        device.EndRender();
        ++frames;
    }
    state.counters["flushes_per_frame"] = frames ? double(device.flushes) / frames : 0;
    ResetGraphicsModule();
}

void BM_StartScreen(benchmark::State& state) { RenderFrames(state, false); }
void BM_BusyPlayingScreen(benchmark::State& state) { RenderFrames(state, true); }

BENCHMARK(BM_StartScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BusyPlayingScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
