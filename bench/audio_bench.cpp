// The audio device's costs: one tick of channel changes for eight voices (the
// voice player's rates and levels), and mixing 20 ms of eight looping voices,
// both on OpenAL Soft's loopback device. Run from the build folder (data/).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "framework/audio/audio.h"
#include "framework/audio/audio_device.h"

namespace {

constexpr int kHz = 48000;
constexpr int kFramesPerTick = kHz / 50;

struct Voices {
    Voices() : device(NewLoopbackAudio(kHz)) {
        SetAudioDevice(device);
        sound = LoadSound("ramp_b_64.wav");
        for (int ch = 1; ch <= 8; ++ch) PlaySound(sound, ch, 1);
    }
    ~Voices() {
        SetAudioDevice(nullptr);
        delete device;
    }
    gxtkAudio* device;
    Sound* sound = nullptr;
};

// Every voice gets a new rate and a new level, as in a busy playing tick.
void BM_TickOfChannelChanges(benchmark::State& state) {
    Voices v;
    if (!v.sound) {
        state.SkipWithError("waveforms missing: run from the build folder");
        return;
    }
    float step = 0;
    for (auto _ : state) {
        step += 1e-4f;
        for (int ch = 1; ch <= 8; ++ch) {
            SetChannelRate(ch, 1.0f + step * ch);
            SetChannelVolume(ch, 0.5f + step);
        }
    }
}
BENCHMARK(BM_TickOfChannelChanges);

void BM_MixTickOfEightVoices(benchmark::State& state) {
    Voices v;
    if (!v.sound) {
        state.SkipWithError("waveforms missing: run from the build folder");
        return;
    }
    std::vector<int16_t> out(2 * kFramesPerTick);
    for (int ch = 1; ch <= 8; ++ch) SetChannelRate(ch, 1.0f + 0.37f * ch);
    for (auto _ : state) {
        RenderLoopback(v.device, out.data(), kFramesPerTick);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["realtime"] = benchmark::Counter(0.02, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_MixTickOfEightVoices);

}  // namespace

BENCHMARK_MAIN();
