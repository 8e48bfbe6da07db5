// The tracker's screen: image loading, the whole frame drawn from the engine state,
// and the mouse hit tests of the controls on it.
#include "tracker/screen.h"

#include <algorithm>
#include <string>

#include "framework/graphics/graphics.h"
#include "framework/graphics/image.h"
#include "framework/input/input.h"
#include "tracker/codec.h"
#include "tracker/engine.h"

namespace {

constexpr float kCell = 11;  // text grid: 11 x 12 pixel character cells
constexpr float kLine = 12;

// Appends a String's characters to a line under construction.
void Append(std::u16string& line, const String& s) {
    line.append(s.View());
}

// Hex8 written straight into the line: the same two digits of the low byte,
// without a String per number (the screen shows about a hundred per frame).
void AppendHex8(std::u16string& line, int value) {
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    line += kDigits[(value >> 4) & 15];
    line += kDigits[value & 15];
}

// The one-character slice of a row: nothing for a row past the end of the track.
void AppendCell(std::u16string& line, const String& track, int row) {
    if (row >= 0 && row < track.Length()) line += static_cast<char16_t>(track[row]);
}

String Text(std::u16string line) {
    return String(std::move(line));
}

bool Clicked() {
    return MouseHit(0) != 0;
}

void SetTextColor() {
    SetColor(148, 144, 164);
}

// A panel label followed by the value as two hexadecimal digits.
void PanelText(const char* label, int value, float y) {
    DrawText(String(label) + Hex8(value), 385, y);
}

void DrawMeter(SoundEngine& e, int n, float x) {
    const int row = e.i + e.ppos;
    // An empty slice (a row past the end) also counts as a note here.
    if (e.Track[n].Slice(row, row + 1) != "." && e.STATUS == 1 && e.CHOn[n] != 0.0f) {
        e.meter_H[n] = 8 * e.VolumeTrack[n].Slice(row, row + 1).ToInt();
    }
    e.meter_H[n] -= 1;
    if (e.meter_H[n] <= 0) e.meter_H[n] = 1;
    // A negative source height draws the bar upwards from its base line.
    DrawImageRect(e.Vumeter, x, 348, 0, 64, 16, -e.meter_H[n], 0);
}

}  // namespace

void LoadScreenImages(EngineState& s) {
    s.FONT = LoadImage("nufofont.png", 96, Image::DefaultFlags);
    SetFont(s.FONT, 32);
    s.Background = LoadImage("Background.png", 1, Image::DefaultFlags);
    s.Button1 = LoadImage("button1.png", 1, Image::DefaultFlags);
    s.Navrow = LoadImage("button_navrow.png", 1, Image::DefaultFlags);
    s.Vumeter = LoadImage("vumeter.png", 1, Image::DefaultFlags);
}

int ButtonZone(int x, int y, int value, int min, int max) {
    const float mx = MouseX();
    const float my = MouseY();
    const bool clicked = Clicked();
    const bool inRow = y + 2 < my && my < y + 14;
    int result = value;
    if (x < mx && mx < x + 16 && inRow && clicked && value > min) result = value - 1;
    if (x + 16 < mx && mx < x + 32 && inRow && clicked && value < max) result = value + 1;
    // Pulled into range on every call: callers store what comes back.
    if (result < min) result = min;
    if (result > max) result = max;
    return result;
}

int BigButtonZone(int x, int y, int code) {
    const float mx = MouseX();
    const float my = MouseY();
    if (x < mx && mx < x + 54 && y + 2 < my && my < y + 18 && Clicked()) return code;
    return 0;
}

bool ToInputField(int x, int y) {
    const float mx = MouseX();
    const float my = MouseY();
    return x < mx && mx < x + 400 && y + 2 < my && my < y + 16 && Clicked();
}

String PatternLine(const EngineState& s, int row) {
    std::u16string line;
    line.reserve(27);
    AppendHex8(line, row % kRowsPerPattern);
    line += u": ";
    for (int n = 1; n <= kChannels; ++n) {
        if (n > 1) line += u' ';
        Append(line, Translate2Note(s.Track[n], row, s.OctaveTrack[n]));
        AppendCell(line, s.VolumeTrack[n], row);
        AppendCell(line, s.InstTrack[n], row);
    }
    return Text(std::move(line));
}

