// The renderer's speed: one update of a song with four busy channels plus 20 ms
// mixed by OpenAL Soft's loopback device, beside a bare loopback loop that mixes
// eight looping voices for the same length. Run from the build folder (data/).
// The "realtime" counter is how many times faster than real time a run is.
#include <benchmark/benchmark.h>

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <cmath>
#include <memory>
#include <vector>

#include "app/app.h"
#include "app/render_host.h"
#include "bench/busy_song.h"
#include "framework/input/keycodes.h"
#include "tracker/engine.h"

namespace {

constexpr int kFrames = HeadlessHost::kFramesPerUpdate;
constexpr double kUpdateSeconds = 0.02;

void RealTime(benchmark::State& state) {
    state.counters["realtime"] =
        benchmark::Counter(kUpdateSeconds, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_RenderBusySong(benchmark::State& state) {
    HeadlessHost host;
    ResetAppModule();
    auto e = std::make_unique<SoundEngine>();
    e->OnCreate();
    if (!e->Ramp) {
        state.SkipWithError("waveforms missing: run from the build folder");
        return;
    }
    MakeBusySong(*e, 5);
    host.TapKey(KEY_F1);
    std::vector<int16_t> out(2 * kFrames);
    for (auto _ : state) {
        host.Update(*e);
        host.Mix(out.data(), kFrames);
        benchmark::DoNotOptimize(out.data());
    }
    RealTime(state);
}
BENCHMARK(BM_RenderBusySong)->Iterations(5000);

// OpenAL Soft alone: eight sources looping 64-sample cycles at rates across the
// tracker's usual range, mixed 960 frames at a time. state.range(0): 0 sets nothing
// between mixes, 1 moves every rate and gain each step as the tracker does, 2 sets
// them each step to the values they already have.
void BM_BareLoopbackEightVoices(benchmark::State& state) {
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!open || !render) {
        state.SkipWithError("no ALC_SOFT_loopback");
        return;
    }
    ALCdevice* device = open(nullptr);
    // The attributes of the program's loopback device, so that both mix alike.
    const ALCint attrs[] = {ALC_FREQUENCY, 48000, ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                            ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE,
                            ALC_HRTF_SOFT, ALC_FALSE, 0};
    ALCcontext* previous = alcGetCurrentContext();
    ALCcontext* context = alcCreateContext(device, attrs);
    alcMakeContextCurrent(context);
    alDistanceModel(AL_NONE);

    std::vector<int16_t> cycle(64);
    for (int k = 0; k < 64; ++k) cycle[static_cast<size_t>(k)] = static_cast<int16_t>(8000 - 250 * k);
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, AL_FORMAT_MONO16, cycle.data(), 128, 16744);
    ALuint sources[8];
    alGenSources(8, sources);
    for (int k = 0; k < 8; ++k) {
        alSourcei(sources[k], AL_BUFFER, static_cast<ALint>(buffer));
        alSourcei(sources[k], AL_LOOPING, AL_TRUE);
        alSourcef(sources[k], AL_PITCH, std::pow(1.0594631f, static_cast<float>(k * 3 - 12)));
        alSourcePlay(sources[k]);
    }
    std::vector<int16_t> out(2 * kFrames);
    int step = 0;
    for (auto _ : state) {
        ++step;
        const int moved = state.range(0) == 1 ? step : 0;
        for (int k = 0; state.range(0) != 0 && k < 8; ++k) {
            alSourcef(sources[k], AL_PITCH, std::pow(1.0594631f, static_cast<float>((k * 3 + moved) % 24 - 12)));
            alSourcef(sources[k], AL_GAIN, 0.5f + 0.5f * static_cast<float>((moved + k) % 8) / 8.0f);
        }
        render(device, out.data(), kFrames);
        benchmark::DoNotOptimize(out.data());
    }
    RealTime(state);
    alDeleteSources(8, sources);
    alDeleteBuffers(1, &buffer);
    alcMakeContextCurrent(previous);
    alcDestroyContext(context);
    alcCloseDevice(device);
}
BENCHMARK(BM_BareLoopbackEightVoices)->Arg(0)->Arg(1)->Arg(2)->Iterations(5000);

}  // namespace

BENCHMARK_MAIN();
