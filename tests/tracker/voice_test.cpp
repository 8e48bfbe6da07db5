// The voice player against a recording audio device: the exact rates of the
// pitch formula, the order of its calls, note-offs, retriggers and PauseAll.
#include "tracker/voice.h"

#include <gtest/gtest.h>

#include "tests/support/audio_calls.h"
#include "tests/support/fresh_engine.h"

namespace {

using Op = AudioCall::Op;

class VoiceTest : public ::testing::Test {
protected:
    AudioRecorder audio;
    Sound* main = audio.TestSound(0);
    Sound* partner = audio.TestSound(1);
    const void* mainSample = audio.SampleOf(main);
    const void* partnerSample = audio.SampleOf(partner);

    AudioCall Rate(int ch, float v) { return {AudioCall::kRate, ch, v, nullptr, 0}; }
    AudioCall Play(int ch, const void* s) { return {AudioCall::kPlay, ch, 0, s, 1}; }
    AudioCall Plain(Op op, int ch) { return {op, ch, 0, nullptr, 0}; }
};

TEST_F(VoiceTest, RatesOfThePitchFormulaInSinglePrecision) {
    struct Case {
        int pitch;
        float rate;
    };
    // Twelve steps of the single-precision semitone overshoot 2 slightly.
    const Case cases[] = {{0, 1.0f}, {12, 2.0000012f}, {-24, 0.24999972f}, {43, 11.986481f},
                          {40, 10.079387f}};
    for (const Case& c : cases) {
        PlayInst(main, c.pitch, 2, 1.0f, 1, partner, 0.0f, 1, 0.0f, 2);
        const auto calls = audio.Take();
        ASSERT_EQ(calls.size(), 4u) << c.pitch;
        EXPECT_EQ(calls[0], Rate(2, c.rate)) << c.pitch;
        EXPECT_EQ(calls[2], Rate(6, c.rate)) << "PWM 0 keeps the partner in phase, pitch " << c.pitch;
    }
}

TEST_F(VoiceTest, NoteStartSetsRatesBeforePlayingBothVoices) {
    PlayInst(main, 0, 1, 0.5f, 1, partner, 15.0f, 1, 3.0f, 2);
    const std::vector<AudioCall> expected = {Rate(1, 1.0f), Play(1, mainSample), Rate(5, 1.01875f),
                                             Play(5, partnerSample)};
    EXPECT_EQ(audio.Take(), expected);

    // The partner's rate is the single-precision main rate plus detune / 800.
    PlayInst(main, 7, 3, 1.0f, 1, partner, 9.0f, 1, 0.0f, 2);
    const float rate = PitchRate(7.0f);
    EXPECT_EQ(ValuesOf(audio.Take(), AudioCall::kRate, 7), std::vector<float>{rate + 9.0f / 800.0f});
}

TEST_F(VoiceTest, RetriggerZeroResumesInsteadOfRestarting) {
    PlayInst(main, 5, 4, 1.0f, 1, partner, 0.0f, 0, 0.0f, 1);
    const float rate = PitchRate(5.0f);
    const std::vector<AudioCall> expected = {Rate(4, rate), Plain(AudioCall::kResume, 4), Rate(8, rate),
                                             Plain(AudioCall::kResume, 8)};
    EXPECT_EQ(audio.Take(), expected);
}

TEST_F(VoiceTest, NoteOffPausesThePairAndSetsNoRate) {
    for (int octave = 0; octave <= 3; ++octave) {
        PlayInst(main, 12 * octave + 104, 2, 1.0f, 1, partner, 4.0f, 1, 0.0f, octave);
        const std::vector<AudioCall> expected = {Plain(AudioCall::kPause, 2), Plain(AudioCall::kPause, 6)};
        EXPECT_EQ(audio.Take(), expected) << octave;
    }
    // The note-off pitch of another octave is merely a pitch too high to sound.
    PlayInst(main, 104, 2, 1.0f, 1, partner, 4.0f, 1, 0.0f, 1);
    EXPECT_TRUE(audio.Take().empty());
}

TEST_F(VoiceTest, PitchesAboveTheRangeChangeNothing) {
    for (int pitch : {44, 255 - 24, 127 - 24 + 36, 129 - 24}) {
        PlayInst(main, pitch, 1, 1.0f, 1, partner, 0.0f, 1, 0.0f, 0);
        EXPECT_TRUE(audio.Take().empty()) << pitch;
    }
}

TEST_F(VoiceTest, SingleSoundPairsStopThePartnerOnEveryCall) {
    PlayInst(main, 0, 3, 1.0f, 1, nullptr, 15.0f, 1, 0.0f, 2);
    std::vector<AudioCall> expected = {Rate(3, 1.0f), Play(3, mainSample), Plain(AudioCall::kStop, 7)};
    EXPECT_EQ(audio.Take(), expected);
    PlayInst(main, 0, 3, 1.0f, 1, nullptr, 15.0f, 0, 0.0f, 2);
    expected = {Rate(3, 1.0f), Plain(AudioCall::kResume, 3), Plain(AudioCall::kStop, 7)};
    EXPECT_EQ(audio.Take(), expected);
}

TEST_F(VoiceTest, EmptyMainSoundKeepsTheRateButStartsNothing) {
    PlayInst(nullptr, 0, 1, 1.0f, 1, partner, 0.0f, 1, 0.0f, 2);
    const std::vector<AudioCall> expected = {Rate(1, 1.0f), Rate(5, 1.0f), Play(5, partnerSample)};
    EXPECT_EQ(audio.Take(), expected);
}

TEST_F(VoiceTest, PauseAllStopsTwelveChannels) {
    PauseAll();
    const auto calls = audio.Take();
    std::vector<int> channels;
    for (const AudioCall& c : calls) {
        EXPECT_EQ(c.op, AudioCall::kStop);
        channels.push_back(c.channel);
    }
    EXPECT_EQ(channels, (std::vector<int>{1, 2, 3, 4, 6, 5, 8, 7, 9, 10, 11, 12}));
}

TEST(SoundPairTest, WavValuesSelectMainAndPartner) {
    EngineState e;
    Sound* s[6];
    for (int k = 0; k < 6; ++k) s[k] = reinterpret_cast<Sound*>(static_cast<std::uintptr_t>(16 * (k + 1)));
    e.Square = s[0];
    e.Ramp = s[1];
    e.Ramp2 = s[2];
    e.Saw = s[3];
    e.Noise = s[4];
    e.Bass = s[5];
    struct Case {
        int wav;
        Sound* main;
        Sound* partner;
    };
    const Case cases[] = {{1, e.Ramp, e.Saw},  {2, e.Ramp2, e.Saw}, {3, e.Square, e.Saw},
                          {4, e.Bass, nullptr}, {5, e.Saw, nullptr}, {6, e.Noise, nullptr}};
    for (const Case& c : cases) {
        Sound* m = s[0];
        Sound* p = s[0];
        EXPECT_TRUE(SoundPair(e, c.wav, &m, &p));
        EXPECT_EQ(m, c.main) << c.wav;
        EXPECT_EQ(p, c.partner) << c.wav;
    }
    for (int wav : {0, 7, -1, 255}) {
        Sound* m = s[4];
        Sound* p = s[5];
        EXPECT_FALSE(SoundPair(e, wav, &m, &p));
        EXPECT_EQ(m, s[4]);
        EXPECT_EQ(p, s[5]);
    }
}

}  // namespace
