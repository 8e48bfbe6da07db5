// The voice player against a recording audio device: the exact rates of the
// pitch formula, the order of its calls, note-offs, retriggers and PauseAll.
#include "tracker/voice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "framework/audio/audio.h"
#include "framework/audio/recording_audio.h"
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

TEST(LoadWaveformsTest, StartUpLoadsTheSixWaveformsFromTheDataFolder) {
    AudioRecorder audio;
    const auto e = MakeFreshEngine();
    struct Case {
        Sound* sound;
        const char* file;
    };
    const Case cases[] = {{e->Square, "ramp_64.wav"}, {e->Ramp, "ramp_b_64.wav"}, {e->Ramp2, "ramp_c_64.wav"},
                          {e->Saw, "saw_64.wav"},     {e->Noise, "fx2b.wav"},     {e->Bass, "tri_64.wav"}};
    for (const Case& c : cases) {
        ASSERT_NE(c.sound, nullptr) << c.file << ": run from the build folder, with data/ generated";
        const std::string path = RecordingAudio::PathOf(c.sound->sample);
        EXPECT_EQ(path.substr(path.size() - std::string(c.file).size()), c.file);
        EXPECT_NE(path.find("data/"), std::string::npos) << path;
    }
    EXPECT_EQ(e->Zero, nullptr);
}

TEST(LoadWaveformsTest, MissingFilesLeaveTheSoundsEmpty) {
    AudioRecorder audio;
    const std::filesystem::path cwd = std::filesystem::current_path();
    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "voice-test-no-data";
    std::filesystem::create_directories(empty);
    std::filesystem::current_path(empty);
    const auto e = MakeFreshEngine();
    std::filesystem::current_path(cwd);
    std::filesystem::remove_all(empty);
    for (Sound* s : {e->Square, e->Ramp, e->Ramp2, e->Saw, e->Noise, e->Bass}) EXPECT_EQ(s, nullptr);
    EXPECT_EQ(e->StatusInfo, String("Standby..."));
    // Playing an empty sound starts nothing; the rate is still set.
    PlayInst(e->Bass, 0, 1, 1.0f, 1, e->Zero, 0.0f, 1, 0.0f, 2);
    const auto calls = audio.Take();
    EXPECT_EQ(CountOf(calls, AudioCall::kPlay, 1), 0);
    EXPECT_EQ(CountOf(calls, AudioCall::kRate, 1), 1);
}

}  // namespace
