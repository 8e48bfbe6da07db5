// The tracker's screen: loading its images, and the mouse hit tests of the controls
// it draws. SoundEngine::OnRender (screen.cpp) draws the whole window each frame.
#pragma once

#include "runtime/string.h"
#include "tracker/state.h"

// Start-up step 1: the font (96 glyphs from character 32, selected as the current
// font) and the four pictures. A file that fails to load leaves its image null.
void LoadScreenImages(EngineState& s);

// Spin box whose minus button has its top-left corner at (x, y) and whose plus
// button lies 16 pixels to the right. Returns the new value, always pulled into
// min..max, also without a click.
int ButtonZone(int x, int y, int value, int min, int max);

// Returns code when the 54 x 16 button at (x, y) was clicked in this update, else 0.
int BigButtonZone(int x, int y, int code);

// True when the 400 x 14 text field at (x, y) was clicked in this update.
bool ToInputField(int x, int y);

// One line of the pattern view for a track row index: row number within its
// pattern, ": " and the four channel fields.
String PatternLine(const EngineState& s, int row);

// One line of the position list for a song position: " PP: NN", blank for positions
// past the end of the pattern table.
String PositionLine(const EngineState& s, int position);
