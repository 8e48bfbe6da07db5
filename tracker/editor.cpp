// Editor commands: the key and button commands of one update and the note, volume,
// copy and paste entries of the editor block.
#include "tracker/editor.h"

#include "framework/input/input.h"
#include "tracker/codec.h"
#include "tracker/filecmd.h"
#include "tracker/panel.h"
#include "tracker/screen.h"
#include "tracker/undo.h"
#include "tracker/voice.h"

namespace {

// Updates a key must be held before the cursor repeats: 12 updates, 240 ms.
constexpr int kRepeatDelay = 12;
constexpr int kLastPosition = kPatterns - 1;

// A key command tests its key first and its button only when the key was not hit.
bool Command(int key, int x, int y, int code) {
    return KeyHit(key) != 0 || BigButtonZone(x, y, code) != 0;
}

// Replaces one row of a track. Rows outside the track are left alone and a cell is
// always one character, so every track keeps one character per row.
void SetRow(String& track, int row, const String& cell) {
    if (row < 0 || row >= track.Length() || cell.Length() != 1) return;
    track = ChangeTrack(track, row + 1, cell);
}

int CursorRow(const EngineState& e) {
    return e.ppos + e.Cursorpos - 1;
}

void ColumnKeys(EngineState& e) {
    if (KeyHit(KEY_TAB)) {
        e.EDIT_CHANNEL += 2;
        PauseAll();
    }
    if (KeyHit(KEY_RIGHT)) {
        e.EDIT_CHANNEL += 1;
        PauseAll();
    }
    if (KeyHit(KEY_LEFT)) {
        e.EDIT_CHANNEL -= 1;
        PauseAll();
    }
    // Not modulo: Tab from column 7 or 8 lands on column 1.
    if (e.EDIT_CHANNEL < 1) {
        e.EDIT_CHANNEL = 8;
    } else if (e.EDIT_CHANNEL > 8) {
        e.EDIT_CHANNEL = 1;
    }
}

void PositionKeys(EngineState& e) {
    if (KeyHit(KEY_PAGEUP) && e.pcount > 0) {
        e.pcount -= 1;
        e.ppos = e.Patterns[static_cast<size_t>(e.pcount)] * kRowsPerPattern;
    }
    // The order table has 256 entries; paging past its last one would read beyond it.
    if (KeyHit(KEY_PAGEDOWN) && e.pcount < kLastPosition) {
        e.pcount += 1;
        e.ppos = e.Patterns[static_cast<size_t>(e.pcount)] * kRowsPerPattern;
    }
}

void CursorKeys(EngineState& e) {
    if (KeyDown(KEY_UP)) {
        if (++e.Press1 > kRepeatDelay) e.Cursorpos -= 1;
    } else {
        e.Press1 = 0;
    }
    if (KeyDown(KEY_DOWN)) {
        if (++e.Press2 > kRepeatDelay) e.Cursorpos += 1;
    } else {
        e.Press2 = 0;
    }
    if (KeyHit(KEY_UP)) e.Cursorpos -= 1;
    if (KeyHit(KEY_DOWN)) e.Cursorpos += 1;
    if (e.Cursorpos > kRowsPerPattern) {
        e.Cursorpos = 1;
    } else if (e.Cursorpos < 1) {
        e.Cursorpos = kRowsPerPattern;
    }
}

bool IsVolumeDigit(int k) {
    return (k >= '0' && k <= '9') || (k >= 'a' && k <= 'f');
}

void VolumeEntry(EngineState& e, int k, const String& t) {
    if (e.STATUS != 0 || e.FilenameInputOn != 0 || e.InstDescriptionOn != 0) return;
    if (e.EDIT_CHANNEL % 2 != 0 || !IsVolumeDigit(k)) return;
    const int ch = ColumnChannel(e.EDIT_CHANNEL);
    SetRow(e.VolumeTrack[ch], CursorRow(e), t.ToUpper());
    // Wrapped back to row 1 by the cursor step of the next update.
    e.Cursorpos += 1;
}

void Copy(EngineState& e) {
    const int ch = ColumnChannel(e.EDIT_CHANNEL);
    const int end = e.ppos + kRowsPerPattern;
    e.CopyTrack = e.Track[ch].Slice(e.ppos, end);
    e.CopyVolumeTrack = e.VolumeTrack[ch].Slice(e.ppos, end);
    e.CopyInstTrack = e.InstTrack[ch].Slice(e.ppos, end);
    e.CopyOctaveTrack = e.OctaveTrack[ch].Slice(e.ppos, end);
}

void Paste(EngineState& e) {
    // Before the first copy the buffers are empty; pasting them would remove rows.
    if (e.CopyTrack.Empty()) return;
    const int ch = ColumnChannel(e.EDIT_CHANNEL);
    const String* buffers[] = {&e.CopyTrack, &e.CopyVolumeTrack, &e.CopyInstTrack,
                               &e.CopyOctaveTrack};
    String* tracks[] = {&e.Track[ch], &e.VolumeTrack[ch], &e.InstTrack[ch], &e.OctaveTrack[ch]};
    for (int j = 0; j < kRowsPerPattern; ++j) {
        for (int kind = 0; kind < 4; ++kind) {
            SetRow(*tracks[kind], e.ppos + j, buffers[kind]->Slice(j, j + 1));
        }
    }
}

// Delete queues 127 with every press; it acts only inside the text fields, so it is
// not taken as a note (it would stand in the track as a note no one typed).
bool IsNoteChar(int k) {
    return (k >= 46 && k <= 60) || (k >= 97 && k <= 126) || k == '#' || k == '+';
}

void NoteEntry(EngineState& e, int k, const String& t) {
    if (e.EDIT_CHANNEL % 2 == 0 || !IsNoteChar(k)) return;
    const bool mark = (k == '#' || k == '+' || k == '.');
    if (!mark) e.Lastgch = t;
    const int ch = ColumnChannel(e.EDIT_CHANNEL);
    if (e.STATUS == 0) {
        const int row = CursorRow(e);
        SetRow(e.Track[ch], row, t);
        if (mark) {
            // Playback keeps the previous instrument for marks: their cells hold 0.
            SetRow(e.InstTrack[ch], row, "0");
            SetRow(e.OctaveTrack[ch], row, "0");
        } else {
            SetRow(e.InstTrack[ch], row, Int2InstChar(e.WavInit));
            SetRow(e.OctaveTrack[ch], row, String(e.oct[0]));
            if (e.VolumeTrack[ch].Slice(row, row + 1) == "0") SetRow(e.VolumeTrack[ch], row, "8");
            e.Arpcounter[0] = 0;
            e.Decay[0] = 0;
            Undo(e);
        }
        e.Cursorpos += 1;
    } else if (e.STATUS == 2) {
        e.Arpcounter[0] = 0;
        e.Decay[0] = 0;
    }
    PlayInst(e.CurrentWav, PlayTrack(t, 0) + 12 * e.oct[0] - 24, ch, 1.0f, 1, e.CurrentWav2,
             e.PWM[0], 1, 0.0f, e.oct[0]);
}

struct MuteControl {
    int key;
    int x;
    int code;
};
constexpr MuteControl kMutes[kChannels + 1] = {
    {0, 0, 0}, {KEY_F5, 44, 7}, {KEY_F6, 110, 8}, {KEY_F7, 176, 9}, {KEY_F8, 242, 10}};

}  // namespace

