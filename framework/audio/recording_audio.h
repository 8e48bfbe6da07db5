// An audio device that records every call, in order, for exact tests of what the
// tracker asks of the sound. It keeps the channel states as the real device does
// (without a source that ends by itself) and can forward every call to a real
// device so that the same run is also heard or mixed.
#pragma once

#include <string>
#include <vector>

#include "framework/audio/audio_device.h"

class RecordingAudio : public gxtkAudio {
public:
    enum class Op { Suspend, Resume, Load, Play, Stop, Pause, ResumeChannel, State, Volume, Pan, Rate };

    struct Call {
        explicit Call(Op op, int channel = -1, const gxtkSample* sample = nullptr, int flags = 0,
                      float value = 0)
            : op(op), channel(channel), sample(sample), flags(flags), value(value) {}
        Op op;
        int channel = -1;
        const gxtkSample* sample = nullptr;  // Play: the sample started
        int flags = 0;
        float value = 0;                     // Volume, Pan, Rate
        std::string path;                    // Load
    };

    // With an inner device every call is forwarded to it as well (not owned).
    explicit RecordingAudio(gxtkAudio* inner = nullptr) : inner_(inner) {}

    int Suspend() override;
    int Resume() override;
    // Decodes the file for real; the sample remembers its path (PathOf).
    gxtkSample* LoadSample(const String& path) override;
    int PlaySample(gxtkSample* sample, int channel, int flags) override;
    int StopChannel(int channel) override;
    int PauseChannel(int channel) override;
    int ResumeChannel(int channel) override;
    int ChannelState(int channel) override;
    int SetVolume(int channel, float volume) override;
    int SetPan(int channel, float pan) override;
    int SetRate(int channel, float rate) override;

    gxtkAudio* Inner() const { return inner_; }
    const std::vector<Call>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    // The path a sample was loaded from ("" for one this device did not load).
    static std::string PathOf(const gxtkSample* sample);

    // Last values set, and the bookkeeping state, of a channel (zero for
    // channels outside 0 to 32, whose calls are recorded but not kept).
    float Volume(int channel) const { return Valid(channel) ? volume_[channel] : 0; }
    float Rate(int channel) const { return Valid(channel) ? rate_[channel] : 0; }
    int State(int channel) const { return Valid(channel) ? state_[channel] : 0; }
    const gxtkSample* Playing(int channel) const { return Valid(channel) ? sample_[channel] : nullptr; }

private:
    static bool Valid(int channel) { return channel >= 0 && channel < 33; }

    gxtkAudio* inner_;
    std::vector<Call> calls_;
    float volume_[33] = {};
    float rate_[33] = {};
    int state_[33] = {};
    const gxtkSample* sample_[33] = {};
};
