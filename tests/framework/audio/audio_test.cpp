// The audio device: the WAV reader, the channel states, and real mixing through
// OpenAL Soft's loopback device; and the generated waveforms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/audio/audio.h"
#include "framework/audio/audio_data.h"
#include "framework/audio/audio_device.h"
#include "framework/audio/recording_audio.h"
#include "tests/framework/audio/silent_vorbis.h"
#include "tests/support/temp_dir.h"

namespace {

std::string U16(unsigned v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}
std::string U32(unsigned v) {
    return U16(v & 0xFFFF) + U16(v >> 16);
}
std::string Chunk(const std::string& tag, const std::string& body) {
    return tag + U32(static_cast<unsigned>(body.size())) + body;
}
std::string Fmt(unsigned format, unsigned channels, unsigned hertz, unsigned bits,
                const std::string& extra = "") {
    return Chunk("fmt ", U16(format) + U16(channels) + U32(hertz) + U32(hertz * channels * bits / 8) +
                             U16(channels * bits / 8) + U16(bits) + extra);
}
std::string Riff(const std::string& chunks) {
    return "RIFF" + U32(static_cast<unsigned>(4 + chunks.size())) + "WAVE" + chunks;
}

struct WavCase {
    const char* what;
    std::string name;
    std::string bytes;
    bool loads;
    int length, channels, format, hertz;
};

std::vector<WavCase> WavCases() {
    const std::string pcm8(8, '\x40');
    return {
        {"16-bit mono", "a.wav", Riff(Fmt(1, 1, 22050, 16) + Chunk("data", pcm8)), true, 4, 1, 2, 22050},
        {"8-bit stereo", "a.wav", Riff(Fmt(1, 2, 8000, 8) + Chunk("data", pcm8)), true, 4, 2, 1, 8000},
        {"extra format bytes are skipped", "a.wav",
         Riff(Fmt(1, 1, 11025, 16, std::string("\x02\x00xy", 4)) + Chunk("data", pcm8)), true, 4, 1, 2, 11025},
        {"odd list chunk between fmt and data, no pad byte", "a.wav",
         Riff(Fmt(1, 1, 8000, 16) + Chunk("LIST", "INFOabc") + Chunk("data", pcm8)), true, 4, 1, 2, 8000},
        {"extension in capitals", "A.WAV", Riff(Fmt(1, 1, 8000, 16) + Chunk("data", pcm8)), true, 4, 1, 2, 8000},
        {"24-bit loads (refused later by the device)", "a.wav",
         Riff(Fmt(1, 1, 8000, 24) + Chunk("data", std::string(9, 'x'))), true, 3, 1, 3, 8000},
        {"fmt is not the first chunk", "a.wav",
         Riff(Chunk("LIST", "abcd") + Fmt(1, 1, 8000, 16) + Chunk("data", pcm8)), false, 0, 0, 0, 0},
        {"float samples", "a.wav", Riff(Fmt(3, 1, 8000, 32) + Chunk("data", pcm8)), false, 0, 0, 0, 0},
        {"not RIFF", "a.wav", "RIFX" + Riff(Fmt(1, 1, 8000, 16)).substr(4), false, 0, 0, 0, 0},
        {"no data chunk", "a.wav", Riff(Fmt(1, 1, 8000, 16)), false, 0, 0, 0, 0},
        {"data cut short", "a.wav",
         Riff(Fmt(1, 1, 8000, 16)) + "data" + U32(100) + "abcd", false, 0, 0, 0, 0},
        // Regression: the stated size was allocated before it was checked.
        {"data claiming 4 GB", "a.wav", Riff(Fmt(1, 1, 8000, 16)) + "data" + U32(0xFFFFFFF0u) + "abcd",
         false, 0, 0, 0, 0},
        {"a cut-short data chunk is not taken; a later one is not reached", "a.wav",
         Riff(Fmt(1, 1, 8000, 16)) + "data" + U32(6) + "ab", false, 0, 0, 0, 0},
        {"zero channels: loads with nothing to play", "a.wav",
         Riff(Fmt(1, 0, 8000, 16) + Chunk("data", pcm8)), true, 0, 0, 2, 8000},
        {"4-bit samples: zero bytes per sample, nothing to play", "a.wav",
         Riff(Fmt(1, 1, 8000, 4) + Chunk("data", pcm8)), true, 0, 1, 0, 8000},
        {"fmt chunk cut short", "a.wav", "RIFF" + U32(20) + "WAVEfmt " + U32(16) + U16(1) + U16(1),
         false, 0, 0, 0, 0},
        {"not WAVE", "a.wav", "RIFF" + U32(4) + "AVI " + Fmt(1, 1, 8000, 16), false, 0, 0, 0, 0},
        {"another extension", "a.raw", Riff(Fmt(1, 1, 8000, 16) + Chunk("data", pcm8)), false, 0, 0, 0, 0},
        {"empty file", "a.wav", "", false, 0, 0, 0, 0},
    };
}

TEST(WavReader, Cases) {
    TempWorkDir dir;
    for (const WavCase& c : WavCases()) {
        TempWorkDir::Write(c.name, c.bytes);
        AudioData data;
        const bool ok = LoadAudioData(String(c.name), data);
        ASSERT_EQ(ok, c.loads) << c.what;
        if (!ok) continue;
        EXPECT_EQ(data.length, c.length) << c.what;
        EXPECT_EQ(data.channels, c.channels) << c.what;
        EXPECT_EQ(data.format, c.format) << c.what;
        EXPECT_EQ(data.hertz, c.hertz) << c.what;
    }
    AudioData data;
    EXPECT_FALSE(LoadAudioData("missing.wav", data));
}

TEST(OggReader, DecodesAStreamCompletelyIntoSixteenBitSamples) {
    TempWorkDir dir;
    TempWorkDir::Write("x.OGG", silent_vorbis::Stream(2, 22050, 9));
    AudioData data;
    ASSERT_TRUE(LoadAudioData("x.OGG", data));
    EXPECT_EQ(data.channels, 2);
    EXPECT_EQ(data.hertz, 22050);
    EXPECT_EQ(data.format, 2);
    EXPECT_EQ(data.length, 8 * 128);
    ASSERT_EQ(data.pcm.size(), 8u * 128 * 2 * 2);
    EXPECT_TRUE(std::all_of(data.pcm.begin(), data.pcm.end(), [](uint8_t b) { return b == 0; }));
}

TEST(OggReader, RefusesWhatIsNotVorbis) {
    TempWorkDir dir;
    TempWorkDir::Write("x.ogg", "OggS not really a stream");
    std::string cut = silent_vorbis::Stream(1, 8000, 4);
    TempWorkDir::Write("cut.ogg", cut.substr(0, 40));  // inside the first page
    TempWorkDir::Write("vorbis.wav", silent_vorbis::Stream(1, 8000, 4));
    AudioData data;
    EXPECT_FALSE(LoadAudioData("x.ogg", data));
    EXPECT_FALSE(LoadAudioData("cut.ogg", data));
    EXPECT_FALSE(LoadAudioData("vorbis.wav", data));  // read as WAV by its name
}

constexpr int kHz = 48000;

// A loopback device made current as the module's device, with a data folder
// holding a tone: 64 samples of a triangle at 16744 Hz (middle C at rate 1).
class Loopback : public ::testing::Test {
protected:
    void SetUp() override {
        device_ = NewLoopbackAudio(kHz);
        ASSERT_NE(device_, nullptr);
        SetAudioDevice(device_);
        std::string pcm;
        for (int k = 0; k < 64; ++k) {
            const double t = (k + 0.5) / 64;
            const double v = t < 0.5 ? 4 * t - 1 : 3 - 4 * t;
            pcm += U16(static_cast<unsigned>(static_cast<int16_t>(std::lround(v * 16000))) & 0xFFFF);
        }
        TempWorkDir::Write("data/tone.wav", Riff(Fmt(1, 1, 16744, 16) + Chunk("data", pcm)));
        TempWorkDir::Write("data/blip.wav", Riff(Fmt(1, 1, 16744, 16) + Chunk("data", pcm)));
        tone_ = LoadSound("tone.wav");
        ASSERT_NE(tone_, nullptr);
    }
    void TearDown() override {
        SetAudioDevice(nullptr);
        delete device_;
    }

