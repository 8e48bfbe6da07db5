// The graphics module: the current device, the drawing context of a frame and
// the state setters and rectangle drawing the application calls in OnRender.
#pragma once

#include "framework/graphics/graphics_device.h"

class Image;

struct GraphicsContext {
    Image* defaultFont = nullptr;
    Image* font = nullptr;
    int firstChar = 0;
    int matrixSp = 0;                         // floats in use in matrixStack
    float ix = 1, iy = 0, jx = 0, jy = 1, tx = 0, ty = 0;
    int tformed = 0;
    int matDirty = 0;
    float color_r = 0, color_g = 0, color_b = 0;
    float alpha = 0;
    int blend = 0;                            // 0 alpha blending, 1 additive
    float scissor_x = 0, scissor_y = 0, scissor_width = 0, scissor_height = 0;
    static constexpr int kStackFloats = 192;  // 32 saved matrices
    float matrixStack[kStackFloats] = {};

    // Hands a dirty matrix to the render device.
    void Validate();
};

void SetGraphicsDevice(gxtkGraphics* device);
gxtkGraphics* GetGraphicsDevice();
// The device between BeginRender and EndRender; null otherwise.
gxtkGraphics* GetRenderDevice();
GraphicsContext& GetGraphicsContext();
// Start-up values: no device, no render device, a fresh context, Image default flags 0.
void ResetGraphicsModule();

// Frame brackets; the host calls them inside the device's own BeginRender/EndRender.
void BeginRender();
void EndRender();

int DeviceWidth();
int DeviceHeight();

void SetColor(float r, float g, float b);
void SetAlpha(float alpha);
void SetBlend(int blend);
// The device gets the rectangle rounded to whole pixels.
void SetScissor(float x, float y, float width, float height);

void SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty);
// The given matrix is applied first, then the current one.
void Transform(float ix, float iy, float jx, float jy, float tx, float ty);
void Translate(float x, float y);
void Scale(float x, float y);
void Rotate(float degrees);
// At most 32 deep: overflow and underflow are runtime errors.
void PushMatrix();
void PopMatrix();
// The current matrix (ix, iy, jx, jy, tx, ty).
void GetMatrix(float out[6]);

void DrawRect(float x, float y, float width, float height);
