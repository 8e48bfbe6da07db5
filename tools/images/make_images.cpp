// Generates the screen's pictures into the data folder: the 11 x 12 pixel font
// (and the framework's x-padded default font), the background with its framed
// areas and painted buttons, the spin-box strips and the level meter gradient.
//
// Usage: qt_make_images <data folder>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "glyphs.h"

namespace {

struct Rgba {
    uint8_t r, g, b, a;
};

constexpr int kCellW = 11;
constexpr int kCellH = 12;
constexpr int kGlyphX = 2;  // glyph origin inside a cell: centred, and clear of
constexpr int kGlyphY = 2;  // the cursor bar's 2-pixel downward shift

class Canvas {
public:
    Canvas(int w, int h, Rgba fill) : w_(w), h_(h), px_(static_cast<size_t>(w * h), fill) {}

    void Set(int x, int y, Rgba c) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) px_[static_cast<size_t>(y * w_ + x)] = c;
    }
    // Filled rectangle covering x0..x1-1, y0..y1-1.
    void Fill(int x0, int y0, int x1, int y1, Rgba c) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) Set(x, y, c);
    }
    // One-pixel outline of the rectangle x0..x1-1, y0..y1-1.
    void Frame(int x0, int y0, int x1, int y1, Rgba c) {
        Fill(x0, y0, x1, y0 + 1, c);
        Fill(x0, y1 - 1, x1, y1, c);
        Fill(x0, y0, x0 + 1, y1, c);
        Fill(x1 - 1, y0, x1, y1, c);
    }
    // Raised box: light top and left edges, dark bottom and right.
    void Bevel(int x0, int y0, int x1, int y1, Rgba face, Rgba light, Rgba dark) {
        Fill(x0, y0, x1, y1, face);
        Fill(x0, y0, x1, y0 + 1, light);
        Fill(x0, y0, x0 + 1, y1, light);
        Fill(x0, y1 - 1, x1, y1, dark);
        Fill(x1 - 1, y0, x1, y1, dark);
    }
    bool Write(const std::string& path) const {
        return stbi_write_png(path.c_str(), w_, h_, 4, px_.data(), w_ * 4) != 0;
    }

private:
    int w_, h_;
    std::vector<Rgba> px_;
};

const Glyph* Find(int code) {
    for (const Glyph& g : kGlyphs)
        if (static_cast<unsigned char>(g.code) == code) return &g;
    return nullptr;
}

// Draws a glyph bitmap with its top-left at (x, y), each pixel scale x scale.
void DrawGlyph(Canvas& c, int code, int x, int y, Rgba colour, int scale = 1) {
    const Glyph* g = Find(code);
    if (!g) return;
    for (int row = 0; row < 10; ++row) {
        const char* bits = g->rows[row];
        if (!bits) continue;
        for (int col = 0; bits[col]; ++col)
            if (bits[col] == '#') c.Fill(x + col * scale, y + row * scale,
                                         x + (col + 1) * scale, y + (row + 1) * scale, colour);
    }
}

// Text painted into a picture with the given advance per character.
void Label(Canvas& c, const char* text, int x, int y, Rgba colour, int advance = 8,
           int scale = 1) {
    for (int k = 0; text[k]; ++k)
        DrawGlyph(c, static_cast<unsigned char>(text[k]), x + k * advance, y, colour, scale);
}

int LabelWidth(const char* text, int advance) {
    const int n = static_cast<int>(std::strlen(text));
    return n > 0 ? (n - 1) * advance + 7 : 0;
}

constexpr Rgba kTransparent{0, 0, 0, 0};
constexpr Rgba kWhite{255, 255, 255, 255};

// A strip of 96 cells for characters 32 to 127; `pad` empty columns at both
// sides of every cell (the default font is loaded with x-padding).
bool WriteFont(const std::string& path, int pad) {
    const int frameW = kCellW + 2 * pad;
    Canvas c(96 * frameW, kCellH, kTransparent);
    for (int k = 0; k < 96; ++k) DrawGlyph(c, 32 + k, k * frameW + pad + kGlyphX, kGlyphY, kWhite);
    return c.Write(path);
}

// Palette of the screen.
constexpr Rgba kScreen{17, 15, 23, 255};
constexpr Rgba kStrip{27, 24, 36, 255};
constexpr Rgba kPanel{23, 21, 31, 255};
constexpr Rgba kWell{10, 9, 14, 255};
constexpr Rgba kEdge{62, 57, 80, 255};
constexpr Rgba kDivider{36, 33, 48, 255};
constexpr Rgba kDim{92, 87, 112, 255};
constexpr Rgba kAccent{143, 31, 87, 255};
constexpr Rgba kFace{50, 45, 64, 255};
constexpr Rgba kFaceLight{96, 89, 120, 255};
constexpr Rgba kFaceDark{24, 21, 32, 255};
constexpr Rgba kButtonText{206, 201, 222, 255};

// A labelled button drawn inside its click zone (x..x+54, y+2..y+18).
void Button(Canvas& c, int x, int y, const char* label) {
    const int x0 = x + 1, y0 = y + 3, x1 = x + 54, y1 = y + 18;
    c.Bevel(x0, y0, x1, y1, kFace, kFaceLight, kFaceDark);
    const int tx = x0 + (x1 - x0 - LabelWidth(label, 8)) / 2;
    Label(c, label, tx, y0 + 4, kButtonText);
}

