// The audio module: what the application calls. Every function reaches the one
// current device; with none set they do nothing and LoadSound returns null.
#pragma once

#include "framework/audio/audio_device.h"
#include "runtime/string.h"

// A loaded sound: the sample it plays (null for an empty sound).
class Sound {
public:
    Sound() = default;
    explicit Sound(gxtkSample* sample) : sample(sample) {}

    gxtkSample* sample = nullptr;
};

void SetAudioDevice(gxtkAudio* device);
gxtkAudio* GetAudioDevice();

// The path goes through FixDataPath ("x.wav" is "zorbit://data/x.wav"); null
// when the device has no sample for it.
Sound* LoadSound(const String& path);
// flags other than 0 loop the sound for as long as it plays.
void PlaySound(Sound* sound, int channel, int flags = 0);
void StopChannel(int channel);
void PauseChannel(int channel);
void ResumeChannel(int channel);
int ChannelState(int channel);
void SetChannelVolume(int channel, float volume);
void SetChannelPan(int channel, float pan);
void SetChannelRate(int channel, float rate);

int PlayMusic(const String& path, int flags = 1);
void StopMusic();
void PauseMusic();
void ResumeMusic();
int MusicState();
void SetMusicVolume(float volume);
