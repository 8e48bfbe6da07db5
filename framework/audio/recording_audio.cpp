// The recording audio device.
#include "framework/audio/recording_audio.h"

#include "framework/audio/audio_data.h"

namespace {

// The sample a recording device made, remembering its file and, when forwarding,
// the real device's sample that plays it.
class RecordedSample : public gxtkSample {
public:
    RecordedSample(std::string path, gxtkSample* inner) : path(std::move(path)), inner(inner) {}
    std::string path;
    gxtkSample* inner;
};

gxtkSample* InnerSample(gxtkSample* s) {
    auto* r = dynamic_cast<RecordedSample*>(s);
    return r ? r->inner : s;
}

}  // namespace

int RecordingAudio::Suspend() {
    calls_.emplace_back(Op::Suspend);
    return inner_ ? inner_->Suspend() : 0;
}

int RecordingAudio::Resume() {
    calls_.emplace_back(Op::Resume);
    return inner_ ? inner_->Resume() : 0;
}

gxtkSample* RecordingAudio::LoadSample(const String& path) {
    Call c(Op::Load);
    c.path = path.ToUtf8();
    calls_.push_back(c);
    gxtkSample* inner = nullptr;
    if (inner_) {
        inner = inner_->LoadSample(path);
        if (!inner) return nullptr;
    } else {
        AudioData data;
        if (!LoadAudioData(path, data)) return nullptr;
    }
    return new RecordedSample(c.path, inner);
}

int RecordingAudio::PlaySample(gxtkSample* sample, int channel, int flags) {
    calls_.emplace_back(Op::Play, channel, sample, flags);
    if (Valid(channel)) {
        sample_[channel] = sample;
        state_[channel] = 1;
    }
    return inner_ ? inner_->PlaySample(InnerSample(sample), channel, flags) : 0;
}

int RecordingAudio::StopChannel(int channel) {
    calls_.emplace_back(Op::Stop, channel);
    if (Valid(channel)) state_[channel] = 0;
    return inner_ ? inner_->StopChannel(channel) : 0;
}

int RecordingAudio::PauseChannel(int channel) {
    calls_.emplace_back(Op::Pause, channel);
    if (Valid(channel) && state_[channel] == 1) state_[channel] = 2;
    return inner_ ? inner_->PauseChannel(channel) : 0;
}

int RecordingAudio::ResumeChannel(int channel) {
    calls_.emplace_back(Op::ResumeChannel, channel);
    if (Valid(channel) && state_[channel] == 2) state_[channel] = 1;
    return inner_ ? inner_->ResumeChannel(channel) : 0;
}

int RecordingAudio::ChannelState(int channel) {
    calls_.emplace_back(Op::State, channel);
    if (inner_) return inner_->ChannelState(channel);
    return Valid(channel) ? state_[channel] : 0;
}

int RecordingAudio::SetVolume(int channel, float volume) {
    calls_.emplace_back(Op::Volume, channel, nullptr, 0, volume);
    if (Valid(channel)) volume_[channel] = volume;
    return inner_ ? inner_->SetVolume(channel, volume) : 0;
}

int RecordingAudio::SetPan(int channel, float pan) {
    calls_.emplace_back(Op::Pan, channel, nullptr, 0, pan);
    return inner_ ? inner_->SetPan(channel, pan) : 0;
}

int RecordingAudio::SetRate(int channel, float rate) {
    calls_.emplace_back(Op::Rate, channel, nullptr, 0, rate);
    if (Valid(channel)) rate_[channel] = rate;
    return inner_ ? inner_->SetRate(channel, rate) : 0;
}

std::string RecordingAudio::PathOf(const gxtkSample* sample) {
    auto* r = dynamic_cast<const RecordedSample*>(sample);
    return r ? r->path : std::string();
}