    std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(2 * static_cast<size_t>(frames));
        RenderLoopback(device_, out.data(), frames);
        return out;
    }
    static double Rms(const std::vector<int16_t>& s) {
        double sum = 0;
        for (int16_t v : s) sum += double(v) * v;
        return std::sqrt(sum / s.size());
    }
    // Frequency from the rising zero crossings of the left channel.
    static double Frequency(const std::vector<int16_t>& s) {
        int first = -1, last = -1, count = 0;
        for (size_t k = 2; k < s.size(); k += 2) {
            if (s[k - 2] < 0 && s[k] >= 0) {
                if (first < 0) first = static_cast<int>(k / 2);
                last = static_cast<int>(k / 2);
                ++count;
            }
        }
        return count > 1 ? (count - 1) * double(kHz) / (last - first) : 0;
    }

    TempWorkDir dir_;
    gxtkAudio* device_ = nullptr;
    Sound* tone_ = nullptr;
};

TEST_F(Loopback, RateSetsThePitchAndPersistsAcrossPlays) {
    SetChannelRate(3, 1.0f);  // before the channel ever played: creates its source
    PlaySound(tone_, 3, 1);
    Mix(2400);
    EXPECT_NEAR(Frequency(Mix(24000)), 261.63, 1.0);
    SetChannelRate(3, 2.0f);
    Mix(2400);
    EXPECT_NEAR(Frequency(Mix(24000)), 523.25, 2.0);
    PlaySound(tone_, 3, 1);  // a new play keeps the channel's rate
    Mix(2400);
    EXPECT_NEAR(Frequency(Mix(24000)), 523.25, 2.0);
}

