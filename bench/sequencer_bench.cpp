// The playing tick with four busy channels against an audio device that does
// nothing, so that only our own code is timed.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/app.h"
#include "bench/busy_song.h"
#include "framework/audio/audio.h"
#include "framework/input/input.h"
#include "tracker/engine.h"
#include "tracker/sequencer.h"

namespace {

class NullAudio : public gxtkAudio {
public:
    int Suspend() override { return 0; }
    int Resume() override { return 0; }
    gxtkSample* LoadSample(const String&) override { return nullptr; }
    int PlaySample(gxtkSample*, int, int) override { return 0; }
    int StopChannel(int) override { return 0; }
    int PauseChannel(int) override { return 0; }
    int ResumeChannel(int) override { return 0; }
    int ChannelState(int) override { return 0; }
    int SetVolume(int, float) override { return 0; }
    int SetPan(int, float) override { return 0; }
    int SetRate(int, float) override { return 0; }
};

struct Fixture {
    NullAudio audio;
    gxtkSample sample{0};
    Sound sound{&sample};
    std::unique_ptr<SoundEngine> e;

    explicit Fixture(float spd) {
        SetAudioDevice(&audio);
        ResetAppModule();
        e = std::make_unique<SoundEngine>();
        e->OnCreate();
        for (Sound** s : {&e->Square, &e->Ramp, &e->Ramp2, &e->Saw, &e->Noise, &e->Bass}) *s = &sound;
        MakeBusySong(*e, spd);
        TogglePlay(*e, true);
    }
    ~Fixture() { SetAudioDevice(nullptr); }
};

// spd 1 reads a row on every tick: the row stage and all four per-tick stages.
void BM_PlayingTickRowEveryTick(benchmark::State& state) {
    Fixture f(1);
    for (auto _ : state) {
        f.e->ppos = f.e->Patterns[static_cast<size_t>(f.e->pcount)] * kRowsPerPattern;
        PlayingTick(*f.e);
    }
}
BENCHMARK(BM_PlayingTickRowEveryTick);

// The usual speed: a row every fifth tick.
void BM_PlayingTickSpeed5(benchmark::State& state) {
    Fixture f(5);
    for (auto _ : state) {
        f.e->ppos = f.e->Patterns[static_cast<size_t>(f.e->pcount)] * kRowsPerPattern;
        PlayingTick(*f.e);
    }
}
BENCHMARK(BM_PlayingTickSpeed5);

// The whole update while playing (mutes, transport, panel and the playing tick).
void BM_OnUpdatePlaying(benchmark::State& state) {
    Fixture f(5);
    InputDevice input;
    SetInputDevice(&input);
    for (auto _ : state) {
        input.BeginUpdate();
        f.e->OnUpdate();
        input.EndUpdate();
    }
    SetInputDevice(nullptr);
}
BENCHMARK(BM_OnUpdatePlaying);

}  // namespace

BENCHMARK_MAIN();
