// The tracker's screen read back from a recording graphics device: the text grid
// rebuilt from the glyph quads, colours, the cursor bar and edit markers, the level
// meters and on/off labels, the position list's end, and the hit tests' edges.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/graphics.h"
#include "framework/graphics/image.h"
#include "framework/graphics/recording_graphics.h"
#include "framework/input/input.h"
#include "tests/support/fresh_engine.h"
#include "tracker/codec.h"
#include "tracker/screen.h"

namespace {

struct Cell {
    char ch = ' ';
    ColorBytes color{};
};

// One rendered frame: the text grid keyed by the glyphs' top y, column = x / 11.
// Spaces are blank glyphs, so they don't overwrite what an earlier text left.
struct Frame {
    std::map<float, std::vector<Cell>> lines;
    std::vector<RecordedQuad> quads;
    int flushes = 0;

    std::string Line(float y) const {
        auto it = lines.find(y);
        if (it == lines.end()) return "";
        std::string s;
        for (const Cell& c : it->second) s += c.ch;
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    }
    ColorBytes ColorAt(float y, int column) const { return lines.at(y).at(column).color; }
};

bool SameColor(ColorBytes c, int r, int g, int b) {
    return c.r == r && c.g == g && c.b == b && c.a == 255;
}

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGraphicsModule();
        SetGraphicsDevice(&device);
        SetFont(nullptr, 32);
        SetInputDevice(&input);
        engine = MakeFreshEngine();
        ASSERT_NE(engine->FONT, nullptr) << "data/nufofont.png missing";
        ASSERT_EQ(engine->FONT->Width(), 11);
        ASSERT_EQ(engine->FONT->Height(), 12);
    }
    void TearDown() override {
        SetInputDevice(nullptr);
        ResetGraphicsModule();
    }

    Frame Render() {
        device.Clear();
        device.BeginRender();
        BeginRender();
        engine->OnRender();
        EndRender();
        device.EndRender();
        Frame f;
        f.quads = device.Quads();
        f.flushes = device.CountOf(RecordedCall::Flush);
        gxtkSurface* font = engine->FONT->surface.get();
        for (const RecordedQuad& q : f.quads) {
            if (q.surface != font) continue;
            const int glyph = static_cast<int>(std::lround(q.u0 * font->width / 11.0f));
            const int column = static_cast<int>(q.x0) / 11;
            EXPECT_EQ(q.x0, column * 11.0f) << "glyph off the 11-pixel grid";
            const char ch = static_cast<char>(32 + glyph);
            std::vector<Cell>& line = f.lines[q.y0];
            if (line.size() <= static_cast<size_t>(column)) line.resize(column + 1);
            if (ch != ' ') line[column] = {ch, UnpackColor(q.color)};
        }
        return f;
    }

    // Untextured quads, or glyphs of one character, in a colour.
    std::vector<RecordedQuad> QuadsIn(const Frame& f, int r, int g, int b, bool glyphs) const {
        std::vector<RecordedQuad> out;
        for (const RecordedQuad& q : f.quads)
            if (SameColor(UnpackColor(q.color), r, g, b) && (q.surface != nullptr) == glyphs)
                out.push_back(q);
        return out;
    }

    void Click(float x, float y) {
        input.MouseEvent(kEventMouseMove, -1, x, y);
        input.MouseEvent(kEventMouseDown, 0, x, y);
        input.MouseEvent(kEventMouseUp, 0, x, y);
    }
    void Point(float x, float y) { input.MouseEvent(kEventMouseMove, -1, x, y); }

    RecordingGraphics device;
    InputDevice input;
    std::unique_ptr<SoundEngine> engine;
};

std::string Hex(int v) {
    static const char* d = "0123456789ABCDEF";
    return std::string{d[(v >> 4) & 15], d[v & 15]};
}