bool WriteBackground(const std::string& path) {
    Canvas c(640, 475, kScreen);

    // Header and status line.
    c.Fill(0, 0, 640, 12, kStrip);
    c.Fill(0, 12, 640, 13, kEdge);

    // Pattern view with dividers between the row numbers and the four channels.
    c.Fill(0, 13, 297, 397, kPanel);
    c.Frame(0, 12, 297, 398, kEdge);
    for (int x : {39, 105, 171, 237}) c.Fill(x, 13, x + 1, 397, kDivider);

    // Position list.
    c.Fill(298, 13, 375, 397, kPanel);
    c.Frame(297, 12, 375, 398, kEdge);
    c.Fill(337, 13, 338, 397, kDivider);

    // Pattern-number spin box label and the title.
    Label(c, "PATTERN", 422, 15, kDim);
    Label(c, "QUADTRACKER", 391, 44, kAccent, 21, 3);
    Label(c, "FOUR CHANNEL CHIP TRACKER", 408, 84, kDim);
    c.Fill(391, 100, 625, 101, kDivider);

    // Instrument description field and instrument panel.
    c.Fill(393, 121, 630, 138, kWell);
    c.Frame(392, 120, 631, 139, kEdge);
    c.Fill(384, 143, 628, 254, kPanel);
    c.Frame(383, 142, 629, 255, kEdge);
    c.Fill(388, 165, 624, 166, kDivider);

    // Level meters: four wells at x = 407, 429, 451, 473, bars grow up from 348.
    c.Fill(403, 270, 494, 352, kPanel);
    c.Frame(402, 269, 495, 353, kEdge);
    for (int n = 0; n < 4; ++n) {
        const int x = 407 + 22 * n;
        c.Fill(x, 276, x + 16, 348, kWell);
        for (int y = 284; y < 348; y += 8) c.Fill(x + 16, y, x + 18, y + 1, kDivider);
    }
    Label(c, "LEVEL", 408, 260, kDim);

    // Song panel: octave, speed and length.
    c.Fill(384, 359, 508, 398, kPanel);
    c.Frame(383, 358, 509, 399, kEdge);

    // Transport and edit buttons, and the file buttons.
    Button(c, 516, 318, "PLAY");
    Button(c, 516, 336, "STOP");
    Button(c, 516, 354, "COPY");
    Button(c, 516, 372, "PASTE");
    Button(c, 570, 318, "REWIND");
    Button(c, 570, 336, "UNDO");
    Button(c, 441, 440, "SAVE");
    Button(c, 387, 440, "LOAD");

    // Channel on/off toggles under the four note columns.
    for (int x : {44, 110, 176, 242}) {
        c.Fill(x + 1, 409, x + 54, 424, kPanel);
        c.Frame(x, 408, x + 55, 425, kEdge);
    }
    Label(c, "MUTE", 4, 412, kDim);

    // File name field.
    Label(c, "SONG NAME", 4, 429, kDim);
    c.Fill(1, 440, 384, 457, kWell);
    c.Frame(0, 439, 385, 458, kEdge);

    c.Fill(0, 464, 640, 465, kDivider);
    return c.Write(path);
}

// A spin box strip: the minus half (0..15) and the plus half (16..31).
bool WriteSpinBox(const std::string& path, Rgba face, Rgba light, Rgba dark, Rgba sign) {
    Canvas c(32, 12, kTransparent);
    for (int half = 0; half < 2; ++half) {
        const int x0 = half * 16;
        c.Bevel(x0 + 1, 1, x0 + 15, 12, face, light, dark);
        c.Fill(x0 + 4, 6, x0 + 12, 8, sign);                  // minus bar
        if (half == 1) c.Fill(x0 + 7, 3, x0 + 9, 11, sign);   // plus stem
    }
    return c.Write(path);
}

// 16 x 64 level meter: green at the bottom through yellow to red at the top, in
// segments of two lit rows and one dark row.
bool WriteVumeter(const std::string& path) {
    Canvas c(16, 64, kTransparent);
    for (int y = 0; y < 64; ++y) {
        const float t = (63 - y) / 63.0f;  // 0 bottom, 1 top
        Rgba col;
        if (t < 0.6f) {
            const float u = t / 0.6f;
            col = {static_cast<uint8_t>(60 + u * 190), static_cast<uint8_t>(220 + u * 10), 80, 255};
        } else {
            const float u = (t - 0.6f) / 0.4f;
            col = {250, static_cast<uint8_t>(230 - u * 180), static_cast<uint8_t>(80 - u * 30), 255};
        }
        if (y % 3 == 0) col = {static_cast<uint8_t>(col.r / 4), static_cast<uint8_t>(col.g / 4),
                               static_cast<uint8_t>(col.b / 4), 255};
        c.Fill(0, y, 16, y + 1, col);
        c.Set(0, y, {static_cast<uint8_t>(col.r / 2), static_cast<uint8_t>(col.g / 2),
                     static_cast<uint8_t>(col.b / 2), 255});
        c.Set(15, y, {static_cast<uint8_t>(col.r / 2), static_cast<uint8_t>(col.g / 2),
                      static_cast<uint8_t>(col.b / 2), 255});
    }
    return c.Write(path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = WriteFont(dir + "nufofont.png", 0);
    ok = WriteFont(dir + "nufo_font.png", 1) && ok;
    ok = WriteBackground(dir + "Background.png") && ok;
    ok = WriteSpinBox(dir + "button1.png", kFace, kFaceLight, kFaceDark, kButtonText) && ok;
    ok = WriteSpinBox(dir + "button_navrow.png", {72, 24, 52, 255}, {150, 60, 110, 255},
                      {34, 10, 24, 255}, {236, 200, 220, 255}) && ok;
    ok = WriteVumeter(dir + "vumeter.png") && ok;
    if (!ok) {
        std::fprintf(stderr, "qt_make_images: could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
