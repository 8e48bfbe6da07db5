// The song file: the song's tracks, order, instruments and descriptions as one
// UTF-8 text in the songs folder of the data folder.
#pragma once

#include "runtime/string.h"
#include "tracker/state.h"

// Writes the song under "zorbit://data/songs/" + name. Returns "File Saved...",
// "Saving Failed!" or "Enter a Name..."; the song in memory never changes.
String SaveFile(EngineState& s, const String& name);

// Replaces the song by the file's. Returns "File Loaded..." or "Loading Failed!";
// a failed load changes nothing.
String LoadFile(EngineState& s, const String& name);

// The same for the file at a path of the platform (or a "zorbit:" path), as the
// song renderer reads songs from anywhere.
String LoadFileAt(EngineState& s, const String& path);
