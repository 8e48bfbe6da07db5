// One update of the tracker: the steps of every mode, the editor block while not
// playing, and the playing tick while playing.
#include "tracker/editor.h"
#include "tracker/engine.h"
#include "tracker/panel.h"
#include "tracker/sequencer.h"

int SoundEngine::OnUpdate() {
    MuteToggles(*this);
    StopEditStep(*this);
    UndoButton(*this);
    PlayStep(*this);
    if (STATUS == 0 || STATUS == 2) {
        EditorCommands(*this);
        PreviewTick(*this);
    }
    // The panel runs in every mode; it also makes ppos follow the current position.
    PanelStep(*this);
    // The editor block can only put STATUS at 2, so this never follows it.
    if (STATUS == 1) PlayingTick(*this);
    return 0;
}
