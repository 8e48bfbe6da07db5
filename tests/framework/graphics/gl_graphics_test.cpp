// The real OpenGL device in a hidden window (Xvfb and Mesa in CI): rectangles,
// colours, alpha and a textured quad, read back from the frame buffer.
#include <gtest/gtest.h>

#include <GLFW/glfw3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "framework/graphics/graphics.h"
#include "framework/graphics/image.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

constexpr int kW = 160, kH = 120;

struct Rgb {
    int r, g, b;
};

class GlGraphicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "no DISPLAY";
        ASSERT_TRUE(glfwInit());
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
        window = glfwCreateWindow(kW, kH, "gl_graphics_test", nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        glfwMakeContextCurrent(window);
        IncrementGraphicsSequence();  // what the host does at each window opening
        ResetGraphicsModule();
        // Read back before presenting: the swap is left out on purpose.
        device.reset(NewGlGraphics([this](int* w, int* h) { glfwGetFramebufferSize(window, w, h); },
                                   [] {}));
        SetGraphicsDevice(device.get());
    }
    void TearDown() override {
        ResetGraphicsModule();
        device.reset();
        if (window) glfwDestroyWindow(window);
        glfwTerminate();
    }

    void BeginFrame() {
        device->BeginRender();
        BeginRender();
        device->Cls(0, 0, 0);
    }
    void EndFrame() {
        EndRender();
        device->EndRender();
        glFinish();
    }
    // Window pixel (x, y), y downwards.
    Rgb Pixel(int x, int y) {
        unsigned char p[4] = {};
        glReadBuffer(GL_BACK);
        glReadPixels(x, kH - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }

    GLFWwindow* window = nullptr;
    std::unique_ptr<gxtkGraphics> device;
};

#define EXPECT_RGB(pixel, R, G, B, tol)              \
    do {                                             \
        const Rgb px_ = (pixel);                     \
        EXPECT_NEAR(px_.r, R, tol) << #pixel;        \
        EXPECT_NEAR(px_.g, G, tol) << #pixel;        \
        EXPECT_NEAR(px_.b, B, tol) << #pixel;        \
    } while (0)

TEST_F(GlGraphicsTest, RectanglesColoursAndATexturedQuadReachTheFrameBuffer) {
    EXPECT_EQ(DeviceWidth(), kW);
    EXPECT_EQ(DeviceHeight(), kH);

    char tmpl[] = "/tmp/qt_gl_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string png = std::string(tmpl) + "/quad.png";
    // 2 x 2: red, green / blue, half-transparent white.
    const unsigned char px[] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128};
    ASSERT_NE(stbi_write_png(png.c_str(), 2, 2, 4, px, 8), 0);
    Image* image = LoadImage(png);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->surface->seq, GraphicsSequence());
    EXPECT_EQ(image->surface->uscale, 0.5f);  // the driver takes the exact size

    BeginFrame();
    SetColor(255, 0, 0);
    DrawRect(10, 20, 5, 3);
    SetColor(255, 255, 255);
    SetAlpha(0.5f);
    DrawRect(40, 10, 10, 10);
    SetAlpha(1);
    DrawImage2(image, 60, 60, 0, 8, 8);  // 16 x 16, nearest-neighbour
    SetColor(0, 255, 0);
    DrawImageRect(image, 100, 20, 0, 0, 1, 1);  // the red texel tinted green: black
    EndFrame();

    // (10, 20, 5, 3) covers x 10 to 14 and y 20 to 22, y downwards.
    EXPECT_RGB(Pixel(10, 20), 255, 0, 0, 0);
    EXPECT_RGB(Pixel(14, 22), 255, 0, 0, 0);
    EXPECT_RGB(Pixel(15, 20), 0, 0, 0, 0);
    EXPECT_RGB(Pixel(9, 20), 0, 0, 0, 0);
    EXPECT_RGB(Pixel(10, 23), 0, 0, 0, 0);
    EXPECT_RGB(Pixel(10, 19), 0, 0, 0, 0);
    // Half-alpha white over black.
    EXPECT_RGB(Pixel(45, 15), 127, 127, 127, 1);
    // The four texels, crisp, the right way up; the last one premultiplied.
    EXPECT_RGB(Pixel(60, 60), 255, 0, 0, 0);
    EXPECT_RGB(Pixel(67, 67), 255, 0, 0, 0);
    EXPECT_RGB(Pixel(68, 60), 0, 255, 0, 0);
    EXPECT_RGB(Pixel(60, 68), 0, 0, 255, 0);
    EXPECT_RGB(Pixel(75, 75), 128, 128, 128, 1);
    EXPECT_RGB(Pixel(76, 76), 0, 0, 0, 0);
    EXPECT_RGB(Pixel(100, 20), 0, 0, 0, 0);

    // Scissor clips to its rectangle, in top-left coordinates; additive blending adds.
    BeginFrame();
    SetScissor(20, 30, 10, 5);
    SetColor(0, 0, 255);
    DrawRect(0, 0, kW, kH);
    SetScissor(0, 0, kW, kH);
    SetBlend(1);
    SetColor(255, 0, 0);
    DrawRect(20, 30, 2, 2);
    EndFrame();
    EXPECT_RGB(Pixel(20, 30), 255, 0, 255, 0);
    EXPECT_RGB(Pixel(29, 34), 0, 0, 255, 0);
    EXPECT_RGB(Pixel(30, 34), 0, 0, 0, 0);
    EXPECT_RGB(Pixel(29, 35), 0, 0, 0, 0);
    EXPECT_RGB(Pixel(19, 30), 0, 0, 0, 0);

    // A new window is a new context: the texture is made again at its next use.
    const int oldSeq = GraphicsSequence();
    glfwDestroyWindow(window);
    window = glfwCreateWindow(kW, kH, "gl_graphics_test", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    glfwMakeContextCurrent(window);
    IncrementGraphicsSequence();
    BeginFrame();
    DrawImage2(image, 0, 0, 0, 4, 4);
    EndFrame();
    EXPECT_EQ(image->surface->seq, oldSeq + 1);
    EXPECT_RGB(Pixel(0, 0), 255, 0, 0, 0);
    EXPECT_RGB(Pixel(4, 4), 128, 128, 128, 1);

    // Sizes that are no powers of two are taken as they are.
    const std::string wide = std::string(tmpl) + "/wide.png";
    std::string rgb(100 * 30 * 3, '\x40');
    ASSERT_NE(stbi_write_png(wide.c_str(), 100, 30, 3, rgb.data(), 300), 0);
    Image* odd = LoadImage(wide);
    ASSERT_NE(odd, nullptr);
    EXPECT_EQ(odd->surface->depth, 3);
    EXPECT_EQ(odd->surface->uscale, 1.0f / 100);
    EXPECT_EQ(odd->surface->vscale, 1.0f / 30);

    delete odd;
    delete image;
    std::filesystem::remove_all(tmpl);
}

}  // namespace
