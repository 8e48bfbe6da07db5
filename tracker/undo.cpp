// Recording and restoring snapshots of the 16 tracks.
#include "tracker/undo.h"

namespace {

int Clamped(int k) {
    return k < 0 ? 0 : k > kUndoSlots - 1 ? kUndoSlots - 1 : k;
}

}  // namespace

// Both directions assign string references only: snapshots share the track
// buffers, so neither copies a character.
void Undo(EngineState& s) {
    const int k = s.UndoCount = Clamped(s.UndoCount + 1);
    for (int n = 1; n <= kChannels; ++n) s.UndoInstTrack[n][k] = s.InstTrack[n];
    for (int n = 1; n <= kChannels; ++n) s.UndoOctaveTrack[n][k] = s.OctaveTrack[n];
    for (int n = 1; n <= kChannels; ++n) s.UndoTrack[n][k] = s.Track[n];
    for (int n = 1; n <= kChannels; ++n) s.UndoVolumeTrack[n][k] = s.VolumeTrack[n];
}

void UndoRestore(EngineState& s) {
    const int k = s.UndoCount = Clamped(s.UndoCount - 1);
    for (int n = 1; n <= kChannels; ++n) s.InstTrack[n] = s.UndoInstTrack[n][k];
    for (int n = 1; n <= kChannels; ++n) s.OctaveTrack[n] = s.UndoOctaveTrack[n][k];
    for (int n = 1; n <= kChannels; ++n) s.Track[n] = s.UndoTrack[n][k];
    for (int n = 1; n <= kChannels; ++n) s.VolumeTrack[n] = s.UndoVolumeTrack[n][k];
}
