// A song that keeps all four channels busy: a note on every row of every channel,
// two-voice instruments with arpeggio, envelope-to-pitch and detune, and slides.
#pragma once

#include "tracker/codec.h"
#include "tracker/state.h"

inline void MakeBusySong(EngineState& e, float spd) {
    const int instruments[4][8] = {
        {1, 7, 0, 15, 40, 2, 4, 7},
        {2, 3, 2, 15, 60, 1, 3, 7},
        {3, 15, 0, 15, 80, 3, 5, 12},
        {1, 9, 4, 10, 120, 2, 12, 0},
    };
    for (int k = 0; k < 4; ++k) {
        for (int j = 0; j < 8; ++j) e.InsArrayData[static_cast<size_t>(8 * (k + 1) + j)] = instruments[k][j];
    }
    const char* notes = "ysxdcvgbhnjmq2w3e5r6t7zui9o0p+#";
    for (int n = 1; n <= kChannels; ++n) {
        std::u16string track, volume, inst, octave;
        for (int row = 0; row < kRowsPerPattern * 4; ++row) {
            track += static_cast<char16_t>(notes[(row * 7 + n * 3) % 31]);
            volume += static_cast<char16_t>("9ABC"[(row + n) % 4]);
            inst += static_cast<char16_t>(u'0' + n);
            octave += static_cast<char16_t>(u'0' + (row + n) % 3);
        }
        e.Track[n] = String(track) + e.Track[n].Slice(kRowsPerPattern * 4);
        e.VolumeTrack[n] = String(volume) + e.VolumeTrack[n].Slice(kRowsPerPattern * 4);
        e.InstTrack[n] = String(inst) + e.InstTrack[n].Slice(kRowsPerPattern * 4);
        e.OctaveTrack[n] = String(octave) + e.OctaveTrack[n].Slice(kRowsPerPattern * 4);
    }
    for (int k = 0; k < 4; ++k) e.Patterns[static_cast<size_t>(k)] = k;
    e.Songlength = 4 * kRowsPerPattern;
    e.spd = spd;
}