TEST_F(Loopback, VolumeScalesAndStopSilences) {
    PlaySound(tone_, 1, 1);
    Mix(4800);
    const double full = Rms(Mix(9600));
    EXPECT_GT(full, 1000);
    SetChannelVolume(1, 0.5f);
    Mix(4800);
    EXPECT_NEAR(Rms(Mix(9600)) / full, 0.5, 0.05);
    StopChannel(1);
    Mix(4800);
    EXPECT_LT(Rms(Mix(4800)), 1.0);
}

TEST_F(Loopback, ChannelStates) {
    PlaySound(tone_, 2, 1);
    EXPECT_EQ(ChannelState(2), 1);
    PauseChannel(2);
    EXPECT_EQ(ChannelState(2), 2);
    Mix(2400);
    EXPECT_LT(Rms(Mix(2400)), 1.0);  // paused is silent
    ResumeChannel(2);
    EXPECT_EQ(ChannelState(2), 1);
    StopChannel(2);
    EXPECT_EQ(ChannelState(2), 0);
    ResumeChannel(2);  // stopped, not paused: nothing comes back
    EXPECT_EQ(ChannelState(2), 0);
    PauseChannel(2);
    EXPECT_EQ(ChannelState(2), 0);
}

TEST_F(Loopback, PlayingOnABusyChannelCutsTheOldSampleOff) {
    std::string pcm;
    for (int k = 0; k < 16744; ++k) pcm += U16(k % 64 < 32 ? 12000 : static_cast<unsigned>(-12000) & 0xFFFF);
    TempWorkDir::Write("data/long.wav", Riff(Fmt(1, 1, 16744, 16) + Chunk("data", pcm)));
    Sound* along = LoadSound("long.wav");  // one second
    ASSERT_NE(along, nullptr);
    PlaySound(along, 7, 0);
    Mix(2400);
    EXPECT_GT(Rms(Mix(2400)), 1000);
    PlaySound(tone_, 7, 0);  // 64 samples, then nothing: the long one does not go on
    Mix(2400);
    EXPECT_LT(Rms(Mix(4800)), 1.0);
}

TEST_F(Loopback, AnEndedOneShotReadsPlayingUntilLookedAt) {
    PlaySound(tone_, 4, 0);  // 64 samples: over within a few milliseconds
    Mix(4800);
    PauseChannel(4);  // the source ended by itself: state 0, nothing paused
    EXPECT_EQ(ChannelState(4), 0);
    ResumeChannel(4);
    EXPECT_EQ(ChannelState(4), 0);
}

