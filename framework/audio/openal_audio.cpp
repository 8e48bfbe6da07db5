// The audio device over OpenAL (a real output device, or OpenAL Soft's loopback).
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/audio/audio_data.h"
#include "framework/audio/audio_device.h"
#include "framework/audio/recording_audio.h"
#include "runtime/error.h"

namespace {

// Buffers of discarded samples wait here until no source holds them. Each keeps
// the serial of the device that made it: buffer names are per device, so a
// flush must never delete a name that another device has handed out again.
struct Discarded {
    ALuint buffer;
    int device;
};

std::vector<Discarded>& DiscardedBuffers() {
    static std::vector<Discarded> buffers;
    return buffers;
}

// Serials of the devices that exist. The buffer of a sample that outlives its
// device went with that device and needs no deleting.
std::vector<int>& LiveDevices() {
    static std::vector<int> serials;
    return serials;
}

int NextDeviceSerial() {
    static int serial = 0;
    LiveDevices().push_back(++serial);
    return serial;
}

bool DeviceLives(int serial) {
    const auto& live = LiveDevices();
    return std::find(live.begin(), live.end(), serial) != live.end();
}

bool ValidChannel(int channel) {
    return channel >= 0 && channel < 33;
}

struct gxtkChannel {
    ALuint source = 0;
    gxtkSample* sample = nullptr;
    int flags = 0;
    int state = 0;  // 0 stopped, 1 playing, 2 paused
    // The values last given to the source (a new source starts at 1 and 1). The
    // tracker sets every voice's level and rate each tick; setting an unchanged
    // value still costs the audio layer a property update, so it is skipped.
    float gain = 1.0f;
    float pitch = 1.0f;
};

class OpenAlAudio : public gxtkAudio {
public:
    OpenAlAudio(ALCdevice* device, const ALCint* attributes, bool loopback = false)
        : device_(device), loopback_(loopback), serial_(NextDeviceSerial()) {
        if (!device_) {
            bbPrint("OpenAl error: alcOpenDevice failed");
            return;
        }
        context_ = alcCreateContext(device_, attributes);
        if (!context_) {
            bbPrint("OpenAl error: alcCreateContext failed");
            return;
        }
        if (!alcMakeContextCurrent(context_)) {
            bbPrint("OpenAl error: alcMakeContextCurrent failed");
            alcDestroyContext(context_);
            context_ = nullptr;
            return;
        }
        // Position only pans: there is no distance model.
        alDistanceModel(AL_NONE);
    }

    // The program keeps its device to the end; tools and tests release theirs.
    ~OpenAlAudio() override {
        auto& live = LiveDevices();
        live.erase(std::remove(live.begin(), live.end(), serial_), live.end());
        if (context_ && MakeCurrent()) {
            for (auto& ch : channels_) {
                if (ch.source) alDeleteSources(1, &ch.source);
            }
            auto& list = DiscardedBuffers();
            for (auto it = list.begin(); it != list.end();) {
                if (it->device == serial_) {
                    alDeleteBuffers(1, &it->buffer);
                    it = list.erase(it);
                } else {
                    ++it;
                }
            }
            alGetError();
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context_);
        }
        if (device_) alcCloseDevice(device_);
    }

    bool Live() { return context_ && MakeCurrent(); }
    ALCdevice* Device() const { return device_; }
    bool Loopback() const { return loopback_; }

    int Suspend() override {
        if (!Live()) return 0;
        for (auto& ch : channels_) {
            if (ch.state == 1 && SourceState(ch) == AL_PLAYING) alSourcePause(ch.source);
        }
        return 0;
    }

    int Resume() override {
        if (!Live()) return 0;
        for (auto& ch : channels_) {
            if (ch.state == 1 && SourceState(ch) == AL_PAUSED) alSourcePlay(ch.source);
        }
        return 0;
    }

    gxtkSample* LoadSample(const String& path) override {
        Flush();
        AudioData data;
        if (!LoadAudioData(path, data)) {
            delete new gxtkSample();  // the sample made for the load is dropped
            return nullptr;
        }
        ALenum format = 0;
        if (data.format == 1 && data.channels == 1) format = AL_FORMAT_MONO8;
        if (data.format == 1 && data.channels == 2) format = AL_FORMAT_STEREO8;
        if (data.format == 2 && data.channels == 1) format = AL_FORMAT_MONO16;
        if (data.format == 2 && data.channels == 2) format = AL_FORMAT_STEREO16;
        ALuint buffer = 0;
        if (Live()) {
            alGenBuffers(1, &buffer);
            // An unknown format is refused by the audio layer: the sample then
            // has a buffer with nothing to play.
            if (format != 0 && data.length > 0) {
                const size_t bytes = static_cast<size_t>(data.length) * static_cast<size_t>(data.channels) *
                                     static_cast<size_t>(data.format);
                alBufferData(buffer, format, data.pcm.data(), static_cast<ALsizei>(bytes), data.hertz);
            }
            alGetError();
        }
        return new gxtkSample(buffer, serial_);
    }

    int PlaySample(gxtkSample* sample, int channel, int flags) override {
        Flush();
        if (!ValidChannel(channel)) return 0;
        gxtkChannel& ch = channels_[channel];
        if (Live()) {
            Source(ch);
            alSourceStop(ch.source);
            alSourcei(ch.source, AL_BUFFER, sample ? static_cast<ALint>(sample->Buffer()) : 0);
            alSourcei(ch.source, AL_LOOPING, flags ? AL_TRUE : AL_FALSE);
            alSourcePlay(ch.source);
            alGetError();
        }
        ch.sample = sample;
        ch.flags = flags;
        ch.state = 1;
        return 0;
    }

