// quadtracker-render: plays a saved song through the engine, without a window,
// and writes what OpenAL Soft's loopback device mixes to a 16-bit stereo WAV.
//
//   quadtracker-render [--loops N] SONG OUT.wav
//
// Playback starts as the F1 key starts it, on the first update after start-up; the
// file holds the lead-in of spd updates before the first row and then N passes
// over the song's positions. The waveforms are read from data/ in the working
// directory, as the tracker reads them.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <string>
#include <vector>

#include "app/render_host.h"
#include "framework/input/keycodes.h"
#include "tracker/engine.h"
#include "tracker/songfile.h"

namespace {

constexpr const char* kUsage = "usage: quadtracker-render [--loops N] SONG OUT.wav";
constexpr long kMaxLoops = 1000;

// Ends without running the audio library's exit-time cleanup, which would report
// the devices that the program, like the tracker, never closes.
[[noreturn]] void Finish(int status) {
    std::fflush(nullptr);
    _exit(status);
}

[[noreturn]] void Usage() {
    std::fprintf(stderr, "%s\n", kUsage);
    Finish(2);
}

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    std::fprintf(stderr, "quadtracker-render: %s: %s\n", what.c_str(), path.c_str());
    Finish(1);
}

struct Options {
    long loops = 1;
    std::string song;
    std::string out;
};

long ParseLoops(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || n < 1 || n > kMaxLoops) Usage();
    return n;
}

Options ParseArgs(int argc, char** argv) {
    Options o;
    std::vector<std::string> positional;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--loops") {
            if (k + 1 >= argc) Usage();
            o.loops = ParseLoops(argv[++k]);
        } else if (arg.rfind("--loops=", 0) == 0) {
            o.loops = ParseLoops(argv[k] + 8);
        } else if (arg == "--") {
            for (++k; k < argc; ++k) positional.push_back(argv[k]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            Usage();
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) Usage();
    o.song = positional[0];
    o.out = positional[1];
    return o;
}

// A song that cannot be opened or holds nothing is refused before anything runs.
void CheckSong(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) Fail("no such song", path);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) Fail("cannot read song", path);
    unsigned char byte;
    const size_t got = std::fread(&byte, 1, 1, f);
    const bool error = std::ferror(f) != 0;
    std::fclose(f);
    if (error) Fail("cannot read song", path);
    if (got == 0) Fail("empty song", path);
}

class Progress {
public:
    explicit Progress(long total) : total_(total), shown_(isatty(STDERR_FILENO) == 1) {}
    void Update(long done) {
        if (!shown_) return;
        const int percent = static_cast<int>(done * 100 / total_);
        if (percent == last_) return;
        last_ = percent;
        constexpr int kWidth = 40;
        const int filled = percent * kWidth / 100;
        std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                     std::string(kWidth - filled, '.').c_str(), percent);
        if (done == total_) std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    long total_;
    bool shown_;
    int last_ = -1;
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseArgs(argc, argv);
    CheckSong(options.song);

    HeadlessHost host;
    SoundEngine engine;
    engine.OnCreate();
    const bool loaded = LoadFileAt(engine, String(options.song)) == String("File Loaded...");
    if (!loaded) Fail("cannot read song", options.song);

    WavWriter wav;
    if (!wav.Open(options.out, HeadlessHost::kFrequency)) Fail("cannot write", options.out);

    std::vector<int16_t> block;
    block.reserve(2 * HeadlessHost::kFramesPerUpdate);
    host.TapKey(KEY_F1);
    host.Step(engine, block);
    // Counted from what the first update leaves: the panel has brought the speed
    // and the length into their ranges by then.
    const long spd = static_cast<long>(engine.spd);
    const long positions = engine.Songlength / kRowsPerPattern;
    const long total = spd + options.loops * positions * kRowsPerPattern * spd;

    Progress progress(total);
    bool ok = wav.Write(block.data(), HeadlessHost::kFramesPerUpdate);
    progress.Update(1);
    for (long update = 1; ok && update < total; ++update) {
        block.clear();
        host.Step(engine, block);
        ok = wav.Write(block.data(), HeadlessHost::kFramesPerUpdate);
        progress.Update(update + 1);
    }
    if (!wav.Close() || !ok) Fail("cannot write", options.out);
    Finish(0);
}
