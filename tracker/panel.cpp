// Instrument and song panel.
#include "tracker/panel.h"

void PanelStep(EngineState& e) {
    e.ppos = e.Patterns[static_cast<size_t>(e.pcount)] * kRowsPerPattern;
}
