// The audio device: 33 numbered channels (0-31 sounds, 32 music) on which loaded
// samples start, stop, pause and resume, with volume and rate kept per channel.
#pragma once

#include <cstdint>

#include "runtime/string.h"

// One loaded sample: an audio-layer buffer (0 for none).
class gxtkSample {
public:
    explicit gxtkSample(unsigned buffer = 0, int device = 0) : buffer_(buffer), device_(device) {}
    virtual ~gxtkSample();
    gxtkSample(const gxtkSample&) = delete;
    gxtkSample& operator=(const gxtkSample&) = delete;

    unsigned Buffer() const { return buffer_; }
    // The buffer goes on the discarded list, to be deleted once no source holds it.
    void Discard();

private:
    unsigned buffer_;
    int device_;  // the device that made the buffer (buffer names are per device)
};

class gxtkAudio {
public:
    // The program keeps its device to the end; deleting one releases its
    // sources, its discarded buffers, its context and its audio-layer device.
    virtual ~gxtkAudio() = default;

    // Channel operations ignore channel numbers outside 0 to 32.

    virtual int Suspend() = 0;
    virtual int Resume() = 0;
    // A new sample holding the decoded file, or null.
    virtual gxtkSample* LoadSample(const String& path) = 0;
    virtual int PlaySample(gxtkSample* sample, int channel, int flags) = 0;
    virtual int StopChannel(int channel) = 0;
    virtual int PauseChannel(int channel) = 0;
    virtual int ResumeChannel(int channel) = 0;
    virtual int ChannelState(int channel) = 0;
    virtual int SetVolume(int channel, float volume) = 0;
    virtual int SetPan(int channel, float pan) = 0;
    virtual int SetRate(int channel, float rate) = 0;

    // Music is channel 32.
    static constexpr int kMusicChannel = 32;
    int PlayMusic(const String& path, int flags);
    int StopMusic() { return StopChannel(kMusicChannel); }
    int PauseMusic() { return PauseChannel(kMusicChannel); }
    int ResumeMusic() { return ResumeChannel(kMusicChannel); }
    int MusicState() { return ChannelState(kMusicChannel); }
    int SetMusicVolume(float volume) { return SetVolume(kMusicChannel, volume); }

private:
    // The sample PlayMusic loaded last; the next one replaces and discards it.
    gxtkSample* music_ = nullptr;
};

// The real device on the default output device. When the device, context or
// current-context step fails, the "OpenAl error: ..." line is printed and the
// device works silently.
gxtkAudio* NewOpenAlAudio();

// The same device on OpenAL Soft's loopback device: nothing plays by itself;
// RenderLoopback mixes the next frames (stereo, signed 16-bit, at frequency).
// Returns null when the loopback extension is missing.
gxtkAudio* NewLoopbackAudio(int frequency);
// Mixes frames of interleaved stereo into out (2 × frames values). The device's
// context is made current first, so several devices may coexist. A recording
// device is mixed through the device it forwards to; any other device that is
// not a loopback one writes silence.
void RenderLoopback(gxtkAudio* device, int16_t* out, int frames);

// Buffers of discarded samples still waiting for deletion (every device).
int DiscardedBufferCount();
