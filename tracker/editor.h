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

// True for a character the text fields store: printable characters of the 16-bit
// range. Control codes, Delete (127) and the navigation keys' codes above 65535
// are not text.
bool IsTextChar(int code);

// The channel 1 to 4 that an edit column 1 to 8 belongs to.
inline int ColumnChannel(int column) { return (column + 1) / 2; }
