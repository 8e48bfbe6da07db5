// The transport (stop/edit and play toggles) and the two per-update ticks that
// shape the sound: the playing tick that walks the song, and the preview tick
// that shapes the last typed note while not playing.
#pragma once

#include "tracker/state.h"

// The transitions themselves, without their keys.
// Stop/edit: standby becomes editing; editing and playing become standby.
void ToggleStopEdit(EngineState& e);
// Play: editing and standby start playing; playing goes to standby. fromStart
// (the F1 key) plays from the first position, otherwise from the current one.
void TogglePlay(EngineState& e, bool fromStart);

// Update step 2: Space or the stop button (516, 336) toggles stop/edit.
void StopEditStep(EngineState& e);
// Update step 4: F2, F1 (from the start) or the play button (516, 318).
void PlayStep(EngineState& e);

// Update step 5, after the editor commands (editing or standby).
void PreviewTick(EngineState& e);
// Update step 7 (playing): a row every spd updates, then the per-update envelope,
// envelope-to-pitch, arpeggio and pitch stages of the four channels.
void PlayingTick(EngineState& e);
