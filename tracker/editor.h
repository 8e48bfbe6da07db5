// The editor's parts of one update: mutes, the undo button and the editor block.
#pragma once

#include "tracker/state.h"

// Update step 1, every mode: the mute keys and buttons.
void MuteToggles(EngineState& e);
// Update step 3, every mode: the undo button.
void UndoButton(EngineState& e);
// Update step 5, editing or standby: text fields, file commands, cursor and column
// keys, note and volume entry, copy and paste (the preview tick follows it).
void EditorCommands(EngineState& e);
