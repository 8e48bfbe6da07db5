// Writes the tracker's six waveforms into the data folder given as argument.
//
// Each tone is one cycle of 64 samples at 16744 Hz, so that rate 1.0 sounds
// middle C (64 × 261.63 Hz). The falling ramps and the rising saw are the voice
// pairs of WAV 1 to 3: played together with a small detune, their sum is a pulse
// whose width sweeps as the phases drift. Levels leave headroom for eight voices
// at channel levels above 1.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 16744;
constexpr int kCycle = 64;
constexpr double kPi = 3.14159265358979323846;

bool WriteWav(const std::string& path, const std::vector<double>& samples) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    auto u32 = [&](uint32_t v) {
        const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                    static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        std::fwrite(b, 1, 4, f);
    };
    auto u16 = [&](uint32_t v) {
        const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
        std::fwrite(b, 1, 2, f);
    };
    const uint32_t bytes = static_cast<uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + bytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);  // integer PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(bytes);
    for (double s : samples) {
        long v = std::lround(s * 32767.0);
        if (v > 32767) v = 32767;
        if (v < -32768) v = -32768;
        u16(static_cast<uint32_t>(static_cast<int16_t>(v)) & 0xFFFF);
    }
    return std::fclose(f) == 0;
}

// One cycle from a function of the phase 0 <= t < 1.
template <typename F>
std::vector<double> Cycle(double level, F shape) {
    std::vector<double> out(kCycle);
    for (int k = 0; k < kCycle; ++k) out[k] = level * shape((k + 0.5) / kCycle);
    return out;
}

// A ramp built from its first harmonics: the edge stays clean at every rate the
// tracker plays (up to ten times the sample's own pitch) instead of buzzing.
double SoftRamp(double t, int harmonics) {
    double s = 0;
    for (int h = 1; h <= harmonics; ++h) s += std::sin(2 * kPi * h * t) / h;
    return s * (2 / kPi);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wavegen DATA_FOLDER\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    struct Wave {
        const char* name;
        std::vector<double> samples;
    };
    std::vector<Wave> waves;
    // WAV 3's main voice: a square.
    waves.push_back({"ramp_64.wav", Cycle(0.14, [](double t) { return t < 0.5 ? 1.0 : -1.0; })});
    // WAV 1: a bright falling ramp.
    waves.push_back({"ramp_b_64.wav", Cycle(0.18, [](double t) { return 1.0 - 2.0 * t; })});
    // WAV 2: a mellower falling ramp (fewer harmonics).
    waves.push_back({"ramp_c_64.wav", Cycle(0.18, [](double t) { return SoftRamp(t, 6); })});
    // The partner of WAV 1 to 3 (and WAV 5's own sound): a rising saw, starting
    // half a cycle on. Both voices of a pair start together, so without the
    // offset the saw would cancel the falling ramp exactly and an instrument with
    // PWM 0 would be silent; with it the pair starts as a square and the detune
    // sweeps its width from there.
    waves.push_back({"saw_64.wav", Cycle(0.18, [](double t) { return t < 0.5 ? 2.0 * t : 2.0 * t - 2.0; })});
    // The bass: a triangle, which carries well without a partner voice.
    waves.push_back({"tri_64.wav", Cycle(0.3, [](double t) { return t < 0.5 ? 4 * t - 1 : 3 - 4 * t; })});
    // Noise: two seconds of a 15-bit LFSR, long enough not to be heard as a tone.
    std::vector<double> noise(2 * kRate);
    uint32_t lfsr = 0x7FFF;
    for (double& s : noise) {
        const uint32_t bit = (lfsr ^ (lfsr >> 1)) & 1;
        lfsr = (lfsr >> 1) | (bit << 14);
        s = (lfsr & 1) ? 0.2 : -0.2;
    }
    waves.push_back({"fx2b.wav", noise});
    for (const Wave& w : waves) {
        if (!WriteWav(dir + w.name, w.samples)) {
            std::fprintf(stderr, "wavegen: cannot write %s%s\n", dir.c_str(), w.name);
            return 1;
        }
    }
    return 0;
}