TEST_F(ScreenTest, StartScreenReadsAsTheBlankSong) {
    const Frame f = Render();
    EXPECT_EQ(f.Line(-1), "POS CHN1  CHN2  CHN3  CHN4  POS ## Status: Standby...");
    const std::map<int, std::string> panel = {
        {11, "   INSTRUMENT:01"}, {13, "          WAV:00"}, {14, "          PWM:00"},
        {15, "          ENV:00"}, {16, "          E2P:00"}, {17, "          ARP:00"},
        {18, "          SPD:00"}, {19, "          AMT:00"},
        {29, "  OCT:02"},         {30, "  SPD:05"},         {31, "  Len:01"},
    };
    for (int r = 0; r < 32; ++r) {
        const float y = 12.0f * (r + 1);
        std::string expected = Hex(r) + ": ---00 ---00 ---00 ---00 " + Hex(r) + ": 00";
        if (panel.count(r)) expected += panel.at(r);
        EXPECT_EQ(f.Line(y), expected) << "line " << r;
        // Beat rows every fourth line, from row 00, in the darker colour.
        const ColorBytes c = f.ColorAt(y, 0);
        if (r % 4 == 0) {
            EXPECT_TRUE(SameColor(c, 123, 120, 136)) << "line " << r;
        } else {
            EXPECT_TRUE(SameColor(c, 148, 144, 164)) << "line " << r;
        }
        EXPECT_TRUE(SameColor(f.ColorAt(y, 28), 148, 144, 164)) << "position list, line " << r;
    }
    EXPECT_EQ(f.Line(408), "    on    on    on    on");
    EXPECT_TRUE(SameColor(f.ColorAt(-1, 0), 128, 128, 128));
    EXPECT_TRUE(SameColor(f.ColorAt(-1, 43), 171, 37, 104));
    // Standby: no cursor bar.
    EXPECT_TRUE(QuadsIn(f, 82, 72, 74, false).empty());
}

TEST_F(ScreenTest, BackgroundFirstAndFewBatches) {
    Render();
    const auto draws = device.CallsOf(RecordedCall::DrawSurface);
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws.front()->surface, engine->Background->surface.get());
    EXPECT_EQ(draws.front()->f[0], 0.0f);
    EXPECT_EQ(draws.front()->f[1], 0.0f);
    EXPECT_EQ(device.CountOf(RecordedCall::Cls), 0);
    const Frame f = Render();
    EXPECT_LE(f.flushes, 16);
    // Spin boxes and the pattern-number box, untinted, at their zones.
    int button1 = 0, navrow = 0;
    for (const RecordedQuad& q : f.quads) {
        if (q.surface == engine->Button1->surface.get()) {
            ++button1;
            EXPECT_TRUE(SameColor(UnpackColor(q.color), 255, 255, 255));
        }
        if (q.surface == engine->Navrow->surface.get()) {
            ++navrow;
            EXPECT_EQ(q.x0, 385);
            EXPECT_EQ(q.y0, 12);
        }
    }
    EXPECT_EQ(button1, 12);
    EXPECT_EQ(navrow, 1);
}

TEST_F(ScreenTest, PanelShowsTheSelectedInstrument) {
    engine->WavInit = 2;
    const int steps[][2] = {{4, 7}, {12, 12}};
    const char* shown[] = {"47", "CC"};
    for (int k = 0; k < 2; ++k) {
        for (int j = 0; j < 8; ++j) engine->InsArrayData[16 + j] = j + 1;
        engine->InsArrayData[16 + 6] = steps[k][0];
        engine->InsArrayData[16 + 7] = steps[k][1];
        engine->Descriptions[2] = "Soft lead";
        const Frame f = Render();
        EXPECT_EQ(f.Line(144).substr(35), "  INSTRUMENT:02");
        EXPECT_EQ(f.Line(168).substr(35), "         WAV:01");
        EXPECT_EQ(f.Line(180).substr(35), "         PWM:02");
        EXPECT_EQ(f.Line(192).substr(35), "         ENV:05");
        EXPECT_EQ(f.Line(204).substr(35), "         E2P:03");
        EXPECT_EQ(f.Line(216).substr(35), std::string("         ARP:") + shown[k]);
        EXPECT_EQ(f.Line(228).substr(35), "         SPD:06");
        EXPECT_EQ(f.Line(240).substr(35), "         AMT:04");
        EXPECT_EQ(f.Line(123), std::string(36, ' ') + "Soft lead");
    }
}

