// The device-independent half of gxtkGraphics: packed colour, transform and the
// batching of primitives into the fixed vertex buffer.
#include "framework/graphics/graphics_device.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

int g_graphicsSeq = 0;

// A colour byte from a product; out-of-range colours or alphas saturate rather
// than spilling into the neighbouring bytes.
uint8_t ColorByte(float value) {
    if (!(value > 0)) return 0;  // also NaN
    if (value >= 255) return 255;
    return static_cast<uint8_t>(static_cast<int>(value));
}

// OpenGL's LUMINANCE, LUMINANCE_ALPHA, RGB and RGBA, so this file needs no GL header.
int FormatForDepth(int depth) {
    switch (depth) {
    case 1: return 0x1909;
    case 2: return 0x190A;
    case 3: return 0x1907;
    default: return 0x1908;
    }
}

}  // namespace

int GraphicsSequence() { return g_graphicsSeq; }
void IncrementGraphicsSequence() { ++g_graphicsSeq; }

ColorBytes UnpackColor(uint32_t packed) {
    ColorBytes c;
    std::memcpy(&c, &packed, 4);
    return c;
}

uint32_t PackColorBytes(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    const uint8_t bytes[4] = {r, g, b, a};
    uint32_t packed;
    std::memcpy(&packed, bytes, 4);
    return packed;
}

void PremultiplyPixels(unsigned char* p, int count, int depth) {
    if (depth == 4) {
        for (int i = 0; i < count; ++i, p += 4) {
            const int a = p[3];
            p[0] = static_cast<unsigned char>(p[0] * a / 255);
            p[1] = static_cast<unsigned char>(p[1] * a / 255);
            p[2] = static_cast<unsigned char>(p[2] * a / 255);
        }
    } else if (depth == 2) {
        for (int i = 0; i < count; ++i, p += 2) p[0] = static_cast<unsigned char>(p[0] * p[1] / 255);
    }
}

gxtkSurface::~gxtkSurface() { std::free(pixels); }

void gxtkSurface::SetPixels(unsigned char* data, int w, int h, int bytesPerPixel) {
    std::free(pixels);
    pixels = data;
    width = w;
    height = h;
    depth = bytesPerPixel;
    format = FormatForDepth(bytesPerPixel);
    if (pixels) PremultiplyPixels(pixels, w * h, depth);
    uscale = w > 0 ? 1.0f / w : 0;
    vscale = h > 0 ? 1.0f / h : 0;
}

void gxtkSurface::Discard() {
    std::free(pixels);
    pixels = nullptr;
}

gxtkGraphics::gxtkGraphics(int width, int height) : width_(width), height_(height) {
    for (int k = 0; k < kMaxQuads; ++k) {
        const uint16_t base = static_cast<uint16_t>(k * 4);
        uint16_t* q = quadIndices_ + k * 6;
        q[0] = base;
        q[1] = static_cast<uint16_t>(base + 1);
        q[2] = static_cast<uint16_t>(base + 2);
        q[3] = base;
        q[4] = static_cast<uint16_t>(base + 2);
        q[5] = static_cast<uint16_t>(base + 3);
    }
    std::memset(vertices_, 0, sizeof vertices_);
}

gxtkGraphics::~gxtkGraphics() = default;

int gxtkGraphics::Width() { return width_; }
int gxtkGraphics::Height() { return height_; }

int gxtkGraphics::BeginRender() {
    primType_ = 0;
    primSurf_ = nullptr;
    vertexCount_ = 0;
    return 1;
}

void gxtkGraphics::EndRender() { Flush(); }

void gxtkGraphics::DiscardGraphics() {}

gxtkSurface* gxtkGraphics::NewSurface() { return new gxtkSurface(); }

gxtkSurface* gxtkGraphics::LoadSurface(const String& path) {
    int w = 0, h = 0, depth = 0;
    unsigned char* data = LoadImageData(path, &w, &h, &depth);
    if (!data) return nullptr;
    gxtkSurface* surface = NewSurface();
    surface->SetPixels(data, w, h, depth);
    return surface;
}

int gxtkGraphics::Cls(float, float, float) {
    vertexCount_ = 0;
    return 0;
}

int gxtkGraphics::SetAlpha(float alpha) {
    alpha_ = alpha;
    color_ = PackColorBytes(ColorByte(red_ * alpha_), ColorByte(green_ * alpha_),
                            ColorByte(blue_ * alpha_), ColorByte(255 * alpha_));
    return 0;
}

