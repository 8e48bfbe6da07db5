// Instrument and song panel: the spin boxes run on every update and hold every
// value they show inside its range; the description field edits the selected
// instrument's text.
#include "tracker/panel.h"

#include "framework/input/input.h"
#include "tracker/editor.h"
#include "tracker/screen.h"
#include "tracker/voice.h"

namespace {

// A finished description fills exactly the width the song file stores.
constexpr int kDescriptionWidth = 21;

// Offsets of an instrument's parameters within its eight entries.
enum Param { kWav = 0, kPwm = 1, kE2p = 2, kAmt = 3, kEnv = 4, kSpd = 5, kArp1 = 6, kArp2 = 7 };

struct ParamBox {
    int x, y;
    Param param;
    int min, max;
};

// In the order the boxes are tested.
constexpr ParamBox kParamBoxes[] = {
    {561, 168, kWav, 1, 6},   {561, 180, kPwm, 0, 15}, {561, 204, kE2p, 0, 15},
    {561, 192, kEnv, 1, 255}, {561, 216, kArp1, 0, 12}, {593, 216, kArp2, 0, 12},
    {561, 228, kSpd, 0, 15},  {561, 240, kAmt, 0, 15},
};

int SelectedInstrument(const EngineState& e) {
    return e.WavInit >= 1 && e.WavInit < kInstruments ? e.WavInit : 1;
}

int& InstrumentParam(EngineState& e, Param param) {
    return e.InsArrayData[static_cast<size_t>(8 * SelectedInstrument(e) + param)];
}

}  // namespace

void PanelStep(EngineState& e) {
    e.oct[0] = ButtonZone(473, 360, e.oct[0] + 1, 1, 4) - 1;
    e.spd = static_cast<float>(ButtonZone(473, 372, static_cast<int>(e.spd), 1, 16));
    e.Songlength = ButtonZone(473, 384, e.Songlength / kRowsPerPattern, 1, 99) * kRowsPerPattern;
    e.WavInit = ButtonZone(561, 144, e.WavInit, 1, kInstruments - 1);
    for (const ParamBox& box : kParamBoxes) {
        int& value = InstrumentParam(e, box.param);
        value = ButtonZone(box.x, box.y, value, box.min, box.max);
    }
    // A position outside the order table has no pattern number to show or edit.
    if (e.pcount >= 0 && e.pcount < kPatterns) {
        int& pattern = e.Patterns[static_cast<size_t>(e.pcount)];
        pattern = ButtonZone(385, 12, pattern, 0, kPatterns - 1);
        e.ppos = pattern * kRowsPerPattern;
    }
}

void PreviewSounds(EngineState& e) {
    SoundPair(e, InstrumentParam(e, kWav), &e.CurrentWav, &e.CurrentWav2);
    e.PWM[0] = static_cast<float>(InstrumentParam(e, kPwm));
}

void DescriptionField(EngineState& e) {
    if (ToInputField(396, 120)) {
        e.Descriptions[static_cast<size_t>(SelectedInstrument(e))] = "";
        e.InstDescriptionOn = 1;
    }
    if (e.InstDescriptionOn != 1) return;
    String& text = e.Descriptions[static_cast<size_t>(SelectedInstrument(e))];
    e.STATUS = 2;
    PauseAll();
    const int k = GetChar();
    if (text.Length() < kDescriptionWidth && IsTextChar(k)) text = text + String::FromChar(k);
    if (KeyHit(KEY_ENTER)) {
        while (text.Length() < kDescriptionWidth) text = text + " ";
        e.InstDescriptionOn = 0;
    }
    if (KeyHit(KEY_DELETE)) text = "";
}
