// The transport and the sequencer's ticks, run through the real OnUpdate with the
// real input device, against a recording audio device.
#include "tracker/sequencer.h"

#include <gtest/gtest.h>

#include "framework/input/input.h"
#include "tests/support/audio_calls.h"
#include "tests/support/fresh_engine.h"
#include "tests/support/song_edit.h"
#include "tracker/codec.h"
#include "tracker/voice.h"

namespace {

class SequencerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetInputDevice(&input);
        Sound** sounds[] = {&e->Square, &e->Ramp, &e->Ramp2, &e->Saw, &e->Noise, &e->Bass};
        for (int k = 0; k < 6; ++k) *sounds[k] = audio.TestSound(k);
        audio.Take();
    }
    void TearDown() override { SetInputDevice(nullptr); }

    // One update as the host runs it; returns the audio calls it made.
    std::vector<AudioCall> Update() {
        input.BeginUpdate();
        e->OnUpdate();
        input.EndUpdate();
        return audio.Take();
    }
    std::vector<AudioCall> Tap(int key) {
        input.KeyEvent(kEventKeyDown, key);
        input.KeyEvent(kEventKeyUp, key);
        return Update();
    }
    std::vector<AudioCall> Click(float x, float y) {
        input.MouseEvent(kEventMouseMove, -1, x, y);
        input.MouseEvent(kEventMouseDown, 0, x, y);
        input.MouseEvent(kEventMouseUp, 0, x, y);
        return Update();
    }
    void SetInstrument(int k, std::array<int, 8> values) { ::SetInstrument(*e, k, values); }
    void SetRow(int n, int row, const char* note, const char* volume, int instrument, int octave) {
        ::SetRow(*e, n, row, note, volume, instrument, octave);
    }
    // Updates until the first play of channel n; returns how many ran (0 if none in limit).
    int UpdatesUntilPlay(int n, int limit) {
        for (int k = 1; k <= limit; ++k) {
            if (CountOf(Update(), AudioCall::kPlay, n) > 0) return k;
        }
        return 0;
    }

    std::unique_ptr<SoundEngine> e = MakeFreshEngine();
    AudioRecorder audio;
    InputDevice input;
};

// An instrument without envelope or pitch movement: WAV, PWM, E2P, AMT, ENV, SPD, ARP.
constexpr std::array<int, 8> kPlain = {5, 0, 0, 0, 255, 1, 0, 0};

bool StopsAllTwelve(const std::vector<AudioCall>& calls) {
    for (int ch = 1; ch <= 12; ++ch) {
        if (CountOf(calls, AudioCall::kStop, ch) == 0) return false;
    }
    return true;
}

TEST_F(SequencerTest, TransportTransitions) {
    struct Case {
        int from;
        int key;
        int to;
        const char* text;
    };
    // Entering playing writes no text; the playing tick of the same update does.
    const Case cases[] = {
        {2, KEY_SPACE, 0, "Editing..."}, {0, KEY_SPACE, 2, "Standby..."}, {1, KEY_SPACE, 2, "Standby..."},
        {0, KEY_F2, 1, "Playing..."},    {2, KEY_F2, 1, "Playing..."},    {1, KEY_F2, 2, "Standby..."},
        {0, KEY_F1, 1, "Playing..."},    {2, KEY_F1, 1, "Playing..."},    {1, KEY_F1, 2, "Standby..."},
    };
    for (const Case& c : cases) {
        e = MakeFreshEngine();
        if (c.from == 0) Tap(KEY_SPACE);
        if (c.from == 1) Tap(KEY_F2);
        ASSERT_EQ(e->STATUS, c.from);
        e->Cursorpos = 7;
        const auto calls = Tap(c.key);
        EXPECT_EQ(e->STATUS, c.to) << c.from << " key " << c.key;
        EXPECT_EQ(e->StatusInfo, String(c.text)) << c.from << " key " << c.key;
        EXPECT_EQ(e->i, 0);
        EXPECT_TRUE(StopsAllTwelve(calls)) << "every transition silences all voices";
        if (c.key != KEY_SPACE) {
            EXPECT_EQ(e->Cursorpos, 1);
        }
    }
}

