// A device that records every call in order, for exact tests of what the tracker
// asks of the sound. It stands alone (silent, with its own channel bookkeeping)
// or forwards every call to a real device after recording it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/audio/audio_device.h"

struct AudioCall {
    std::string op;              // "PlaySample", "SetRate", ... (the device operation)
    int channel = -1;            // -1 for operations without one
    const gxtkSample* sample = nullptr;
    String path;                 // the file of the sample or of a load ("" if none)
    int flags = 0;
    float value = 0.0f;          // volume, pan or rate; the result of ChannelState
};

class RecordingAudio : public gxtkAudio {
public:
    // With inner, every call is forwarded to it (it stays owned by the caller);
    // without, samples are decoded (so missing or bad files still give null) but
    // carry no buffer, and the channels keep only their bookkeeping.
    explicit RecordingAudio(gxtkAudio* inner = nullptr);

    int Suspend() override;
    int Resume() override;
    gxtkSample* LoadSample(const String& path) override;
    int PlaySample(gxtkSample* sample, int channel, int flags) override;
    int StopChannel(int channel) override;
    int PauseChannel(int channel) override;
    int ResumeChannel(int channel) override;
    int ChannelState(int channel) override;
    int SetVolume(int channel, float volume) override;
    int SetPan(int channel, float pan) override;
    int SetRate(int channel, float rate) override;

    const std::vector<AudioCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    // The file a sample was loaded from ("" for one this device did not load).
    String PathOf(const gxtkSample* sample) const;

    // Last values set on a channel (volume and rate start at 1, as OpenAL's).
    float Volume(int channel) const { return volume_[Index(channel)]; }
    float Rate(int channel) const { return rate_[Index(channel)]; }
    // The state as the recorder sees it (or the inner device's).
    int State(int channel) const;
    const gxtkSample* SampleOn(int channel) const { return sample_[Index(channel)]; }

private:
    static int Index(int channel) {
        return channel >= 0 && channel < kChannelCount ? channel : 0;
    }
    static bool Valid(int channel) { return channel >= 0 && channel < kChannelCount; }
    void Record(const char* op, int channel, const gxtkSample* sample, int flags, float value);

    gxtkAudio* inner_;
    std::vector<AudioCall> calls_;
    std::map<const gxtkSample*, String> paths_;
    float volume_[kChannelCount];
    float rate_[kChannelCount];
    int state_[kChannelCount] = {};
    const gxtkSample* sample_[kChannelCount] = {};
};
