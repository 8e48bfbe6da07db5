// The whole song and every editor and player variable, shared by all tracker code.
//
// Families of four are arrays indexed by channel 1 to 4 (entry 0 unused) so that
// code reads as the channel numbers do: Track[1] is channel 1's note track. The
// eight voice sounds are indexed 1 to 8 the same way.
#pragma once

#include <array>

#include "runtime/string.h"

class Image;
class Sound;

constexpr int kChannels = 4;
constexpr int kRowsPerPattern = 32;
constexpr int kPatterns = 256;
constexpr int kTrackLength = kRowsPerPattern * kPatterns;  // 8192
constexpr int kUndoSlots = 256;
constexpr int kInstruments = 32;  // 0 to 31; the panel edits 1 to 31

template <typename T>
using PerChannel = std::array<T, kChannels + 1>;
using UndoArray = std::array<String, kUndoSlots>;

struct EngineState {
    // Song.
    PerChannel<String> Track{}, VolumeTrack{}, InstTrack{}, OctaveTrack{};
    std::array<int, kPatterns> Patterns{};
    int Songlength = 32;
    float spd = 5.0f;
    std::array<int, 256> InsArrayData{};
    std::array<String, kInstruments> Descriptions{};

    // Editor and player.
    int STATUS = 2;  // 0 editing, 1 playing, 2 standby
    String StatusInfo;
    int EDIT_CHANNEL = 0;
    int Cursorpos = 0;
    int pcount = 0;
    int ppos = 0;
    int i = 0;
    float Frame = 0;
    int WavInit = 1;
    String Filename;
    int FilenameInputOn = 0;
    int InstDescriptionOn = 0;
    int Press1 = 0, Press2 = 0;
    String CopyTrack, CopyVolumeTrack, CopyInstTrack, CopyOctaveTrack;
    String Lastgch;
    int UndoCount = 0;
    PerChannel<UndoArray> UndoTrack{}, UndoVolumeTrack{}, UndoInstTrack{}, UndoOctaveTrack{};

    // Voices. Index n (1 to 4) is channel n's voice; index 0 is the preview voice
    // that sounds typed notes while not playing (Decay[0] is the preview's envelope
    // position, and so on).
    PerChannel<float> PWM{}, Decay{}, Dec2Pitch{}, Arpcounter{}, fxval{};
    PerChannel<int> ArpSpd{};
    PerChannel<float> p{}, last_p{}, fine_p{}, Vib{};
    PerChannel<int> InstNo{}, LastInstNo{}, LastOct{};
    // oct[0] is the edit octave (the panel's "OCT:"); oct[n] the octave read on channel n.
    PerChannel<int> oct{2, 0, 0, 0, 0};
    PerChannel<float> volval{};
    PerChannel<float> CHOn{1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    PerChannel<String> CHOff{};
    PerChannel<int> meter_H{};

    // Images (loaded by the screen; null when a file is missing).
    Image* FONT = nullptr;
    Image* Background = nullptr;
    Image* Button1 = nullptr;
    Image* Navrow = nullptr;
    Image* Vumeter = nullptr;

    // Sounds (loaded by the voice player; null when a file is missing). Zero is
    // always empty: the partner of the single-sound waveform pairs.
    Sound* Square = nullptr;
    Sound* Ramp = nullptr;
    Sound* Ramp2 = nullptr;
    Sound* Saw = nullptr;
    Sound* Noise = nullptr;
    Sound* Bass = nullptr;
    Sound* Zero = nullptr;
    Sound* CurrentWav = nullptr;
    Sound* CurrentWav2 = nullptr;
    std::array<Sound*, 9> Chanwav{};  // Chanwav[1] to Chanwav[8]
};
