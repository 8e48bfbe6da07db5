// Writing a song straight into the engine state, for tests that play it.
#pragma once

#include <array>

#include "tracker/codec.h"
#include "tracker/state.h"

// Sets the eight parameters of instrument k.
inline void SetInstrument(EngineState& e, int k, std::array<int, 8> values) {
    for (int j = 0; j < 8; ++j) e.InsArrayData[static_cast<size_t>(8 * k + j)] = values[static_cast<size_t>(j)];
}

// Writes row (0-based) of channel n: note, volume, instrument cell and octave.
inline void SetRow(EngineState& e, int n, int row, const char* note, const char* volume, int instrument,
                   int octave) {
    e.Track[n] = ChangeTrack(e.Track[n], row + 1, note);
    e.VolumeTrack[n] = ChangeTrack(e.VolumeTrack[n], row + 1, volume);
    e.InstTrack[n] = ChangeTrack(e.InstTrack[n], row + 1, Int2InstChar(instrument));
    e.OctaveTrack[n] = ChangeTrack(e.OctaveTrack[n], row + 1, String(octave));
}
