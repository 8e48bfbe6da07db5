// The instrument and song panel: spin boxes, preview sounds and the description field.
#pragma once

#include "tracker/state.h"

// Update step 6, every mode: every spin box, then ppos from the current position.
void PanelStep(EngineState& e);

// Editor block: the selected instrument's sounds and detune for the note preview.
void PreviewSounds(EngineState& e);

// Editor block, right after the file name field: the instrument description field.
void DescriptionField(EngineState& e);