TEST_F(Loopback, SuspendAndResumeBringBackOnlyThePlayingChannels) {
    PlaySound(tone_, 1, 1);
    PlaySound(tone_, 2, 1);
    PlaySound(tone_, 3, 1);
    PauseChannel(3);
    device_->Suspend();
    Mix(2400);
    EXPECT_LT(Rms(Mix(2400)), 1.0);
    EXPECT_EQ(ChannelState(1), 1);
    device_->Resume();
    Mix(2400);
    EXPECT_GT(Rms(Mix(2400)), 1000);
    EXPECT_EQ(ChannelState(3), 2);
    StopChannel(1);
    StopChannel(2);
    Mix(2400);
    EXPECT_LT(Rms(Mix(2400)), 1.0);  // channel 3 stayed paused
}

TEST(AudioModule, WithoutADeviceNothingHappens) {
    SetAudioDevice(nullptr);
    EXPECT_EQ(LoadSound("tri_64.wav"), nullptr);
    PlaySound(nullptr, 1, 1);
    SetChannelRate(1, 2.0f);
    EXPECT_EQ(ChannelState(1), 0);
}

TEST(GeneratedWaveforms, SingleCyclesInTuneWithHeadroom) {
    // The build writes them into build/data, the tests' working directory.
    for (const char* name : {"ramp_64.wav", "ramp_b_64.wav", "ramp_c_64.wav", "saw_64.wav", "tri_64.wav"}) {
        AudioData data;
        ASSERT_TRUE(LoadAudioData(String("data/") + name, data)) << name;
        EXPECT_EQ(data.length, 64) << name;
        EXPECT_EQ(data.hertz, 16744) << name;  // 64 samples at 16744 Hz: middle C at rate 1
        EXPECT_EQ(data.channels, 1);
        EXPECT_EQ(data.format, 2);
        int peak = 0;
        for (size_t k = 0; k + 1 < data.pcm.size(); k += 2) {
            const int v = static_cast<int16_t>(data.pcm[k] | (data.pcm[k + 1] << 8));
            peak = std::max(peak, std::abs(v));
        }
        // Eight voices at level 15/9 would clip hard if each came near full scale.
        EXPECT_GT(peak, 3000) << name;
        EXPECT_LT(peak, 11000) << name;
    }
    AudioData noise;
    ASSERT_TRUE(LoadAudioData("data/fx2b.wav", noise));
    EXPECT_GE(noise.length, 16744);  // a second or more: heard as noise, not a tone
}

TEST_F(Loopback, DiscardedBuffersWaitUntilNoSourceHoldsThem) {
    testing::internal::CaptureStdout();
    Sound* blip = LoadSound("blip.wav");
    ASSERT_NE(blip, nullptr);
    EXPECT_EQ(LoadSound("missing.wav"), nullptr);  // its sample is dropped
    PlaySound(blip, 5, 1);
    const int before = DiscardedBufferCount();
    delete blip->sample;  // still playing on channel 5
    blip->sample = nullptr;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Discarding sample\nDiscarding sample\n");
    EXPECT_EQ(DiscardedBufferCount(), before + 1);
    PlaySound(tone_, 6, 1);  // the flush is refused: channel 5 holds the buffer
    EXPECT_EQ(DiscardedBufferCount(), before + 1);
    Mix(2400);
    EXPECT_GT(Rms(Mix(2400)), 1000);  // both still sound
    PlaySound(tone_, 5, 1);           // channel 5 lets go of it
    PlaySound(tone_, 6, 1);           // and this flush deletes it
    EXPECT_EQ(DiscardedBufferCount(), before);

    // A sample that outlives its device leaves nothing behind for the next one.
    gxtkSample* orphan = tone_->sample;
    SetAudioDevice(nullptr);
    delete device_;
    device_ = NewLoopbackAudio(kHz);
    SetAudioDevice(device_);
    testing::internal::CaptureStdout();
    delete orphan;
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(DiscardedBufferCount(), before);
}