String PositionLine(const EngineState& s, int position) {
    // The editor does not bound the position; the order table ends at 255.
    if (position < 0 || position >= kPatterns) return String();
    std::u16string line = u" ";
    AppendHex8(line, position);
    line += u": ";
    AppendHex8(line, s.Patterns[static_cast<size_t>(position)]);
    return Text(std::move(line));
}

int SoundEngine::OnRender() {
    // 1. The backdrop of every frame: the screen is never cleared.
    DrawImage(Background, 0, 0, 0);

    // 2-4. Description, header and status.
    SetColor(128, 128, 128);
    // Reads stay inside the instrument tables even if the selection is out of range.
    const size_t inst = static_cast<size_t>(std::clamp(WavInit, 0, kInstruments - 1));
    const String& description = Descriptions[inst];
    DrawText(description, 396, 123);
    DrawText("POS CHN1  CHN2  CHN3  CHN4  POS ## Status: ", 0, -1);
    SetColor(171.6f, 37.2f, 104.4f);
    DrawText(String("                                           ") + StatusInfo, 0, -1);

    // 5. Panel texts.
    SetTextColor();
    const size_t k = 8 * inst;
    PanelText("  INSTRUMENT:", WavInit, 144);
    PanelText(" OCT:", oct[0], 360);
    PanelText("         WAV:", InsArrayData[k], 168);
    PanelText("         PWM:", InsArrayData[k + 1], 180);
    PanelText("         ENV:", InsArrayData[k + 4], 192);
    PanelText("         E2P:", InsArrayData[k + 2], 204);
    PanelText("         ARP:", InsArrayData[k + 6] * 16 + InsArrayData[k + 7], 216);
    PanelText("         SPD:", InsArrayData[k + 5], 228);
    PanelText("         AMT:", InsArrayData[k + 3], 240);
    PanelText(" SPD:", static_cast<int>(spd), 372);
    PanelText(" Len:", Songlength / kRowsPerPattern, 384);

    // 6. Cursor bar, behind pattern line Cursorpos - 1.
    SetColor(82, 72, 74);
    if (STATUS == 0) DrawRect(0, kLine * Cursorpos + 2, 297, 12);

    // 7. Edit markers.
    SetColor(143, 31, 87);
    if (FilenameInputOn != 0) DrawText(" [", kCell * Filename.Length(), 441);
    if (InstDescriptionOn != 0) DrawText(" [", 385 + kCell * description.Length(), 123);
    if (FilenameInputOn == 0 && InstDescriptionOn == 0) {
        DrawText(" [", 33.0f * EDIT_CHANNEL, kLine * Cursorpos);
    }

    // 8. Pattern view and position list.
    for (int r = 0; r < kRowsPerPattern; ++r) {
        const int row = r + i + ppos;
        const float y = kLine * (r + 1);
        if (row % 4 == 0) {
            SetColor(123.33334f, 120, 136.66667f);
        } else {
            SetTextColor();
        }
        DrawText(PatternLine(*this, row), 0, y);
        SetTextColor();
        DrawText(PositionLine(*this, pcount + r), 297, y);
    }

    // 9. Spin boxes, untinted.
    SetColor(255, 255, 255);
    static const float kButtons[][2] = {
        {561, 144}, {473, 360}, {561, 168}, {561, 180}, {561, 192}, {561, 216},
        {593, 216}, {561, 228}, {561, 240}, {561, 204}, {473, 372}, {473, 384},
    };
    for (const auto& b : kButtons) DrawImage(Button1, b[0], b[1], 0);
    DrawImage(Navrow, 385, 12, 0);

    // 10-12. Channel labels and file name.
    SetTextColor();
    for (int n = 1; n <= kChannels; ++n) CHOff[n] = CHOn[n] == 1.0f ? "on  " : "off ";
    DrawText(String("    ") + CHOff[1] + "  " + CHOff[2] + "  " + CHOff[3] + "  " + CHOff[4],
             0, 408);
    DrawText(String(" ") + Filename, 0, 441);

    // 13. Level meters.
    static const float kMeterX[] = {0, 407, 429, 451, 473};
    for (int n = 1; n <= kChannels; ++n) DrawMeter(*this, n, kMeterX[n]);
    return 0;
}
