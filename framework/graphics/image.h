// Images cut into frames, their drawing functions, and bitmap-font text.
#pragma once

#include <memory>
#include <vector>

#include "framework/graphics/graphics_device.h"
#include "runtime/string.h"

class Image {
public:
    enum Flags { MidHandle = 1, XPadding = 2, YPadding = 4, FullFrame = 65536 };
    // The flags every image is loaded with by default (0).
    static int DefaultFlags;

    struct Frame {
        int x = 0, y = 0;
    };

    int Width() const { return width; }
    int Height() const { return height; }
    int Frames() const { return static_cast<int>(frames.size()); }
    int Flags() const { return flags; }
    float HandleX() const { return tx; }
    float HandleY() const { return ty; }
    // Sets the handle and clears the mid-handle bit.
    void SetHandle(float x, float y);

    // Used by the loaders: stores the flags and applies padding, mid-handle and full-frame.
    void ApplyFlags(int newFlags);

    std::shared_ptr<gxtkSurface> surface;
    int width = 0;
    int height = 0;
    std::vector<Frame> frames;
    int flags = 0;
    float tx = 0, ty = 0;       // the handle
    Image* source = nullptr;    // null for images loaded from files
};

// A horizontal strip of frameCount equal frames; null when the file can't be
// loaded or there is no graphics device.
Image* LoadImage(const String& path, int frameCount = 1, int flags = Image::DefaultFlags);
// A grid of frames of the given size, left to right then down; frames that don't
// fit are the runtime error "Image frame outside surface".
Image* LoadImage2(const String& path, int frameWidth, int frameHeight, int frameCount,
                  int flags = Image::DefaultFlags);

// A null image, or a frame outside 0 to Frames() - 1, draws nothing.
void DrawImage(Image* image, float x, float y, int frame = 0);
void DrawImageRect(Image* image, float x, float y, int srcX, int srcY, int srcW, int srcH,
                   int frame = 0);
void DrawImage2(Image* image, float x, float y, float rotation, float scaleX, float scaleY,
                int frame = 0);
void DrawImageRect2(Image* image, float x, float y, int srcX, int srcY, int srcW, int srcH,
                    float rotation, float scaleX, float scaleY, int frame = 0);

// A null font selects the default font "nufo_font.png" (96 x-padded glyphs from 32).
void SetFont(Image* font, int firstChar = 32);
Image* GetFont();
// Fixed advance of one frame width; alignment 0 left/top, 0.5 centre, 1 right/bottom.
void DrawText(const String& text, float x, float y, float xalign = 0, float yalign = 0);