TEST_F(Loopback, MusicPlaysOnChannel32AndANewPieceDiscardsTheOld) {
    EXPECT_EQ(device_->PlayMusic("zorbit://data/missing.wav", 1), -1);
    testing::internal::CaptureStdout();
    ASSERT_EQ(device_->PlayMusic("zorbit://data/tone.wav", 1), 0);
    EXPECT_EQ(device_->MusicState(), 1);
    const int before = DiscardedBufferCount();
    ASSERT_EQ(device_->PlayMusic("zorbit://data/blip.wav", 1), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Discarding sample\n");
    EXPECT_EQ(DiscardedBufferCount(), before + 1);
    Mix(2400);
    EXPECT_GT(Rms(Mix(2400)), 1000);
    device_->PauseMusic();
    EXPECT_EQ(device_->MusicState(), 2);
    EXPECT_NE(LoadSound("blip.wav"), nullptr);  // this load's flush frees the old buffer
    EXPECT_EQ(DiscardedBufferCount(), before);
    device_->StopMusic();
    EXPECT_EQ(device_->MusicState(), 0);
}

TEST_F(Loopback, ChannelsOutsideTheBankAreIgnored) {
    PlaySound(tone_, 33, 1);
    PlaySound(tone_, -1, 1);
    SetChannelRate(1000, 2.0f);
    EXPECT_EQ(ChannelState(33), 0);
    Mix(2400);
    EXPECT_LT(Rms(Mix(2400)), 1.0);
    PlaySound(tone_, 32, 1);  // the music channel is a channel like the others
    EXPECT_EQ(device_->MusicState(), 1);
}

TEST_F(Loopback, RecorderForwardsAndKnowsWhichSoundPlayed) {
    RecordingAudio rec(device_);
    SetAudioDevice(&rec);
    Sound* blip = LoadSound("blip.wav");
    ASSERT_NE(blip, nullptr);
    EXPECT_EQ(LoadSound("nothing.wav"), nullptr);
    SetChannelRate(2, 2.0f);
    PlaySound(blip, 2, 1);
    PauseChannel(2);
    ResumeChannel(2);
    ASSERT_EQ(rec.Calls().size(), 6u);
    EXPECT_EQ(rec.Calls()[0].path, "zorbit://data/blip.wav");
    EXPECT_EQ(rec.Calls()[2].op, RecordingAudio::Op::Rate);
    EXPECT_EQ(rec.Calls()[2].value, 2.0f);
    EXPECT_EQ(rec.Calls()[3].op, RecordingAudio::Op::Play);
    EXPECT_EQ(RecordingAudio::PathOf(rec.Calls()[3].sample), "zorbit://data/blip.wav");
    EXPECT_EQ(rec.Calls()[3].flags, 1);
    EXPECT_EQ(rec.State(2), 1);
    Mix(2400);
    EXPECT_NEAR(Frequency(Mix(24000)), 523.25, 2.0);  // the real device plays it
    std::vector<int16_t> through(2 * 2400);
    RenderLoopback(&rec, through.data(), 2400);  // mixing the recorder mixes its device
    EXPECT_GT(Rms(through), 1000);
    RecordingAudio alone;
    std::vector<int16_t> silent(2 * 240, 7);
    RenderLoopback(&alone, silent.data(), 240);
    EXPECT_EQ(Rms(silent), 0.0);
    SetAudioDevice(device_);
}

// Runs in a child process that starts OpenAL Soft with no driver it knows, so
// the default device cannot be opened; the child's output goes to stderr.
[[noreturn]] void UseAFailedDevice() {
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    TempWorkDir dir;
    TempWorkDir::Write("data/a.wav", Riff(Fmt(1, 1, 8000, 16) + Chunk("data", "abcd")));
    testing::internal::CaptureStdout();
    gxtkAudio* audio = NewOpenAlAudio();
    SetAudioDevice(audio);
    Sound* sound = LoadSound("a.wav");  // loads still give samples
    bool ok = sound && sound->sample && sound->sample->Buffer() == 0;
    SetChannelRate(1, 2.0f);
    SetChannelVolume(1, 0.5f);
    PlaySound(sound, 1, 1);
    ok = ok && ChannelState(1) == 1;
    PauseChannel(1);
    ok = ok && ChannelState(1) == 2;
    audio->Suspend();
    audio->Resume();
    ResumeChannel(1);
    StopChannel(1);
    ok = ok && ChannelState(1) == 0;
    int16_t out[4] = {1, 1, 1, 1};
    RenderLoopback(audio, out, 2);
    ok = ok && out[0] == 0 && out[3] == 0;
    std::fputs(testing::internal::GetCapturedStdout().c_str(), stderr);
    std::exit(ok ? 0 : 1);
}

TEST(FailedDevice, PrintsItsErrorAndEveryOperationIsSilentAndSafe) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(UseAFailedDevice(), testing::ExitedWithCode(0), "^OpenAl error: alcOpenDevice failed\n$");
}