TEST_F(ScreenTest, PatternViewFollowsThePlayedRowAndNotes) {
    // Pattern 1 scrolled in by three rows; a note with an octave, a note off and
    // a row whose octave character is not a digit (empty name, fields move left).
    engine->ppos = 32;
    engine->i = 3;
    engine->Track[1] = ChangeTrack(engine->Track[1], 36, "q");
    engine->OctaveTrack[1] = ChangeTrack(engine->OctaveTrack[1], 36, "2");
    engine->VolumeTrack[1] = ChangeTrack(engine->VolumeTrack[1], 36, "8");
    engine->InstTrack[1] = ChangeTrack(engine->InstTrack[1], 36, "G");
    engine->Track[2] = ChangeTrack(engine->Track[2], 37, "<");
    engine->OctaveTrack[3] = ChangeTrack(engine->OctaveTrack[3], 38, ".");
    const Frame f = Render();
    EXPECT_EQ(f.Line(12).substr(0, 27), "03: C-38G ---00 ---00 ---00");
    EXPECT_EQ(f.Line(24).substr(0, 27), "04: ---00 {|}00 ---00 ---00");
    EXPECT_EQ(f.Line(36).substr(0, 27), "05: ---00 ---00 00 ---00   ");
    // Row 36 is a beat row, row 35 is not.
    EXPECT_TRUE(SameColor(f.ColorAt(12, 0), 148, 144, 164));
    EXPECT_TRUE(SameColor(f.ColorAt(24, 0), 123, 120, 136));
}

TEST_F(ScreenTest, PositionListEndsWithThePatternTable) {
    engine->pcount = 240;
    engine->Patterns[255] = 7;
    engine->Patterns[240] = 0x1A;
    const Frame f = Render();
    EXPECT_EQ(f.Line(12).substr(27, 7), " F0: 1A");
    EXPECT_EQ(f.Line(12 * 16).substr(27, 7), " FF: 07");
    for (int r = 16; r < 32; ++r) {
        const std::string line = f.Line(12.0f * (r + 1)) + std::string(40, ' ');
        EXPECT_EQ(line.substr(27, 8), std::string(8, ' ')) << "position " << 240 + r;
    }
}

struct MarkerCase {
    const char* name;
    int status, filenameOn, descriptionOn, editChannel, cursorpos;
    const char* filename;
    const char* description;
    std::vector<std::pair<float, float>> brackets;  // where each "[" glyph stands
    bool bar;
};