bool IsTextChar(int code) {
    return (code >= 32 && code <= 126) || (code >= 160 && code <= 0xFFFF);
}

void MuteToggles(EngineState& e) {
    for (int n = 1; n <= kChannels; ++n) {
        if (!Command(kMutes[n].key, kMutes[n].x, 408, kMutes[n].code)) continue;
        e.CHOn[n] -= 1.0f;
        if (e.CHOn[n] == -1.0f) e.CHOn[n] = 1.0f;
    }
}

void UndoButton(EngineState& e) {
    if (BigButtonZone(570, 336, 11)) UndoRestore(e);
}

void EditorCommands(EngineState& e) {
    e.Frame = 0;
    FileNameField(e);
    DescriptionField(e);

    if (BigButtonZone(570, 318, 5)) {  // rewind; ppos follows at the spin-box step
        e.i = 0;
        e.pcount = 0;
    }
    if (Command(KEY_F11, 441, 440, 6)) SaveCommand(e);
    if (Command(KEY_F12, 387, 440, 7)) LoadCommand(e);

    PreviewSounds(e);
    ColumnKeys(e);
    PositionKeys(e);
    CursorKeys(e);

    const int k = GetChar();
    const String t = String::FromChar(k);
    VolumeEntry(e, k, t);
    if (Command(KEY_F9, 516, 354, 3)) Copy(e);
    if (Command(KEY_F10, 516, 372, 4)) Paste(e);
    NoteEntry(e, k, t);
}