// The waveforms as the tracker plays them: real files through the real mixer.
class Waveforms : public ::testing::Test {
protected:
    void SetUp() override {
        device_ = NewLoopbackAudio(kHz);
        ASSERT_NE(device_, nullptr);
        SetAudioDevice(device_);
    }
    void TearDown() override {
        SetAudioDevice(nullptr);
        delete device_;
    }
    static Sound* Load(const char* name) {
        Sound* s = LoadSound(String(QT_BINARY_DIR "/data/") + name);
        EXPECT_NE(s, nullptr) << name;
        return s;
    }
    std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(2 * static_cast<size_t>(frames));
        RenderLoopback(device_, out.data(), frames);
        return out;
    }
    gxtkAudio* device_ = nullptr;
};

TEST_F(Waveforms, EachToneIsMiddleCAtRateOne) {
    for (const char* name : {"ramp_64.wav", "ramp_b_64.wav", "ramp_c_64.wav", "saw_64.wav", "tri_64.wav"}) {
        Sound* s = Load(name);
        if (!s) continue;
        SetChannelRate(1, 1.0f);
        PlaySound(s, 1, 1);
        Mix(2400);
        std::vector<int16_t> left;
        const std::vector<int16_t> mix = Mix(48000);
        for (size_t k = 0; k < mix.size(); k += 2) left.push_back(mix[k]);
        // Autocorrelation peak between 200 and 330 Hz: robust to the waveform's shape.
        int best = 0;
        double bestScore = -1e300;
        for (int lag = kHz / 330; lag <= kHz / 200; ++lag) {
            double score = 0;
            for (size_t k = 0; k + lag < left.size(); ++k) score += double(left[k]) * left[k + lag];
            if (score > bestScore) bestScore = score, best = lag;
        }
        EXPECT_NEAR(double(kHz) / best, 261.63, 1.5) << name;
        StopChannel(1);
    }
}

TEST_F(Waveforms, PairsSoundAtEveryDetuneAndFourLoudChannelsDoNotClipHard) {
    Sound* ramp = Load("ramp_b_64.wav");
    Sound* saw = Load("saw_64.wav");
    Sound* bass = Load("tri_64.wav");
    ASSERT_TRUE(ramp && saw && bass);
    // WAV 1 with PWM 0: both voices start together at one rate.
    PlaySound(ramp, 1, 1);
    PlaySound(saw, 5, 1);
    Mix(2400);
    std::vector<int16_t> pair = Mix(4800);
    double sum = 0;
    for (int16_t v : pair) sum += double(v) * v;
    EXPECT_GT(std::sqrt(sum / pair.size()), 2000);  // not cancelled to silence
    // Now the loudest the tracker plays: level 15/9 on both voices of three
    // WAV 1 channels in unison and a bass channel, all started in phase.
    const float loud = 15.0f / 9.0f;
    for (int n = 1; n <= 3; ++n) {
        SetChannelVolume(n, loud);
        SetChannelVolume(n + 4, loud);
        SetChannelRate(n + 4, 1.0f + 15.0f / 800.0f);
        PlaySound(ramp, n, 1);
        PlaySound(saw, n + 4, 1);
    }
    SetChannelVolume(4, loud);
    PlaySound(bass, 4, 1);
    const std::vector<int16_t> mix = Mix(48000);
    const auto clipped = std::count_if(mix.begin(), mix.end(), [](int16_t v) { return v >= 32767 || v <= -32768; });
    EXPECT_LT(double(clipped) / mix.size(), 0.01);
}

}  // namespace
