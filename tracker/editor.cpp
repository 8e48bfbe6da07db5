// Editor commands.
#include "tracker/editor.h"

void MuteToggles(EngineState&) {}
void UndoButton(EngineState&) {}
void EditorCommands(EngineState&) {}
