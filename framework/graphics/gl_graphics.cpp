// The OpenGL backend of gxtkGraphics: fixed-function pipeline, client-side
// vertex arrays pointing at the device's vertex buffer.
#include <GL/gl.h>

#include <utility>

#include "framework/graphics/graphics_device.h"

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace {

class GlSurface : public gxtkSurface {
public:
    ~GlSurface() override { DeleteTexture(); }
    void Discard() override {
        DeleteTexture();
        gxtkSurface::Discard();
    }

    // Binds the texture, making it first when it belongs to no or an older context.
    void Bind() {
        const int current = GraphicsSequence();
        if (current == 0) return;  // no window, no context
        if (seq == current) {
            glBindTexture(GL_TEXTURE_2D, texture);
            return;
        }
        seq = current;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

        while (glGetError() != GL_NO_ERROR) {
        }
        int texWidth = width, texHeight = height;
        glTexImage2D(GL_TEXTURE_2D, 0, format, texWidth, texHeight, 0, format, GL_UNSIGNED_BYTE,
                     nullptr);
        if (glGetError() != GL_NO_ERROR) {
            // Drivers without non-power-of-two textures: the image sits top-left.
            texWidth = 1;
            while (texWidth < width) texWidth *= 2;
            texHeight = 1;
            while (texHeight < height) texHeight *= 2;
            glTexImage2D(GL_TEXTURE_2D, 0, format, texWidth, texHeight, 0, format,
                         GL_UNSIGNED_BYTE, nullptr);
        }
        uscale = 1.0f / texWidth;
        vscale = 1.0f / texHeight;
        if (pixels) {
            glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
            glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, format, GL_UNSIGNED_BYTE,
                            pixels);
        }
    }

private:
    void DeleteTexture() {
        // A texture of an earlier context died with it.
        if (seq != -1 && seq == GraphicsSequence()) glDeleteTextures(1, &texture);
        seq = -1;
        texture = 0;
    }
};

class GlGraphics : public gxtkGraphics {
public:
    GlGraphics(std::function<void(int*, int*)> clientSize, std::function<void()> swapBuffers)
        : clientSize_(std::move(clientSize)), swapBuffers_(std::move(swapBuffers)) {
        ReadSize();
    }

    int BeginRender() override {
        ReadSize();
        glViewport(0, 0, width_, height_);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, width_, height_, 0, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();

        const GLsizei stride = sizeof(GraphicsVertex);
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(2, GL_FLOAT, stride, &vertices_[0].x);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, stride, &vertices_[0].u);
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_UNSIGNED_BYTE, stride, &vertices_[0].color);

        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_TEXTURE_2D);
        return gxtkGraphics::BeginRender();
    }

    void EndRender() override {
        gxtkGraphics::EndRender();
        if (swapBuffers_) swapBuffers_();
    }

    gxtkSurface* LoadSurface(const String& path) override {
        gxtkSurface* surface = gxtkGraphics::LoadSurface(path);
        if (surface) static_cast<GlSurface*>(surface)->Bind();
        return surface;
    }

    int Cls(float r, float g, float b) override {
        gxtkGraphics::Cls(r, g, b);
        glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        return 0;
    }

    int SetBlend(int blend) override {
        gxtkGraphics::SetBlend(blend);
        if (blend == 1) {
            glBlendFunc(GL_ONE, GL_ONE);
        } else {
            glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        }
        return 0;
    }

    int SetScissor(int x, int y, int w, int h) override {
        gxtkGraphics::SetScissor(x, y, w, h);
        if (x == 0 && y == 0 && w == width_ && h == height_) {
            glDisable(GL_SCISSOR_TEST);
        } else {
            glEnable(GL_SCISSOR_TEST);
            glScissor(x, height_ - y - h, w, h);
        }
        return 0;
    }

protected:
    gxtkSurface* NewSurface() override { return new GlSurface(); }

    void DrawBatch(int kind, gxtkSurface* surface, const GraphicsVertex*, int count) override {
        if (surface) {
            glEnable(GL_TEXTURE_2D);
            static_cast<GlSurface*>(surface)->Bind();
        }
        switch (kind) {
        case kPoints: glDrawArrays(GL_POINTS, 0, count); break;
        case kLines: glDrawArrays(GL_LINES, 0, count); break;
        case kTriangles: glDrawArrays(GL_TRIANGLES, 0, count); break;
        case kQuads:
            glDrawElements(GL_TRIANGLES, count / 4 * 6, GL_UNSIGNED_SHORT, quadIndices_);
            break;
        default:
            for (int first = 0; first + kind <= count; first += kind) {
                glDrawArrays(GL_TRIANGLE_FAN, first, kind);
            }
            break;
        }
        if (surface) glDisable(GL_TEXTURE_2D);
    }

private:
    void ReadSize() {
        if (clientSize_) clientSize_(&width_, &height_);
    }

    std::function<void(int*, int*)> clientSize_;
    std::function<void()> swapBuffers_;
};

}  // namespace

gxtkGraphics* NewGlGraphics(std::function<void(int*, int*)> clientSize,
                            std::function<void()> swapBuffers) {
    return new GlGraphics(std::move(clientSize), std::move(swapBuffers));
}