TEST_F(SequencerTest, F1PlaysFromTheFirstPositionAndF2FromTheCurrentOne) {
    e->Songlength = 4 * kRowsPerPattern;
    e->pcount = 2;
    Tap(KEY_F2);
    EXPECT_EQ(e->pcount, 2);
    Tap(KEY_F2);
    Tap(KEY_F1);
    EXPECT_EQ(e->STATUS, 1);
    EXPECT_EQ(e->pcount, 0);
}

TEST_F(SequencerTest, ButtonsToggleLikeTheirKeys) {
    Click(516 + 20, 318 + 10);  // play
    EXPECT_EQ(e->STATUS, 1);
    Click(516 + 20, 336 + 10);  // stop
    EXPECT_EQ(e->STATUS, 2);
    Click(516 + 20, 336 + 10);
    EXPECT_EQ(e->STATUS, 0);
    EXPECT_EQ(e->StatusInfo, String("Editing..."));
}

TEST_F(SequencerTest, FirstRowOnTheSixthUpdateThenEverySpdUpdates) {
    SetInstrument(1, kPlain);
    SetRow(1, 0, "y", "9", 1, 2);
    SetRow(1, 1, "q", "9", 1, 2);
    input.KeyEvent(kEventKeyDown, KEY_F1);
    input.KeyEvent(kEventKeyUp, KEY_F1);
    EXPECT_EQ(UpdatesUntilPlay(1, 20), 6) << "counting the update in which F1 was hit";
    EXPECT_EQ(UpdatesUntilPlay(1, 20), 5);

    e = MakeFreshEngine();
    SetUp();
    SetInstrument(1, kPlain);
    e->spd = 3;
    for (int row = 0; row < 3; ++row) SetRow(1, row, "y", "9", 1, 2);
    Tap(KEY_F1);
    EXPECT_EQ(UpdatesUntilPlay(1, 20), 3);
    EXPECT_EQ(UpdatesUntilPlay(1, 20), 3);
}

TEST_F(SequencerTest, EnvelopeOfLengthOneWithVolumeNine) {
    SetInstrument(1, {5, 0, 0, 0, 1, 1, 0, 0});
    SetRow(1, 0, "y", "9", 1, 2);
    Tap(KEY_F1);
    for (int k = 0; k < 4; ++k) Update();
    std::vector<float> main, partner;
    for (int k = 0; k < 10; ++k) {
        const auto calls = Update();
        for (float v : ValuesOf(calls, AudioCall::kVolume, 1)) main.push_back(v);
        for (float v : ValuesOf(calls, AudioCall::kVolume, 5)) partner.push_back(v);
    }
    const float expected[] = {0.875f, 0.75f, 0.625f, 0.5f, 0.375f, 0.25f, 0.125f, 0, 0, 0};
    ASSERT_EQ(main.size(), 10u);
    ASSERT_EQ(partner.size(), 10u);
    for (size_t k = 0; k < 10; ++k) {
        EXPECT_NEAR(main[k], expected[k], 1e-6) << "tick " << k;
        EXPECT_NEAR(partner[k], expected[k], 1e-6) << "tick " << k;
    }
    EXPECT_EQ(main[7], 0.0f);
    EXPECT_EQ(e->volval[1], 0.0f) << "the channel stays silent until a new volume digit";
}

TEST_F(SequencerTest, VolumeFStartsAboveFullLevel) {
    SetInstrument(1, {5, 0, 0, 0, 255, 1, 0, 0});
    SetRow(1, 0, "y", "F", 1, 2);
    Tap(KEY_F1);
    for (int k = 0; k < 4; ++k) Update();
    const auto levels = ValuesOf(Update(), AudioCall::kVolume, 1);
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_GT(levels[0], 1.0f);
    EXPECT_NEAR(levels[0], 15.0f / 9.0f - 0.125f / 255.0f, 1e-6);
}

