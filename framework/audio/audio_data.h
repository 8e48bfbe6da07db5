// Decoding of sound files into one block of interleaved PCM samples.
//
// Every decoder returns a block allocated with std::malloc (release with
// std::free) or null, and fills in: frames per channel, channels, bytes per
// sample (format) and the sample rate.
#pragma once

#include <cstddef>

#include "runtime/string.h"

struct AudioInfo {
    int length = 0;    // sample frames per channel
    int channels = 0;
    int format = 0;    // bytes per sample
    int hertz = 0;
};

// Opens the (virtual or real) path and decodes it by its ending, compared
// without case: ".wav" as WAV, ".ogg" as Ogg Vorbis; any other ending gives null.
unsigned char* LoadAudioData(const String& path, AudioInfo* info);

// RIFF/WAVE with integer PCM: "fmt " must be the first chunk, the first "data"
// chunk whose whole body is present is the sample data, other chunks are skipped
// by their stated size (odd sizes without a pad byte).
unsigned char* DecodeWav(const unsigned char* bytes, size_t size, AudioInfo* info);

// Ogg Vorbis, decoded completely into signed 16-bit samples (format 2).
unsigned char* DecodeOgg(const unsigned char* bytes, size_t size, AudioInfo* info);
