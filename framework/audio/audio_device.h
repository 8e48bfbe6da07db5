// The native audio device: 33 numbered channels over OpenAL Soft, and samples.
//
// One gxtkAudio is made by the host (or by the renderer and the tests). Channels
// 0 to 31 are sound channels, 32 is the music channel. A channel keeps the volume,
// rate and pan last set on it across plays, and its source lives as long as the
// device. Every operation is safe on a device whose open failed: it then only
// keeps its bookkeeping and makes no sound.
#pragma once

#include <cstdint>

#include "runtime/string.h"

struct ALCdevice;
struct ALCcontext;

// One loaded sample: an OpenAL buffer (0 means nothing to play). Discarding or
// destroying it does not delete the buffer at once; the buffer goes on the
// process-wide list of discarded buffers, which every load and play flushes.
class gxtkSample {
public:
    gxtkSample() = default;
    gxtkSample(unsigned int buffer, int device) : al_buffer(buffer), device_(device) {}
    gxtkSample(const gxtkSample&) = delete;
    gxtkSample& operator=(const gxtkSample&) = delete;
    // Writes "Discarding sample".
    virtual ~gxtkSample();

    void Discard();
    unsigned int Buffer() const { return al_buffer; }

    unsigned int al_buffer = 0;

private:
    int device_ = 0;  // serial of the device that made the buffer
};

struct gxtkChannel {
    unsigned int source = 0;       // created on first use, kept for the device's life
    gxtkSample* sample = nullptr;  // the sample last started here
    int flags = 0;                 // flags of the last start
    int state = 0;                 // 0 stopped, 1 playing, 2 paused
};

class gxtkAudio {
public:
    enum class Backend {
        Default,   // the default output device
        Loopback,  // ALC_SOFT_loopback: mixed on demand with RenderLoopback
        None,      // no device at all: bookkeeping only, silent
    };
    static constexpr int kChannelCount = 33;
    static constexpr int kMusicChannel = 32;

    explicit gxtkAudio(Backend backend = Backend::Default, int frequency = 48000);
    gxtkAudio(const gxtkAudio&) = delete;
    gxtkAudio& operator=(const gxtkAudio&) = delete;
    // The program never destroys its device; tests and tools may.
    virtual ~gxtkAudio();

    // Device operations. All return 0 unless stated otherwise. Channel numbers
    // outside 0 to 32 are ignored.
    virtual int Suspend();
    virtual int Resume();
    // A new sample holding the decoded file, or null (missing file, other
    // extension, failed WAV check). The path may be virtual ("zorbit://data/...").
    virtual gxtkSample* LoadSample(const String& path);
    virtual int PlaySample(gxtkSample* sample, int channel, int flags);
    virtual int StopChannel(int channel);
    virtual int PauseChannel(int channel);
    virtual int ResumeChannel(int channel);
    // 0 stopped, 1 playing, 2 paused.
    virtual int ChannelState(int channel);
    virtual int SetVolume(int channel, float volume);
    virtual int SetPan(int channel, float pan);
    virtual int SetRate(int channel, float rate);

    // Music: the channel operations on channel 32. PlayMusic returns -1 when the
    // file does not load.
    virtual int PlayMusic(const String& path, int flags);
    virtual int StopMusic();
    virtual int PauseMusic();
    virtual int ResumeMusic();
    virtual int MusicState();
    virtual int SetMusicVolume(float volume);

    // True when a device and a current context were obtained.
    bool HasContext() const { return context_ != nullptr; }
    bool IsLoopback() const { return loopback_; }
    int Frequency() const { return frequency_; }
    const gxtkChannel& Channel(int channel) const { return channels_[channel]; }

    // Mixes frames of stereo signed 16-bit sound (interleaved left, right) from a
    // loopback device into out. Any other device writes silence.
    void Render(int16_t* out, int frames);

protected:
    // Makes this device's context current if another one is; false without one.
    bool Select();
    unsigned int SourceOf(int channel);
    void FlushDiscarded();
    bool StoppedByItself(const gxtkChannel& channel);

private:
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    bool loopback_ = false;
    int frequency_ = 0;
    int serial_ = 0;
    gxtkChannel channels_[kChannelCount];
};

// The real device on the default output. On failure it prints the
// "OpenAl error: ..." line and works silently.
gxtkAudio* NewOpenAlAudio();

// A device on OpenAL Soft's loopback device, mixing stereo 16-bit at the given
// frequency only when asked: call RenderLoopback after each update.
gxtkAudio* NewLoopbackAudio(int frequency);

// Mixes `frames` stereo 16-bit frames (2 * frames values, left first) from a
// loopback device into out; silence for any other device or a null one.
void RenderLoopback(gxtkAudio* audio, int16_t* out, int frames);

// A device with no audio layer under it (for benchmarks and headless runs).
gxtkAudio* NewNullAudio();

// Number of buffers waiting on the process-wide discarded list.
int DiscardedBufferCount();
