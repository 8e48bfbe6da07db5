// Decoding sound files (WAV and Ogg Vorbis) into one block of interleaved PCM.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "runtime/string.h"

struct AudioData {
    std::vector<uint8_t> pcm;  // interleaved samples, little-endian
    int length = 0;            // frames per channel
    int channels = 0;
    int format = 0;            // bytes per sample: 1 or 2 (others are refused later)
    int hertz = 0;
};

// Opens the (virtual or real) path and decodes it by its extension, ".wav" or
// ".ogg" in any case; false for a missing file, another extension or a bad file.
bool LoadAudioData(const String& path, AudioData& out);

// The WAV reader: RIFF/WAVE, "fmt " first with integer PCM, then the first "data"
// chunk whose whole body can be read.
bool ReadWav(std::FILE* file, AudioData& out);

// Ogg Vorbis decoded completely into 16-bit samples.
bool ReadOgg(const uint8_t* bytes, size_t count, AudioData& out);