    int StopChannel(int channel) override {
        if (!ValidChannel(channel)) return 0;
        gxtkChannel& ch = channels_[channel];
        if (ch.state != 0) {
            if (Live() && ch.source) alSourceStop(ch.source);
            ch.state = 0;
        }
        return 0;
    }

    int PauseChannel(int channel) override {
        if (!ValidChannel(channel)) return 0;
        gxtkChannel& ch = channels_[channel];
        if (ch.state != 1) return 0;
        if (Stopped(ch)) {
            ch.state = 0;
            return 0;
        }
        if (Live() && ch.source) alSourcePause(ch.source);
        ch.state = 2;
        return 0;
    }

    int ResumeChannel(int channel) override {
        if (!ValidChannel(channel)) return 0;
        gxtkChannel& ch = channels_[channel];
        if (ch.state != 2) return 0;
        if (Live() && ch.source) alSourcePlay(ch.source);
        ch.state = 1;
        return 0;
    }

    int ChannelState(int channel) override {
        if (!ValidChannel(channel)) return 0;
        gxtkChannel& ch = channels_[channel];
        if (ch.state == 1 && Stopped(ch)) ch.state = 0;
        return ch.state;
    }

    int SetVolume(int channel, float volume) override {
        if (!ValidChannel(channel)) return 0;
        gxtkChannel& ch = channels_[channel];
        if (!Live() || (ch.source && ch.gain == volume)) return 0;
        alSourcef(Source(ch), AL_GAIN, volume);
        ch.gain = volume;
        return 0;
    }

    int SetPan(int channel, float pan) override {
        if (!ValidChannel(channel)) return 0;
        if (Live()) alSource3f(Source(channels_[channel]), AL_POSITION, std::sin(pan), 0.0f, -std::cos(pan));
        return 0;
    }

    int SetRate(int channel, float rate) override {
        if (!ValidChannel(channel)) return 0;
        gxtkChannel& ch = channels_[channel];
        if (!Live() || (ch.source && ch.pitch == rate)) return 0;
        alGetError();
        alSourcef(Source(ch), AL_PITCH, rate);
        // A rate the layer rejects leaves the old one.
        if (alGetError() == AL_NO_ERROR) ch.pitch = rate;
        return 0;
    }

private:
    bool MakeCurrent() {
        return alcGetCurrentContext() == context_ || alcMakeContextCurrent(context_);
    }

    ALuint Source(gxtkChannel& ch) {
        if (!ch.source) alGenSources(1, &ch.source);
        return ch.source;
    }

    ALint SourceState(const gxtkChannel& ch) {
        ALint state = AL_INITIAL;
        if (ch.source) alGetSourcei(ch.source, AL_SOURCE_STATE, &state);
        return state;
    }

    // A source that reached its end by itself (the sample did not loop).
    bool Stopped(const gxtkChannel& ch) { return Live() && ch.source && SourceState(ch) == AL_STOPPED; }

    void Flush() {
        auto& list = DiscardedBuffers();
        if (list.empty() || !Live()) return;
        for (auto& ch : channels_) {
            if (ch.state != 0 && Stopped(ch)) alSourcei(ch.source, AL_BUFFER, 0);
        }
        std::vector<Discarded> kept;
        for (Discarded d : list) {
            if (d.device == serial_) {
                alGetError();
                alDeleteBuffers(1, &d.buffer);
                if (alGetError() == AL_NO_ERROR) continue;
            }
            kept.push_back(d);
        }
        list.swap(kept);
    }

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    bool loopback_;
    int serial_;
    gxtkChannel channels_[33];
};

}  // namespace

gxtkSample::~gxtkSample() {
    Discard();
    bbPrint("Discarding sample");
}

void gxtkSample::Discard() {
    if (buffer_ && DeviceLives(device_)) DiscardedBuffers().push_back({buffer_, device_});
    buffer_ = 0;
}

int DiscardedBufferCount() {
    return static_cast<int>(DiscardedBuffers().size());
}

int gxtkAudio::PlayMusic(const String& path, int flags) {
    StopChannel(kMusicChannel);
    gxtkSample* sample = LoadSample(path);
    if (!sample) return -1;
    PlaySample(sample, kMusicChannel, flags);
    // Nothing else refers to the old music: its buffer is freed at a later flush.
    delete music_;
    music_ = sample;
    return 0;
}

gxtkAudio* NewOpenAlAudio() {
    return new OpenAlAudio(alcOpenDevice(nullptr), nullptr);
}

gxtkAudio* NewLoopbackAudio(int frequency) {
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return nullptr;
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    if (!open) return nullptr;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,     ALC_SHORT_SOFT,
                                 ALC_FREQUENCY,            frequency,
                                 // The mix is the product: no limiter reshaping it.
                                 ALC_OUTPUT_LIMITER_SOFT,  ALC_FALSE,
                                 ALC_HRTF_SOFT,            ALC_FALSE,
                                 0};
    return new OpenAlAudio(open(nullptr), attributes, true);
}

void RenderLoopback(gxtkAudio* device, int16_t* out, int frames) {
    // A recorder is mixed through the device it forwards to; any device that is
    // not a loopback one (a real output, a stand-alone recorder) gives silence.
    if (auto* rec = dynamic_cast<RecordingAudio*>(device)) {
        RenderLoopback(rec->Inner(), out, frames);
        return;
    }
    auto* al = dynamic_cast<OpenAlAudio*>(device);
    static auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!al || !al->Loopback() || !render || !al->Live()) {
        std::fill(out, out + 2 * frames, int16_t{0});
        return;
    }
    render(al->Device(), out, frames);
}
