// Images cut into frames, their drawing, and bitmap-font text.
#include "framework/graphics/image.h"

#include <cmath>

#include "framework/files/files.h"
#include "framework/graphics/graphics.h"
#include "runtime/error.h"

int Image::DefaultFlags = 0;

void Image::SetHandle(float x, float y) {
    tx = x;
    ty = y;
    flags &= ~MidHandle;
}

void Image::ApplyFlags(int newFlags) {
    flags = newFlags;
    if (flags & XPadding) {
        for (Frame& f : frames) f.x += 1;
        width -= 2;
    }
    if (flags & YPadding) {
        for (Frame& f : frames) f.y += 1;
        height -= 2;
    }
    if (flags & MidHandle) {
        tx = width * 0.5f;
        ty = height * 0.5f;
        flags &= ~MidHandle;
    }
    if (frames.size() == 1 && frames[0].x == 0 && frames[0].y == 0 && surface &&
        width == surface->width && height == surface->height) {
        flags |= FullFrame;
    }
}

namespace {

std::shared_ptr<gxtkSurface> LoadImageSurface(const String& path) {
    gxtkGraphics* device = GetGraphicsDevice();
    if (!device) return nullptr;
    return std::shared_ptr<gxtkSurface>(device->LoadSurface(FixDataPath(path)));
}

bool ValidFrame(const Image* image, int frame) {
    return image && frame >= 0 && frame < image->Frames();
}

}  // namespace

Image* LoadImage(const String& path, int frameCount, int flags) {
    std::shared_ptr<gxtkSurface> surface = LoadImageSurface(path);
    if (!surface) return nullptr;
    if (frameCount < 1) frameCount = 1;  // a strip has at least one frame
    Image* image = new Image();
    image->surface = surface;
    image->width = surface->width / frameCount;
    image->height = surface->height;
    image->frames.resize(static_cast<size_t>(frameCount));
    for (int i = 0; i < frameCount; ++i) image->frames[static_cast<size_t>(i)].x = image->width * i;
    image->ApplyFlags(flags);
    return image;
}

Image* LoadImage2(const String& path, int frameWidth, int frameHeight, int frameCount,
                  int flags) {
    std::shared_ptr<gxtkSurface> surface = LoadImageSurface(path);
    if (!surface) return nullptr;
    if (frameWidth < 1 || frameHeight < 1 || frameWidth > surface->width) {
        bbError("Image frame outside surface");
    }
    Image* image = new Image();
    image->surface = surface;
    image->width = frameWidth;
    image->height = frameHeight;
    int x = 0, y = 0;
    for (int i = 0; i < frameCount; ++i) {
        if (x + frameWidth > surface->width) {
            x = 0;
            y += frameHeight;
        }
        if (y + frameHeight > surface->height) {
            delete image;
            bbError("Image frame outside surface");
        }
        image->frames.push_back(Image::Frame{x, y});
        x += frameWidth;
    }
    image->ApplyFlags(flags);
    return image;
}

namespace {

// The drawing position is that of the frame's top-left corner.
void DrawFrameAt(Image* image, float x, float y, int frame) {
    gxtkGraphics* device = GetRenderDevice();
    if (!device || !ValidFrame(image, frame)) return;
    GetGraphicsContext().Validate();
    const Image::Frame& f = image->frames[static_cast<size_t>(frame)];
    if (image->flags & Image::FullFrame) {
        device->DrawSurface(image->surface.get(), x, y);
    } else {
        device->DrawSurface2(image->surface.get(), x, y, f.x, f.y, image->width, image->height);
    }
}

void DrawFrameRectAt(Image* image, float x, float y, int srcX, int srcY, int srcW, int srcH,
                     int frame) {
    gxtkGraphics* device = GetRenderDevice();
    if (!device || !ValidFrame(image, frame)) return;
    GetGraphicsContext().Validate();
    const Image::Frame& f = image->frames[static_cast<size_t>(frame)];
    device->DrawSurface2(image->surface.get(), x, y, f.x + srcX, f.y + srcY, srcW, srcH);
}

// Rotation and scale about the handle; the handle is then part of the matrix.
template <typename Draw>
void DrawTransformed(Image* image, float x, float y, float rotation, float scaleX,
                     float scaleY, Draw draw) {
    if (!GetRenderDevice() || !image) return;
    PushMatrix();
    Translate(x, y);
    Rotate(rotation);
    Scale(scaleX, scaleY);
    Translate(-image->tx, -image->ty);
    draw();
    PopMatrix();
}

}  // namespace

void DrawImage(Image* image, float x, float y, int frame) {
    if (!image) return;
    DrawFrameAt(image, x - image->tx, y - image->ty, frame);
}

void DrawImageRect(Image* image, float x, float y, int srcX, int srcY, int srcW, int srcH,
                   int frame) {
    if (!image) return;
    DrawFrameRectAt(image, x - image->tx, y - image->ty, srcX, srcY, srcW, srcH, frame);
}

void DrawImage2(Image* image, float x, float y, float rotation, float scaleX, float scaleY,
                int frame) {
    DrawTransformed(image, x, y, rotation, scaleX, scaleY,
                    [&] { DrawFrameAt(image, 0, 0, frame); });
}

void DrawImageRect2(Image* image, float x, float y, int srcX, int srcY, int srcW, int srcH,
                    float rotation, float scaleX, float scaleY, int frame) {
    DrawTransformed(image, x, y, rotation, scaleX, scaleY,
                    [&] { DrawFrameRectAt(image, 0, 0, srcX, srcY, srcW, srcH, frame); });
}

void SetFont(Image* font, int firstChar) {
    GraphicsContext& c = GetGraphicsContext();
    if (font) {
        c.font = font;
        c.firstChar = firstChar;
        return;
    }
    if (!c.defaultFont) c.defaultFont = LoadImage("nufo_font.png", 96, Image::XPadding);
    c.font = c.defaultFont;
    c.firstChar = 32;
}

Image* GetFont() { return GetGraphicsContext().font; }

void DrawText(const String& text, float x, float y, float xalign, float yalign) {
    const GraphicsContext& c = GetGraphicsContext();
    Image* font = c.font;
    if (!font || !GetRenderDevice()) return;
    const int w = font->Width(), h = font->Height(), n = text.Length();
    const float x0 = x - std::floor(static_cast<float>(w * n) * xalign);
    const float y0 = y - std::floor(static_cast<float>(h) * yalign);
    const int frames = font->Frames();
    for (int i = 0; i < n; ++i) {
        const int g = text[i] - c.firstChar;
        if (g >= 0 && g < frames) DrawImage(font, x0 + static_cast<float>(i * w), y0, g);
    }
}
