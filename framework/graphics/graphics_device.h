// The graphics device seam: gxtkGraphics batches primitives into one vertex
// buffer and hands each full batch to its backend (OpenGL, or a recorder in tests).
#pragma once

#include <cstdint>
#include <functional>

#include "runtime/string.h"

// One vertex as the backend draws it: 20 bytes, colour bytes R, G, B, A in memory.
struct GraphicsVertex {
    float x, y;
    float u, v;
    uint32_t color;
};
static_assert(sizeof(GraphicsVertex) == 20, "the vertex arrays use a 20-byte stride");

// The four colour bytes of a packed colour, in memory order.
struct ColorBytes {
    uint8_t r, g, b, a;
};
ColorBytes UnpackColor(uint32_t packed);
uint32_t PackColorBytes(uint8_t r, uint8_t g, uint8_t b, uint8_t a);

// A picture in memory, premultiplied, and the texture made from it.
class gxtkSurface {
public:
    gxtkSurface() = default;
    gxtkSurface(const gxtkSurface&) = delete;
    gxtkSurface& operator=(const gxtkSurface&) = delete;
    virtual ~gxtkSurface();

    // Takes ownership of std::malloc'ed pixels (rows top to bottom) and
    // premultiplies them; sets u/v scale to the image size until a texture exists.
    void SetPixels(unsigned char* data, int w, int h, int bytesPerPixel);
    // Frees the texture (backends override) and the pixels.
    virtual void Discard();

    int Width() const { return width; }
    int Height() const { return height; }

    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    int depth = 0;       // bytes per pixel: 1 grey, 2 grey+alpha, 3 RGB, 4 RGBA
    int format = 0;      // the OpenGL pixel format for that depth
    int seq = -1;        // graphics sequence number of the texture; -1 for none
    unsigned int texture = 0;
    float uscale = 0;    // 1 / texture width
    float vscale = 0;    // 1 / texture height
};

// In-place premultiplication of loaded pixels (depths 2 and 4; 1 and 3 stay).
void PremultiplyPixels(unsigned char* pixels, int count, int depth);

class gxtkGraphics {
public:
    static constexpr int kMaxVertices = 1024;
    static constexpr int kMaxQuads = kMaxVertices / 4;

    // Primitive kinds; n >= 5 are polygons of n vertices.
    enum Kind { kPoints = 1, kLines = 2, kTriangles = 3, kQuads = 4 };

    gxtkGraphics(int width = 0, int height = 0);
    gxtkGraphics(const gxtkGraphics&) = delete;
    gxtkGraphics& operator=(const gxtkGraphics&) = delete;
    virtual ~gxtkGraphics();

    // Device operations, in slot order.
    virtual int Width();
    virtual int Height();
    virtual int BeginRender();   // 1 when ready; empties the batch
    virtual void EndRender();    // flushes (the GL device then swaps)
    virtual void DiscardGraphics();
    virtual gxtkSurface* LoadSurface(const String& path);  // null when undecodable
    virtual int Cls(float r, float g, float b);           // drops pending vertices
    virtual int SetAlpha(float alpha);
    virtual int SetColor(float r, float g, float b);
    virtual int SetBlend(int blend);
    virtual int SetScissor(int x, int y, int w, int h);
    virtual int SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty);
    virtual int DrawPoint(float x, float y);
    virtual int DrawRect(float x, float y, float w, float h);
    virtual int DrawLine(float x1, float y1, float x2, float y2);
    // xy holds count points as x, y pairs (count >= 3).
    virtual int DrawPoly(const float* xy, int count);
    virtual int DrawSurface(gxtkSurface* surface, float x, float y);
    virtual int DrawSurface2(gxtkSurface* surface, float x, float y, int srcx, int srcy,
                             int srcw, int srch);

    // Draws whatever is pending as one batch, then empties the buffer.
    void Flush();

    // Read-back of the drawing state.
    uint32_t PackedColor() const { return color_; }
    float Red() const { return red_; }
    float Green() const { return green_; }
    float Blue() const { return blue_; }
    float Alpha() const { return alpha_; }
    bool Transformed() const { return tformed_; }
    const float* Matrix() const { return matrix_; }
    int PrimitiveKind() const { return primType_; }
    gxtkSurface* PrimitiveSurface() const { return primSurf_; }
    int VertexCount() const { return vertexCount_; }
    const GraphicsVertex* Vertices() const { return vertices_; }
    const uint16_t* QuadIndices() const { return quadIndices_; }

protected:
    // Room for n vertices of a kind and surface, flushing first when the batch
    // can't take them.
    GraphicsVertex* Begin(int kind, int n, gxtkSurface* surface);
    // Backend hooks.
    virtual void DrawBatch(int kind, gxtkSurface* surface, const GraphicsVertex* v, int count);
    virtual gxtkSurface* NewSurface();

    int width_ = 0;
    int height_ = 0;
    GraphicsVertex vertices_[kMaxVertices];
    uint16_t quadIndices_[kMaxQuads * 6];

private:
    void Corner(GraphicsVertex* v, float x, float y) const;

    uint32_t color_ = 0;
    float red_ = 0, green_ = 0, blue_ = 0, alpha_ = 0;
    float matrix_[6] = {1, 0, 0, 1, 0, 0};
    bool tformed_ = false;
    int primType_ = 0;
    int vertexCount_ = 0;
    gxtkSurface* primSurf_ = nullptr;
};

// The real device over OpenGL on the current context. clientSize reports the
// window's client-area size; swapBuffers presents the frame.
gxtkGraphics* NewGlGraphics(std::function<void(int*, int*)> clientSize,
                            std::function<void()> swapBuffers);

// The process-wide graphics sequence number: 0 until the first window opens; the
// host adds 1 at every window opening, so textures of an earlier context are made again.
int GraphicsSequence();
void IncrementGraphicsSequence();

// Decodes an image file (virtual or real path) with its own number of components.
// Returns std::malloc'ed pixels, rows top to bottom (release with std::free), or
// null when the file is missing or undecodable.
unsigned char* LoadImageData(const String& path, int* width, int* height, int* depth);