TEST_F(SequencerTest, ArpeggioStepsFourAndSevenAtSpeedTwo) {
    SetInstrument(1, {1, 8, 0, 15, 255, 2, 4, 7});
    SetRow(1, 0, "y", "9", 1, 2);
    Tap(KEY_F1);
    for (int k = 0; k < 4; ++k) Update();
    const float offsets[] = {0, 0, 4, 4, 7, 7, 0, 0, 4};
    for (float offset : offsets) {
        const auto calls = Update();
        const auto main = ValuesOf(calls, AudioCall::kRate, 1);
        const auto partner = ValuesOf(calls, AudioCall::kRate, 5);
        ASSERT_FALSE(main.empty());
        ASSERT_FALSE(partner.empty());
        EXPECT_EQ(main.back(), PitchRate(offset)) << offset;
        EXPECT_EQ(partner.back(), PitchRate(offset) + 8.0f / 800.0f) << offset;
    }
}

TEST_F(SequencerTest, SlideDownRunsDuringItsRowAndItsOffsetStays) {
    SetInstrument(1, kPlain);
    SetRow(1, 0, "y", "9", 1, 2);
    SetRow(1, 1, "+", "0", 0, 0);
    Tap(KEY_F1);
    for (int k = 0; k < 9; ++k) Update();  // through the ticks of row 0
    const float level = e->volval[1];
    std::vector<float> rates;
    for (int k = 0; k < 5; ++k) {
        for (float v : ValuesOf(Update(), AudioCall::kRate, 1)) rates.push_back(v);
    }
    ASSERT_EQ(rates.size(), 5u) << "one rate per tick of the slide row";
    float vib = 0;
    for (size_t k = 0; k < rates.size(); ++k) {
        vib = vib - 0.005f * level;
        EXPECT_EQ(rates[k], 1.0f + vib) << k;
    }
    // The "." row after it moves nothing; the reached offset stays for the next
    // pitch change.
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(ValuesOf(Update(), AudioCall::kRate, 1).empty());
    EXPECT_EQ(e->Vib[1], vib);
}

TEST_F(SequencerTest, RowKindsOnASoundingChannel) {
    SetInstrument(1, {1, 4, 0, 0, 255, 1, 0, 0});
    SetRow(1, 0, "y", "9", 1, 2);
    SetRow(1, 1, ".", "0", 0, 0);
    SetRow(1, 2, "<", "0", 0, 2);
    SetRow(1, 3, "q", "0", 1, 2);
    SetRow(1, 4, "w", "5", 1, 2);
    Tap(KEY_F1);
    for (int k = 0; k < 4; ++k) Update();
    auto row = Update();  // row 0: a restart of both voices
    EXPECT_EQ(CountOf(row, AudioCall::kPlay, 1), 1);
    EXPECT_EQ(CountOf(row, AudioCall::kPlay, 5), 1);
    for (int k = 0; k < 4; ++k) Update();

    row = Update();  // ".": nothing but the envelope
    EXPECT_EQ(CountOf(row, AudioCall::kPlay, 1) + CountOf(row, AudioCall::kPause, 1) +
                  CountOf(row, AudioCall::kRate, 1) + CountOf(row, AudioCall::kResume, 1),
              0);
    EXPECT_EQ(CountOf(row, AudioCall::kVolume, 1), 1);
    for (int k = 0; k < 4; ++k) Update();

    row = Update();  // "<": both voices paused, no rate, the envelope goes on
    EXPECT_EQ(CountOf(row, AudioCall::kPause, 1), 1);
    EXPECT_EQ(CountOf(row, AudioCall::kPause, 5), 1);
    EXPECT_EQ(CountOf(row, AudioCall::kRate, 1), 0);
    EXPECT_EQ(CountOf(row, AudioCall::kVolume, 1), 1);
    for (int k = 0; k < 4; ++k) Update();

    const float levelBefore = e->volval[1];
    row = Update();  // a note with volume "0": resumed at the new pitch, not restarted
    EXPECT_EQ(CountOf(row, AudioCall::kPlay, 1), 0);
    EXPECT_EQ(CountOf(row, AudioCall::kResume, 1), 1);
    EXPECT_EQ(CountOf(row, AudioCall::kResume, 5), 1);
    EXPECT_EQ(ValuesOf(row, AudioCall::kRate, 1), std::vector<float>{PitchRate(12)});
    EXPECT_EQ(e->volval[1], levelBefore);
    EXPECT_EQ(e->Decay[1], 0.125f / 255.0f) << "the envelope starts again";
    for (int k = 0; k < 4; ++k) Update();

    row = Update();  // volume "5" restarts and sets the new level
    EXPECT_EQ(CountOf(row, AudioCall::kPlay, 1), 1);
    EXPECT_NEAR(e->volval[1], 5 * 0.1111111f, 1e-6);
}

