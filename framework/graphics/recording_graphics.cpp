// The recording graphics device used by tests.
#include "framework/graphics/recording_graphics.h"

#include <algorithm>

RecordingGraphics::RecordingGraphics(int width, int height) : gxtkGraphics(width, height) {}

RecordedCall& RecordingGraphics::Record(RecordedCall::Op op) {
    calls_.emplace_back();
    calls_.back().op = op;
    return calls_.back();
}

std::vector<const RecordedCall*> RecordingGraphics::CallsOf(RecordedCall::Op op) const {
    std::vector<const RecordedCall*> out;
    for (const RecordedCall& c : calls_) {
        if (c.op == op) out.push_back(&c);
    }
    return out;
}

int RecordingGraphics::CountOf(RecordedCall::Op op) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [op](const RecordedCall& c) { return c.op == op; }));
}

std::vector<RecordedQuad> RecordingGraphics::Quads() const {
    std::vector<RecordedQuad> out;
    for (const RecordedCall& c : calls_) {
        if (c.op != RecordedCall::Flush || c.kind != kQuads) continue;
        for (size_t k = 0; k + 4 <= c.vertices.size(); k += 4) {
            const GraphicsVertex& a = c.vertices[k];
            const GraphicsVertex& b = c.vertices[k + 2];
            RecordedQuad q{a.x, a.y, b.x, b.y, 0, 0, 0, 0, a.color, c.surface};
            if (c.surface) {
                q.u0 = a.u, q.v0 = a.v, q.u1 = b.u, q.v1 = b.v;
            }
            out.push_back(q);
        }
    }
    return out;
}

void RecordingGraphics::DrawBatch(int kind, gxtkSurface* surface, const GraphicsVertex* v,
                                  int count) {
    RecordedCall& c = Record(RecordedCall::Flush);
    c.kind = kind;
    c.surface = surface;
    c.vertices.assign(v, v + count);
}

int RecordingGraphics::BeginRender() {
    Record(RecordedCall::BeginRender);
    return gxtkGraphics::BeginRender();
}

void RecordingGraphics::EndRender() {
    Record(RecordedCall::EndRender);
    gxtkGraphics::EndRender();
}

void RecordingGraphics::DiscardGraphics() {
    Record(RecordedCall::DiscardGraphics);
    gxtkGraphics::DiscardGraphics();
}

gxtkSurface* RecordingGraphics::LoadSurface(const String& path) {
    gxtkSurface* surface = gxtkGraphics::LoadSurface(path);
    RecordedCall& c = Record(RecordedCall::LoadSurface);
    c.path = path;
    c.surface = surface;
    return surface;
}

int RecordingGraphics::Cls(float r, float g, float b) {
    RecordedCall& c = Record(RecordedCall::Cls);
    c.f[0] = r, c.f[1] = g, c.f[2] = b;
    return gxtkGraphics::Cls(r, g, b);
}

int RecordingGraphics::SetAlpha(float alpha) {
    Record(RecordedCall::SetAlpha).f[0] = alpha;
    return gxtkGraphics::SetAlpha(alpha);
}

int RecordingGraphics::SetColor(float r, float g, float b) {
    RecordedCall& c = Record(RecordedCall::SetColor);
    c.f[0] = r, c.f[1] = g, c.f[2] = b;
    return gxtkGraphics::SetColor(r, g, b);
}

int RecordingGraphics::SetBlend(int blend) {
    Record(RecordedCall::SetBlend).i[0] = blend;
    return gxtkGraphics::SetBlend(blend);
}

int RecordingGraphics::SetScissor(int x, int y, int w, int h) {
    RecordedCall& c = Record(RecordedCall::SetScissor);
    c.i[0] = x, c.i[1] = y, c.i[2] = w, c.i[3] = h;
    return gxtkGraphics::SetScissor(x, y, w, h);
}

int RecordingGraphics::SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) {
    RecordedCall& c = Record(RecordedCall::SetMatrix);
    c.f[0] = ix, c.f[1] = iy, c.f[2] = jx, c.f[3] = jy, c.f[4] = tx, c.f[5] = ty;
    return gxtkGraphics::SetMatrix(ix, iy, jx, jy, tx, ty);
}

int RecordingGraphics::DrawPoint(float x, float y) {
    RecordedCall& c = Record(RecordedCall::DrawPoint);
    c.f[0] = x, c.f[1] = y;
    return gxtkGraphics::DrawPoint(x, y);
}

int RecordingGraphics::DrawRect(float x, float y, float w, float h) {
    RecordedCall& c = Record(RecordedCall::DrawRect);
    c.f[0] = x, c.f[1] = y, c.f[2] = w, c.f[3] = h;
    return gxtkGraphics::DrawRect(x, y, w, h);
}

int RecordingGraphics::DrawLine(float x1, float y1, float x2, float y2) {
    RecordedCall& c = Record(RecordedCall::DrawLine);
    c.f[0] = x1, c.f[1] = y1, c.f[2] = x2, c.f[3] = y2;
    return gxtkGraphics::DrawLine(x1, y1, x2, y2);
}

int RecordingGraphics::DrawPoly(const float* xy, int count) {
    Record(RecordedCall::DrawPoly).i[0] = count;
    return gxtkGraphics::DrawPoly(xy, count);
}

int RecordingGraphics::DrawSurface(gxtkSurface* surface, float x, float y) {
    RecordedCall& c = Record(RecordedCall::DrawSurface);
    c.surface = surface;
    c.f[0] = x, c.f[1] = y;
    return gxtkGraphics::DrawSurface(surface, x, y);
}

int RecordingGraphics::DrawSurface2(gxtkSurface* surface, float x, float y, int srcx, int srcy,
                                    int srcw, int srch) {
    RecordedCall& c = Record(RecordedCall::DrawSurface2);
    c.surface = surface;
    c.f[0] = x, c.f[1] = y;
    c.i[0] = srcx, c.i[1] = srcy, c.i[2] = srcw, c.i[3] = srch;
    return gxtkGraphics::DrawSurface2(surface, x, y, srcx, srcy, srcw, srch);
}
