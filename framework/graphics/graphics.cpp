// The graphics module: device, render device and the drawing context.
#include "framework/graphics/graphics.h"

#include <cmath>
#include <cstring>

#include "framework/graphics/image.h"
#include "runtime/error.h"

namespace {

gxtkGraphics* g_device = nullptr;
gxtkGraphics* g_renderDevice = nullptr;
GraphicsContext g_context;

void MatrixChanged() {
    GraphicsContext& c = g_context;
    c.tformed = (c.ix != 1 || c.iy != 0 || c.jx != 0 || c.jy != 1 || c.tx != 0 || c.ty != 0);
    c.matDirty = 1;
}

}  // namespace

void GraphicsContext::Validate() {
    if (!matDirty || !g_renderDevice) return;
    g_renderDevice->SetMatrix(ix, iy, jx, jy, tx, ty);
    matDirty = 0;
}

void SetGraphicsDevice(gxtkGraphics* device) { g_device = device; }
gxtkGraphics* GetGraphicsDevice() { return g_device; }
gxtkGraphics* GetRenderDevice() { return g_renderDevice; }
GraphicsContext& GetGraphicsContext() { return g_context; }

void ResetGraphicsModule() {
    g_device = nullptr;
    g_renderDevice = nullptr;
    g_context = GraphicsContext();
    Image::DefaultFlags = 0;
}

void BeginRender() {
    g_renderDevice = g_device;
    GraphicsContext& c = g_context;
    c.matrixSp = 0;
    SetMatrix(1, 0, 0, 1, 0, 0);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetBlend(0);
    SetScissor(0, 0, static_cast<float>(DeviceWidth()), static_cast<float>(DeviceHeight()));
}

void EndRender() { g_renderDevice = nullptr; }

int DeviceWidth() { return g_device ? g_device->Width() : 0; }
int DeviceHeight() { return g_device ? g_device->Height() : 0; }

void SetColor(float r, float g, float b) {
    g_context.color_r = r;
    g_context.color_g = g;
    g_context.color_b = b;
    if (g_renderDevice) g_renderDevice->SetColor(r, g, b);
}

void SetAlpha(float alpha) {
    g_context.alpha = alpha;
    if (g_renderDevice) g_renderDevice->SetAlpha(alpha);
}

void SetBlend(int blend) {
    g_context.blend = blend;
    if (g_renderDevice) g_renderDevice->SetBlend(blend);
}

void SetScissor(float x, float y, float width, float height) {
    GraphicsContext& c = g_context;
    c.scissor_x = x;
    c.scissor_y = y;
    c.scissor_width = width;
    c.scissor_height = height;
    if (g_renderDevice) {
        g_renderDevice->SetScissor(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
                                   static_cast<int>(std::lround(width)),
                                   static_cast<int>(std::lround(height)));
    }
}

void SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) {
    GraphicsContext& c = g_context;
    c.ix = ix, c.iy = iy, c.jx = jx, c.jy = jy, c.tx = tx, c.ty = ty;
    MatrixChanged();
}

void Transform(float ix, float iy, float jx, float jy, float tx, float ty) {
    const GraphicsContext& c = g_context;
    const float ix2 = ix * c.ix + iy * c.jx;
    const float iy2 = ix * c.iy + iy * c.jy;
    const float jx2 = jx * c.ix + jy * c.jx;
    const float jy2 = jx * c.iy + jy * c.jy;
    const float tx2 = tx * c.ix + ty * c.jx + c.tx;
    const float ty2 = tx * c.iy + ty * c.jy + c.ty;
    SetMatrix(ix2, iy2, jx2, jy2, tx2, ty2);
}

void Translate(float x, float y) { Transform(1, 0, 0, 1, x, y); }
void Scale(float x, float y) { Transform(x, 0, 0, y, 0, 0); }

void Rotate(float degrees) {
    const float r = degrees * 3.14159265f / 180.0f;
    const float c = std::cos(r), s = std::sin(r);
    Transform(c, -s, s, c, 0, 0);
}

void PushMatrix() {
    GraphicsContext& c = g_context;
    // A fixed stack: going past it would write outside the context.
    if (c.matrixSp + 6 > GraphicsContext::kStackFloats) bbError("Matrix stack overflow");
    float* m = c.matrixStack + c.matrixSp;
    m[0] = c.ix, m[1] = c.iy, m[2] = c.jx, m[3] = c.jy, m[4] = c.tx, m[5] = c.ty;
    c.matrixSp += 6;
}

void PopMatrix() {
    GraphicsContext& c = g_context;
    if (c.matrixSp < 6) bbError("Matrix stack underflow");
    c.matrixSp -= 6;
    const float* m = c.matrixStack + c.matrixSp;
    SetMatrix(m[0], m[1], m[2], m[3], m[4], m[5]);
}

void GetMatrix(float out[6]) {
    const GraphicsContext& c = g_context;
    out[0] = c.ix, out[1] = c.iy, out[2] = c.jx, out[3] = c.jy, out[4] = c.tx, out[5] = c.ty;
}

void DrawRect(float x, float y, float width, float height) {
    if (!g_renderDevice) return;
    g_context.Validate();
    g_renderDevice->DrawRect(x, y, width, height);
}
