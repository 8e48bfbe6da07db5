// Saving and loading a song that uses all 256 patterns.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include <unistd.h>

#include "tracker/songfile.h"

namespace {

EngineState FullSong() {
    EngineState s;
    std::mt19937 rng(1);
    const char16_t notes[] = u"ysxdcvgbhnjmq2w3er5t6z7ui9o0p.<+#";
    for (int n = 1; n <= kChannels; ++n) {
        std::u16string t(kTrackLength, u'.'), v(kTrackLength, u'0');
        for (int r = 0; r < kTrackLength; ++r) {
            t[r] = notes[rng() % 33];
            v[r] = u"0123456789ABCDEF"[rng() % 16];
        }
        s.Track[n] = String(t);
        s.VolumeTrack[n] = String(v);
        s.InstTrack[n] = String(v);
        s.OctaveTrack[n] = String(t);
    }
    for (int k = 0; k < 256; ++k) s.Patterns[k] = k;  // 256 patterns stored
    for (int k = 0; k < 256; ++k) s.InsArrayData[k] = k;
    for (int j = 1; j < kInstruments; ++j) s.Descriptions[j] = String(u"Lead \u00E9\u20AC");
    return s;
}

// A private data folder as the working directory for the whole run.
struct DataFolder {
    DataFolder() {
        std::string dir = (std::filesystem::temp_directory_path() / "qt-bench-XXXXXX").string();
        if (!mkdtemp(dir.data())) std::abort();
        std::filesystem::create_directories(std::filesystem::path(dir) / "data" / "songs");
        std::filesystem::current_path(dir);
        path = dir;
    }
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::current_path("/", ignored);
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

void BM_SaveFile256Patterns(benchmark::State& state) {
    DataFolder folder;
    EngineState s = FullSong();
    for (auto _ : state) {
        if (SaveFile(s, "bench") != "File Saved...") state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveFile256Patterns)->Unit(benchmark::kMillisecond);

void BM_LoadFile256Patterns(benchmark::State& state) {
    DataFolder folder;
    EngineState s = FullSong();
    SaveFile(s, "bench");
    for (auto _ : state) {
        if (LoadFile(s, "bench") != "File Loaded...") state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadFile256Patterns)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
