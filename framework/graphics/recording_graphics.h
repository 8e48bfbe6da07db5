// A graphics device for tests: batches exactly like the real one and records
// every device call, and every batch it draws, in order. Surfaces are decoded
// from the real files (so sizes are right) but no texture is made.
#pragma once

#include <vector>

#include "framework/graphics/graphics_device.h"

struct RecordedCall {
    enum Op {
        BeginRender, EndRender, DiscardGraphics, LoadSurface, Cls, SetAlpha, SetColor,
        SetBlend, SetScissor, SetMatrix, DrawPoint, DrawRect, DrawLine, DrawPoly,
        DrawSurface, DrawSurface2,
        // One batch handed to the backend. It is recorded where it happens: after
        // the call that forced it (a draw that didn't fit, SetBlend, EndRender).
        Flush,
    };
    Op op;
    float f[6] = {};            // float arguments in order (colour, alpha, x, y, w, h, matrix)
    int i[4] = {};              // int arguments in order (blend, scissor, source rectangle)
    gxtkSurface* surface = nullptr;  // DrawSurface*, LoadSurface (the result) and Flush
    String path;                // LoadSurface
    int kind = 0;               // Flush: primitive kind
    std::vector<GraphicsVertex> vertices;  // Flush: the vertices drawn
};

// One quad of a drawn batch, read back from its four vertices.
struct RecordedQuad {
    float x0, y0, x1, y1;   // first and third corner
    float u0, v0, u1, v1;   // their texture coordinates (0 for untextured quads)
    uint32_t color;         // the first vertex's packed colour
    gxtkSurface* surface;   // null for untextured quads
};

class RecordingGraphics : public gxtkGraphics {
public:
    explicit RecordingGraphics(int width = 640, int height = 475);

    void SetSize(int width, int height) { width_ = width; height_ = height; }

    int BeginRender() override;
    void EndRender() override;
    void DiscardGraphics() override;
    gxtkSurface* LoadSurface(const String& path) override;
    int Cls(float r, float g, float b) override;
    int SetAlpha(float alpha) override;
    int SetColor(float r, float g, float b) override;
    int SetBlend(int blend) override;
    int SetScissor(int x, int y, int w, int h) override;
    int SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) override;
    int DrawPoint(float x, float y) override;
    int DrawRect(float x, float y, float w, float h) override;
    int DrawLine(float x1, float y1, float x2, float y2) override;
    int DrawPoly(const float* xy, int count) override;
    int DrawSurface(gxtkSurface* surface, float x, float y) override;
    int DrawSurface2(gxtkSurface* surface, float x, float y, int srcx, int srcy, int srcw,
                     int srch) override;

    const std::vector<RecordedCall>& Calls() const { return calls_; }
    std::vector<const RecordedCall*> CallsOf(RecordedCall::Op op) const;
    int CountOf(RecordedCall::Op op) const;
    // Every quad of every drawn batch, in drawing order.
    std::vector<RecordedQuad> Quads() const;
    void Clear() { calls_.clear(); }

protected:
    void DrawBatch(int kind, gxtkSurface* surface, const GraphicsVertex* v, int count) override;

private:
    RecordedCall& Record(RecordedCall::Op op);
    std::vector<RecordedCall> calls_;
};
