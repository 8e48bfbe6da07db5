// The recording audio device's calls in the plain form of audio_calls.h.
#include "tests/support/audio_calls.h"

#include <algorithm>
#include <cstdio>

#include "framework/audio/audio.h"
#include "framework/audio/recording_audio.h"

struct AudioRecorder::Impl {
    RecordingAudio device;
    std::unique_ptr<gxtkSample> samples[8];
    std::unique_ptr<Sound> sounds[8];
};

AudioRecorder::AudioRecorder() : impl_(new Impl) {
    SetAudioDevice(&impl_->device);
}

AudioRecorder::~AudioRecorder() {
    if (GetAudioDevice() == &impl_->device) SetAudioDevice(nullptr);
}

std::vector<AudioCall> AudioRecorder::Take() {
    std::vector<AudioCall> out;
    for (const RecordingAudio::Call& c : impl_->device.Calls()) {
        using R = RecordingAudio::Op;
        AudioCall a{AudioCall::kStop, c.channel, c.value, c.sample, c.flags};
        switch (c.op) {
            case R::Play: a.op = AudioCall::kPlay; break;
            case R::Stop: a.op = AudioCall::kStop; break;
            case R::Pause: a.op = AudioCall::kPause; break;
            case R::ResumeChannel: a.op = AudioCall::kResume; break;
            case R::Volume: a.op = AudioCall::kVolume; break;
            case R::Rate: a.op = AudioCall::kRate; break;
            default: continue;  // loads, pans, queries: not what the tracker's sound is made of
        }
        if (a.op != AudioCall::kPlay) {
            a.sample = nullptr;
            a.flags = 0;
        }
        if (a.op != AudioCall::kVolume && a.op != AudioCall::kRate) a.value = 0;
        out.push_back(a);
    }
    impl_->device.Clear();
    return out;
}

Sound* AudioRecorder::TestSound(int k) {
    if (!impl_->sounds[k]) {
        impl_->samples[k].reset(new gxtkSample(0));
        impl_->sounds[k].reset(new Sound(impl_->samples[k].get()));
    }
    return impl_->sounds[k].get();
}

const void* AudioRecorder::SampleOf(Sound* sound) const {
    return sound ? sound->sample : nullptr;
}

bool operator==(const AudioCall& a, const AudioCall& b) {
    return a.op == b.op && a.channel == b.channel && a.value == b.value && a.sample == b.sample &&
           a.flags == b.flags;
}

std::string Describe(const AudioCall& call, const std::vector<const void*>& samples) {
    static const char* const kNames[] = {"play", "stop", "pause", "resume", "vol", "rate"};
    std::string line = std::string(kNames[call.op]) + " " + std::to_string(call.channel);
    if (call.op == AudioCall::kVolume || call.op == AudioCall::kRate) {
        char value[32];
        std::snprintf(value, sizeof value, " %.9g", static_cast<double>(call.value));
        line += value;
    } else if (call.op == AudioCall::kPlay) {
        const auto at = std::find(samples.begin(), samples.end(), call.sample);
        line += at == samples.end() ? std::string(" ?") : " #" + std::to_string(at - samples.begin());
        line += " " + std::to_string(call.flags);
    }
    return line;
}

std::vector<float> ValuesOf(const std::vector<AudioCall>& calls, AudioCall::Op op, int channel) {
    std::vector<float> values;
    for (const AudioCall& c : calls) {
        if (c.op == op && c.channel == channel) values.push_back(c.value);
    }
    return values;
}

int CountOf(const std::vector<AudioCall>& calls, AudioCall::Op op, int channel) {
    int count = 0;
    for (const AudioCall& c : calls) count += c.op == op && c.channel == channel;
    return count;
}
