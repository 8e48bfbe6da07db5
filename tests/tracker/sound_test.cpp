// The sound itself: songs played by the real engine and mixed by OpenAL Soft's
// loopback device, with the generated waveforms, analysed sample by sample.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/render_host.h"
#include "framework/input/keycodes.h"
#include "tests/support/fresh_engine.h"
#include "tests/support/song_edit.h"
#include "tracker/codec.h"

namespace {

constexpr int kBlock = HeadlessHost::kFramesPerUpdate;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(host.Audio(), nullptr) << "OpenAL Soft's loopback device is missing";
        ASSERT_NE(e->Bass, nullptr) << "run from the build folder, with data/ generated";
    }

    void SetInstrument(int k, std::array<int, 8> values) { ::SetInstrument(*e, k, values); }
    void SetRow(int n, int row, const char* note, const char* volume, int instrument, int octave) {
        ::SetRow(*e, n, row, note, volume, instrument, octave);
    }
    // Starts playback with F1 and returns the left channel of the given updates.
    std::vector<float> Play(int updates) {
        host.TapKey(KEY_F1);
        std::vector<int16_t> stereo;
        for (int k = 0; k < updates; ++k) host.Step(*e, stereo);
        std::vector<float> left(stereo.size() / 2);
        for (size_t k = 0; k < left.size(); ++k) left[k] = stereo[2 * k] / 32768.0f;
        return left;
    }

    HeadlessHost host;
    std::unique_ptr<SoundEngine> e = MakeFreshEngine();
};

float Rms(const std::vector<float>& x, size_t from, size_t count) {
    double sum = 0;
    for (size_t k = from; k < from + count; ++k) sum += double(x[k]) * x[k];
    return static_cast<float>(std::sqrt(sum / count));
}

// Frequency from rising zero crossings, timed between the first and the last.
double Frequency(const std::vector<float>& x, size_t from, size_t count) {
    long first = -1, last = -1, crossings = 0;
    for (size_t k = from + 1; k < from + count; ++k) {
        if (x[k - 1] < 0 && x[k] >= 0) {
            if (first < 0) first = static_cast<long>(k);
            last = static_cast<long>(k);
            ++crossings;
        }
    }
    if (crossings < 2) return 0;
    return (crossings - 1) * double(HeadlessHost::kFrequency) / double(last - first);
}

// Triangle bass without envelope or pitch movement.
constexpr std::array<int, 8> kBass = {4, 0, 0, 0, 255, 1, 0, 0};

TEST_F(SoundTest, AnOctaveUpDoublesTheFrequency) {
    SetInstrument(1, kBass);
    SetRow(1, 0, "y", "9", 1, 2);
    SetRow(1, 1, "y", "9", 1, 3);
    const auto x = Play(16);
    const double low = Frequency(x, 6 * kBlock, 4 * kBlock);
    const double high = Frequency(x, 11 * kBlock, 4 * kBlock);
    EXPECT_NEAR(low, 261.63, 2.0) << "rate 1.0 is middle C";
    EXPECT_NEAR(high / low, 2.0, 0.01);
}

TEST_F(SoundTest, NoteOffSilencesItsChannel) {
    SetInstrument(1, kBass);
    SetRow(1, 0, "y", "9", 1, 2);
    SetRow(1, 1, "<", "0", 0, 2);
    const auto x = Play(16);
    EXPECT_GT(Rms(x, 6 * kBlock, 4 * kBlock), 0.05f);
    // A few milliseconds for the mixer's declick, then nothing.
    EXPECT_LT(Rms(x, 10 * kBlock + 240, 5 * kBlock), 1e-4f);
}

TEST_F(SoundTest, EnvelopeOfLengthOneDiesOnItsEighthTick) {
    SetInstrument(1, {4, 0, 0, 0, 1, 1, 0, 0});
    SetRow(1, 0, "y", "9", 1, 2);
    const auto x = Play(16);
    // The note sounds from update 6 (block 5), fading over seven blocks.
    float previous = 1;
    for (int block = 6; block < 12; ++block) {
        const float level = Rms(x, block * kBlock, kBlock);
        EXPECT_GT(level, 0.005f) << block;
        EXPECT_LT(level, previous) << block;
        previous = level;
    }
    // Level 0 on the eighth tick (block 12): the mixer fades a gain change over the
    // 20 ms it mixes next, so the channel is silent from the block after it.
    EXPECT_LT(Rms(x, 12 * kBlock, kBlock), previous);
    EXPECT_LT(Rms(x, 13 * kBlock, 3 * kBlock), 1e-4f);
}

TEST_F(SoundTest, RowsLandEverySpdUpdates) {
    SetInstrument(1, kBass);
    e->spd = 3;
    for (int row = 0; row < 8; row += 2) {
        SetRow(1, row, "y", "9", 1, 2);
        SetRow(1, row + 1, "<", "0", 0, 2);
    }
    const auto x = Play(28);
    std::vector<size_t> onsets;
    bool quiet = true;
    size_t silentRun = 0;
    for (size_t k = 0; k < x.size(); ++k) {
        const bool loud = std::fabs(x[k]) > 0.01f;
        if (loud && quiet) onsets.push_back(k);
        silentRun = loud ? 0 : silentRun + 1;
        quiet = loud ? false : (quiet || silentRun > 200);
    }
    ASSERT_EQ(onsets.size(), 4u);
    // The first row is read on update spd + 1, and a note row comes every 2 rows.
    EXPECT_NEAR(double(onsets[0]), 3.0 * kBlock, 48);
    for (size_t k = 1; k < onsets.size(); ++k) {
        EXPECT_NEAR(double(onsets[k] - onsets[k - 1]), 2 * 3 * kBlock, 48) << k;
    }
}

}  // namespace