int gxtkGraphics::SetColor(float r, float g, float b) {
    red_ = r;
    green_ = g;
    blue_ = b;
    // Repacks without going through the virtual slot: a recorder must not see an
    // alpha call that nobody made.
    return gxtkGraphics::SetAlpha(alpha_);
}

int gxtkGraphics::SetBlend(int) {
    Flush();
    return 0;
}

int gxtkGraphics::SetScissor(int, int, int, int) {
    Flush();
    return 0;
}

int gxtkGraphics::SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) {
    const float m[6] = {ix, iy, jx, jy, tx, ty};
    std::memcpy(matrix_, m, sizeof m);
    tformed_ = !(ix == 1 && iy == 0 && jx == 0 && jy == 1 && tx == 0 && ty == 0);
    return 0;
}

void gxtkGraphics::Corner(GraphicsVertex* v, float x, float y) const {
    if (tformed_) {
        v->x = x * matrix_[0] + y * matrix_[2] + matrix_[4];
        v->y = x * matrix_[1] + y * matrix_[3] + matrix_[5];
    } else {
        v->x = x;
        v->y = y;
    }
    v->color = color_;
}

GraphicsVertex* gxtkGraphics::Begin(int kind, int n, gxtkSurface* surface) {
    if (kind != primType_ || surface != primSurf_ || vertexCount_ + n > kMaxVertices) {
        Flush();
        primType_ = kind;
        primSurf_ = surface;
    }
    GraphicsVertex* v = vertices_ + vertexCount_;
    vertexCount_ += n;
    return v;
}

void gxtkGraphics::Flush() {
    if (vertexCount_ == 0) return;
    DrawBatch(primType_, primSurf_, vertices_, vertexCount_);
    vertexCount_ = 0;
}

void gxtkGraphics::DrawBatch(int, gxtkSurface*, const GraphicsVertex*, int) {}

int gxtkGraphics::DrawPoint(float x, float y) {
    GraphicsVertex* v = Begin(kPoints, 1, nullptr);
    Corner(v, x, y);
    return 0;
}

int gxtkGraphics::DrawRect(float x, float y, float w, float h) {
    GraphicsVertex* v = Begin(kQuads, 4, nullptr);
    Corner(v + 0, x, y);
    Corner(v + 1, x + w, y);
    Corner(v + 2, x + w, y + h);
    Corner(v + 3, x, y + h);
    return 0;
}

int gxtkGraphics::DrawLine(float x1, float y1, float x2, float y2) {
    GraphicsVertex* v = Begin(kLines, 2, nullptr);
    Corner(v + 0, x1, y1);
    Corner(v + 1, x2, y2);
    return 0;
}

int gxtkGraphics::DrawPoly(const float* xy, int count) {
    // A polygon must fit the buffer, and fewer than 3 points draw nothing.
    if (count < 3 || count > kMaxVertices) return 0;
    const int kind = count == 3 ? kTriangles : count == 4 ? kQuads : count;
    GraphicsVertex* v = Begin(kind, count, nullptr);
    for (int i = 0; i < count; ++i) Corner(v + i, xy[2 * i], xy[2 * i + 1]);
    return 0;
}

int gxtkGraphics::DrawSurface(gxtkSurface* surface, float x, float y) {
    if (!surface) return 0;
    return gxtkGraphics::DrawSurface2(surface, x, y, 0, 0, surface->width, surface->height);
}

int gxtkGraphics::DrawSurface2(gxtkSurface* surface, float x, float y, int srcx, int srcy,
                               int srcw, int srch) {
    if (!surface) return 0;
    const float w = static_cast<float>(srcw), h = static_cast<float>(srch);
    const float u0 = srcx * surface->uscale, v0 = srcy * surface->vscale;
    const float u1 = (srcx + srcw) * surface->uscale, v1 = (srcy + srch) * surface->vscale;
    GraphicsVertex* v = Begin(kQuads, 4, surface);
    Corner(v + 0, x, y);
    Corner(v + 1, x + w, y);
    Corner(v + 2, x + w, y + h);
    Corner(v + 3, x, y + h);
    v[0].u = u0, v[0].v = v0;
    v[1].u = u1, v[1].v = v0;
    v[2].u = u1, v[2].v = v1;
    v[3].u = u0, v[3].v = v1;
    return 0;
}