TEST_F(ScreenTest, CursorBarAndEditMarkersByMode) {
    const MarkerCase cases[] = {
        {"editing, channel 1", 0, 0, 0, 1, 1, "", "", {{44, 12}}, true},
        {"editing, volume of channel 4", 0, 0, 0, 8, 3, "", "", {{275, 36}}, true},
        {"playing", 1, 0, 0, 1, 5, "", "", {{44, 60}}, false},
        {"standby", 2, 0, 0, 3, 32, "", "", {{110, 384}}, false},
        {"empty file name", 0, 1, 0, 1, 1, "", "", {{11, 441}}, true},
        {"typed file name", 2, 1, 0, 1, 1, "tune", "", {{55, 441}}, false},
        {"description", 0, 0, 1, 1, 1, "", "Bass", {{440, 123}}, true},
        {"both fields", 0, 1, 1, 1, 1, "ab", "Bass", {{33, 441}, {440, 123}}, true},
    };
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.name);
        engine->STATUS = c.status;
        engine->FilenameInputOn = c.filenameOn;
        engine->InstDescriptionOn = c.descriptionOn;
        engine->EDIT_CHANNEL = c.editChannel;
        engine->Cursorpos = c.cursorpos;
        engine->Filename = c.filename;
        engine->Descriptions[1] = c.description;
        const Frame f = Render();
        std::vector<std::pair<float, float>> brackets;
        const int bracketGlyph = '[' - 32;
        for (const RecordedQuad& q : QuadsIn(f, 143, 31, 87, true)) {
            const int glyph = static_cast<int>(std::lround(q.u0 * q.surface->width / 11.0f));
            if (glyph == bracketGlyph) brackets.push_back({q.x0, q.y0});
        }
        EXPECT_EQ(brackets, c.brackets);
        const auto bars = QuadsIn(f, 82, 72, 74, false);
        ASSERT_EQ(bars.size(), c.bar ? 1u : 0u);
        if (c.bar) {
            const float top = 12.0f * c.cursorpos + 2;
            EXPECT_EQ(bars[0].x0, 0);
            EXPECT_EQ(bars[0].y0, top);
            EXPECT_EQ(bars[0].x1, 297);
            EXPECT_EQ(bars[0].y1, top + 12);
        }
    }
}

TEST_F(ScreenTest, LevelMetersAndOnOffLabels) {
    gxtkSurface* meter = engine->Vumeter->surface.get();
    auto meterQuad = [&](const Frame& f, int n) {
        std::vector<RecordedQuad> found;
        for (const RecordedQuad& q : f.quads)
            if (q.surface == meter && q.x0 == 385 + 22 * n) found.push_back(q);
        EXPECT_EQ(found.size(), 1u);
        return found.empty() ? RecordedQuad{} : found[0];
    };
    engine->STATUS = 1;
    engine->Track[1] = ChangeTrack(engine->Track[1], 1, "q");
    engine->VolumeTrack[1] = ChangeTrack(engine->VolumeTrack[1], 1, "8");
    engine->Track[2] = ChangeTrack(engine->Track[2], 1, "q");
    engine->VolumeTrack[2] = ChangeTrack(engine->VolumeTrack[2], 1, "F");
    engine->Track[3] = ChangeTrack(engine->Track[3], 1, "q");
    engine->VolumeTrack[3] = ChangeTrack(engine->VolumeTrack[3], 1, "9");
    engine->Track[4] = ChangeTrack(engine->Track[4], 1, "q");
    engine->VolumeTrack[4] = ChangeTrack(engine->VolumeTrack[4], 1, "8");
    engine->CHOn[4] = 0.0f;
    engine->CHOn[2] = 0.5f;  // anything but exactly 1 reads "off"

    Frame f = Render();
    EXPECT_EQ(engine->meter_H[1], 63);
    EXPECT_EQ(engine->meter_H[2], 1);
    EXPECT_EQ(engine->meter_H[3], 71);
    EXPECT_EQ(engine->meter_H[4], 1);
    const RecordedQuad q = meterQuad(f, 1);
    EXPECT_EQ(q.y0, 348);
    EXPECT_EQ(q.y1, 285);  // drawn upwards: 285 to 348
    EXPECT_EQ(q.x1, 423);
    EXPECT_FLOAT_EQ(q.v0 * meter->height, 64);
    EXPECT_FLOAT_EQ(q.v1 * meter->height, 1);
    EXPECT_TRUE(SameColor(UnpackColor(q.color), 148, 144, 164));
    EXPECT_EQ(f.Line(408), "    on    off   on    off");
    EXPECT_EQ(engine->CHOff[2], "off ");
    EXPECT_EQ(engine->CHOff[3], "on  ");

    // Stopping: the bars only fall, one pixel per frame, down to 1.
    engine->STATUS = 0;
    Render();
    EXPECT_EQ(engine->meter_H[1], 62);
    EXPECT_EQ(engine->meter_H[3], 70);
    for (int k = 0; k < 80; ++k) Render();
    f = Render();
    EXPECT_EQ(engine->meter_H[1], 1);
    EXPECT_EQ(meterQuad(f, 3).y1, 347);

    // Playing a row without a note lets the bar fall as well.
    engine->STATUS = 1;
    engine->meter_H[1] = 30;
    engine->i = 1;
    Render();
    EXPECT_EQ(engine->meter_H[1], 29);
}

