// The audio module: the application's calls, forwarded to the current device.
#include "framework/audio/audio.h"

#include "framework/files/files.h"

namespace {
gxtkAudio* g_device = nullptr;
}  // namespace

void SetAudioDevice(gxtkAudio* device) {
    g_device = device;
}

gxtkAudio* GetAudioDevice() {
    return g_device;
}

Sound* LoadSound(const String& path) {
    if (!g_device) return nullptr;
    gxtkSample* sample = g_device->LoadSample(FixDataPath(path));
    return sample ? new Sound(sample) : nullptr;
}

void PlaySound(Sound* sound, int channel, int flags) {
    if (g_device && sound && sound->sample) g_device->PlaySample(sound->sample, channel, flags);
}

void StopChannel(int channel) {
    if (g_device) g_device->StopChannel(channel);
}

void PauseChannel(int channel) {
    if (g_device) g_device->PauseChannel(channel);
}

void ResumeChannel(int channel) {
    if (g_device) g_device->ResumeChannel(channel);
}

int ChannelState(int channel) {
    return g_device ? g_device->ChannelState(channel) : 0;
}

void SetChannelVolume(int channel, float volume) {
    if (g_device) g_device->SetVolume(channel, volume);
}

void SetChannelRate(int channel, float rate) {
    if (g_device) g_device->SetRate(channel, rate);
}

void SetChannelPan(int channel, float pan) {
    if (g_device) g_device->SetPan(channel, pan);
}
