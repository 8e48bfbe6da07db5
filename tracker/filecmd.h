// The file name field and the save and load commands of the editor block.
#pragma once

#include "runtime/string.h"
#include "tracker/state.h"

// Editor block, first step: the file name field (activation, typing, Enter, Delete).
void FileNameField(EngineState& e);

// Saves the song under Filename, keeping the previous file as name + ".bk" (through
// the scratch file name + ".ba"); returns the status text. On any failed write the
// song in memory stays the edited one.
String SaveSong(EngineState& e, const String& name);
// Loads the song of that name; returns the status text.
String LoadSong(EngineState& e, const String& name);

// The save and load commands: run SaveSong/LoadSong on Filename and show the result.
void SaveCommand(EngineState& e);
void LoadCommand(EngineState& e);

// A name stays inside the songs folder: not empty, not "." or "..", no separators.
bool IsSongName(const String& name);