TEST_F(ScreenTest, MissingImagesDrawOnlyText) {
    engine->Background = nullptr;
    engine->Button1 = nullptr;
    engine->Navrow = nullptr;
    engine->Vumeter = nullptr;
    const Frame f = Render();
    EXPECT_EQ(f.Line(12).substr(0, 4), "00: ");
    for (const RecordedQuad& q : f.quads) EXPECT_EQ(q.surface, engine->FONT->surface.get());
}

struct SpinCase {
    float mx, my;
    bool click;
    int value, min, max, expected;
};

TEST_F(ScreenTest, SpinBoxEdges) {
    // Spin box at (561, 168): minus 561..577, plus 577..593, rows 170..182 (open).
    const SpinCase cases[] = {
        {569, 176, true, 3, 1, 6, 2},      // minus
        {585, 176, true, 3, 1, 6, 4},      // plus
        {569, 176, false, 3, 1, 6, 3},     // no click
        {577, 176, true, 3, 1, 6, 3},      // the shared edge belongs to neither
        {561, 176, true, 3, 1, 6, 3},      // left edge
        {593, 176, true, 3, 1, 6, 3},      // right edge
        {569, 170, true, 3, 1, 6, 3},      // top edge
        {569, 182, true, 3, 1, 6, 3},      // bottom edge
        {561.5f, 170.5f, true, 3, 1, 6, 2},
        {592.5f, 181.5f, true, 3, 1, 6, 4},
        {569, 176, true, 1, 1, 6, 1},      // at min
        {585, 176, true, 6, 1, 6, 6},      // at max
        {0, 0, false, 0, 1, 6, 1},         // out of range comes back pulled in
        {0, 0, false, 9, 1, 6, 6},
    };
    for (const SpinCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "mouse " << c.mx << "," << c.my << " value " << c.value);
        if (c.click) Click(c.mx, c.my); else Point(c.mx, c.my);
        EXPECT_EQ(ButtonZone(561, 168, c.value, c.min, c.max), c.expected);
        input.EndUpdate();
    }
}

TEST_F(ScreenTest, ButtonAndFieldEdges) {
    struct Case {
        float mx, my;
        bool click;
        int button;       // BigButtonZone(516, 318, 1)
        bool field;       // ToInputField(0, 441)
    };
    const Case cases[] = {
        {540, 328, true, 1, false},
        {540, 328, false, 0, false},
        {516, 328, true, 0, false}, {570, 328, true, 0, false},
        {540, 320, true, 0, false}, {540, 336, true, 0, false},
        {516.5f, 320.5f, true, 1, false}, {569.5f, 335.5f, true, 1, false},
        {200, 450, true, 0, true},
        {200, 450, false, 0, false},
        {0, 450, true, 0, false}, {400, 450, true, 0, false},
        {200, 443, true, 0, false}, {200, 457, true, 0, false},
        {399.5f, 456.5f, true, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mouse " << c.mx << "," << c.my);
        if (c.click) Click(c.mx, c.my); else Point(c.mx, c.my);
        EXPECT_EQ(BigButtonZone(516, 318, 1), c.button);
        EXPECT_EQ(ToInputField(0, 441), c.field);
        input.EndUpdate();
    }
    // A right-button click is no click.
    input.MouseEvent(kEventMouseDown, 1, 540, 328);
    EXPECT_EQ(BigButtonZone(516, 318, 1), 0);
}

}  // namespace