TEST_F(SequencerTest, MutedChannelFallsSilentAtItsNextVolumeDigit) {
    SetInstrument(1, kPlain);
    SetRow(1, 0, "y", "9", 1, 2);
    SetRow(1, 1, "y", "0", 1, 2);
    SetRow(1, 2, "y", "9", 1, 2);
    Tap(KEY_F1);
    for (int k = 0; k < 5; ++k) Update();  // row 0 sounds
    Tap(KEY_F5);
    EXPECT_EQ(e->CHOn[1], 0.0f);
    for (int k = 0; k < 4; ++k) Update();  // row 1
    EXPECT_GT(e->volval[1], 0.9f) << "row 1 has no volume digit: the old level stays";
    for (int k = 0; k < 5; ++k) Update();
    EXPECT_EQ(e->volval[1], 0.0f);
}

TEST_F(SequencerTest, WrapsFromTheLastRowOfTheLastPosition) {
    e->Songlength = 2 * kRowsPerPattern;
    e->Patterns[0] = 3;
    e->Patterns[1] = 5;
    SetInstrument(1, kPlain);
    SetRow(1, 5 * 32 + 31, "q", "9", 1, 2);
    SetRow(1, 3 * 32 + 0, "w", "9", 1, 2);
    e->pcount = 1;
    Tap(KEY_F2);
    e->i = 31;
    for (int k = 0; k < 4; ++k) Update();
    auto row = Update();
    EXPECT_EQ(ValuesOf(row, AudioCall::kRate, 1), std::vector<float>{PitchRate(12)});
    EXPECT_EQ(e->pcount, 0);
    EXPECT_EQ(e->i, 0);
    for (int k = 0; k < 4; ++k) Update();
    row = Update();
    EXPECT_EQ(ValuesOf(row, AudioCall::kRate, 1), std::vector<float>{PitchRate(14)})
        << "row 0 of position 0 is pattern 3's first row";
}

TEST_F(SequencerTest, PositionsPastTheEndWrapToTheStart) {
    // Playback started past the song's end, or the length lowered below the
    // playing position, loops instead of running off the order table.
    struct Case {
        int songlength;
        int pcount;
    };
    for (const Case c : {Case{64, 5}, Case{3168, 255}, Case{32, 98}}) {
        e = MakeFreshEngine();
        e->Songlength = c.songlength;
        e->pcount = c.pcount;
        Tap(KEY_F2);
        e->i = 31;
        for (int k = 0; k < 5; ++k) Update();
        EXPECT_EQ(e->pcount, 0) << c.songlength << " " << c.pcount;
    }
}

