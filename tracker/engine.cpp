// Start-up of the tracker: resources, the blank song and its first undo snapshot.
#include "tracker/engine.h"

#include <string>

#include "tracker/screen.h"
#include "tracker/voice.h"

namespace {

String Filled(char16_t c) {
    return String(std::u16string(kTrackLength, c));
}

}  // namespace

int SoundEngine::OnCreate() {
    // 1. images and font
    LoadScreenImages(*this);

    // 2. waveforms
    LoadWaveforms(*this);

    // 3 and 4: the blank tracks and undo snapshot 0. The blank is built once and
    // shared, which gives the same strings as 8192 appends without the copying.
    const String blankNotes = Filled(u'.');
    const String blankValues = Filled(u'0');
    for (int n = 1; n <= kChannels; ++n) {
        Track[n] = blankNotes;
        VolumeTrack[n] = blankValues;
        InstTrack[n] = blankValues;
        OctaveTrack[n] = blankValues;
        UndoTrack[n][0] = blankNotes;
        UndoVolumeTrack[n][0] = blankValues;
        UndoInstTrack[n][0] = blankValues;
        UndoOctaveTrack[n][0] = blankValues;
    }
    SetUpdateRate(50);
    EDIT_CHANNEL = 1;
    Cursorpos = 1;
    Patterns.fill(0);
    StatusInfo = "Standby...";
    return 0;
}

