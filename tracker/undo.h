// The undo history: 256 snapshots of the 16 track strings, shared, not copied.
#pragma once

#include "tracker/state.h"

// Records the current tracks as the next snapshot (the last slot is reused
// once the history is full).
void Undo(EngineState& s);

// Steps back one snapshot and restores its tracks (snapshot 0 at the bottom).
void UndoRestore(EngineState& s);
