// The audio module: what the application calls to play sounds on channels.
#pragma once

#include "framework/audio/audio_device.h"
#include "runtime/string.h"

// A loaded sound; the sample may be null for an empty sound.
class Sound {
public:
    explicit Sound(gxtkSample* sample = nullptr) : sample(sample) {}
    gxtkSample* sample;
};

void SetAudioDevice(gxtkAudio* device);
gxtkAudio* GetAudioDevice();

// The path is made a data path first; null when the file does not load.
Sound* LoadSound(const String& path);
// Nothing happens for a null sound or one without a sample. Flags other than 0 loop.
void PlaySound(Sound* sound, int channel, int flags = 0);
void StopChannel(int channel);
void PauseChannel(int channel);
void ResumeChannel(int channel);
int ChannelState(int channel);
void SetChannelVolume(int channel, float volume);
void SetChannelRate(int channel, float rate);
void SetChannelPan(int channel, float pan);