TEST_F(SequencerTest, LoweringTheSpeedBelowTheCountKeepsRowsComing) {
    // Fault guarded: with the count already past a lowered speed, rows stopped for good.
    SetInstrument(1, kPlain);
    for (int row = 0; row < 3; ++row) SetRow(1, row, "y", "9", 1, 2);
    e->spd = 16;
    Tap(KEY_F1);
    for (int k = 0; k < 9; ++k) Update();
    ASSERT_EQ(e->Frame, 10.0f);
    e->spd = 4;
    EXPECT_EQ(UpdatesUntilPlay(1, 1), 1);
    EXPECT_EQ(UpdatesUntilPlay(1, 10), 4);
}

TEST_F(SequencerTest, InstrumentsAboveFifteenPlay) {
    SetInstrument(17, {4, 9, 0, 0, 255, 1, 0, 0});
    SetRow(2, 0, "y", "9", 17, 2);
    Tap(KEY_F1);
    for (int k = 0; k < 4; ++k) Update();
    const auto row = Update();
    EXPECT_EQ(e->LastInstNo[2], 17);
    EXPECT_EQ(e->Chanwav[2], e->Bass);
    EXPECT_EQ(e->PWM[2], 9.0f);
    EXPECT_EQ(CountOf(row, AudioCall::kPlay, 2), 1);
    EXPECT_EQ(CountOf(row, AudioCall::kStop, 6), 1) << "WAV 4 has no partner";
}

TEST_F(SequencerTest, EnvelopeBendsThePitch) {
    SetInstrument(1, {5, 0, 3, 0, 8, 1, 0, 0});
    SetRow(1, 0, "y", "9", 1, 2);
    Tap(KEY_F1);
    for (int k = 0; k < 4; ++k) Update();
    for (int tick = 1; tick <= 3; ++tick) {
        const auto rates = ValuesOf(Update(), AudioCall::kRate, 1);
        ASSERT_FALSE(rates.empty());
        const float decay = e->Decay[1];
        EXPECT_NEAR(decay, tick * 0.125f / 8, 1e-7);
        EXPECT_EQ(rates.back(), 1.0f - 3 * decay);
    }
}

TEST_F(SequencerTest, PreviewTickShapesAllEightChannels) {
    SetInstrument(1, {1, 8, 0, 15, 2, 1, 4, 7});
    e->WavInit = 1;
    e->PWM[0] = 8;
    e->Lastgch = "q";
    e->oct[0] = 2;
    const float levels[] = {0.9375f, 0.875f, 0.8125f};
    const float offsets[] = {0, 4, 7};
    for (int tick = 0; tick < 3; ++tick) {
        PreviewTick(*e);
        const auto calls = audio.Take();
        std::vector<int> rateOrder;
        for (const AudioCall& c : calls) {
            if (c.op == AudioCall::kRate) rateOrder.push_back(c.channel);
        }
        EXPECT_EQ(rateOrder, (std::vector<int>{1, 5, 2, 6, 3, 7, 4, 8}));
        for (int ch = 1; ch <= 8; ++ch) {
            EXPECT_EQ(ValuesOf(calls, AudioCall::kVolume, ch), std::vector<float>{levels[tick]}) << ch;
        }
        const float base = PitchRate(12 + offsets[tick]);
        EXPECT_EQ(ValuesOf(calls, AudioCall::kRate, 3), std::vector<float>{base});
        EXPECT_EQ(ValuesOf(calls, AudioCall::kRate, 7), std::vector<float>{base + 8.0f / 800.0f});
    }
}

TEST_F(SequencerTest, StandbyRunsThePreviewAndNotThePlayingTick) {
    SetInstrument(1, kPlain);
    SetRow(1, 0, "y", "9", 1, 2);
    for (int k = 0; k < 10; ++k) {
        const auto calls = Update();
        EXPECT_EQ(CountOf(calls, AudioCall::kPlay, 1), 0);
        EXPECT_EQ(CountOf(calls, AudioCall::kVolume, 8), 1) << "the preview levels all eight";
    }
    EXPECT_EQ(e->StatusInfo, String("Standby..."));
}

}  // namespace
