// The instrument and song panel: spin boxes and the description field.
#pragma once

#include "tracker/state.h"

// Update step 6, every mode: every spin box, then ppos from the current position.
void PanelStep(EngineState& e);
