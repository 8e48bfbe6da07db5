// The start screen through the real window: a 640 x 475 GLFW window under Xvfb and
// Mesa, the real OpenGL device, a fresh engine's OnCreate and one OnRender, read
// back with glReadPixels and compared with the committed reference picture.
//
// To regenerate the reference (and the README's docs/screenshot.png) after a
// deliberate change of the screen or its images, run from the build folder:
//   QT_UPDATE_SCREENSHOT=1 ./tests/screen_start_screen_test
#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/graphics.h"
#include "framework/graphics/image.h"
#include "tests/support/fresh_engine.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace {

constexpr int kW = 640, kH = 475;
const std::string kReference = std::string(QT_SOURCE_DIR) + "/tests/screen/start_screen.png";
const std::string kReadme = std::string(QT_SOURCE_DIR) + "/docs/screenshot.png";

// RGB rows top to bottom, as the window shows them.
std::vector<unsigned char> RenderStartScreen(GLFWwindow* window) {
    std::unique_ptr<gxtkGraphics> device(NewGlGraphics(
        [window](int* w, int* h) { glfwGetFramebufferSize(window, w, h); }, [] {}));
    ResetGraphicsModule();
    SetGraphicsDevice(device.get());
    SetFont(nullptr, 32);  // as the host does before OnCreate
    auto engine = MakeFreshEngine();

    device->BeginRender();
    BeginRender();
    engine->OnRender();
    EndRender();
    device->EndRender();  // flushes; the swap is left out so the back buffer is read
    glFinish();

    std::vector<unsigned char> flipped(static_cast<size_t>(kW * kH * 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kW, kH, GL_RGB, GL_UNSIGNED_BYTE, flipped.data());
    std::vector<unsigned char> rows(flipped.size());
    for (int y = 0; y < kH; ++y)
        std::copy_n(&flipped[static_cast<size_t>((kH - 1 - y) * kW * 3)], kW * 3,
                    &rows[static_cast<size_t>(y * kW * 3)]);
    ResetGraphicsModule();
    return rows;
}

TEST(StartScreen, MatchesTheReferencePicture) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) GTEST_SKIP() << "no DISPLAY";
    ASSERT_TRUE(glfwInit());
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(kW, kH, "start_screen_test", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    glfwMakeContextCurrent(window);
    IncrementGraphicsSequence();
    int fw = 0, fh = 0;
    glfwGetFramebufferSize(window, &fw, &fh);
    ASSERT_EQ(fw, kW);
    ASSERT_EQ(fh, kH);

    const std::vector<unsigned char> shot = RenderStartScreen(window);
    glfwDestroyWindow(window);
    glfwTerminate();

    if (const char* update = std::getenv("QT_UPDATE_SCREENSHOT"); update && *update == '1') {
        ASSERT_TRUE(stbi_write_png(kReference.c_str(), kW, kH, 3, shot.data(), kW * 3));
        ASSERT_TRUE(stbi_write_png(kReadme.c_str(), kW, kH, 3, shot.data(), kW * 3));
        GTEST_SKIP() << "reference written to " << kReference;
    }

    int w = 0, h = 0, n = 0;
    unsigned char* ref = stbi_load(kReference.c_str(), &w, &h, &n, 3);
    ASSERT_NE(ref, nullptr) << "missing " << kReference;
    ASSERT_EQ(w, kW);
    ASSERT_EQ(h, kH);
    // Mesa versions may round a colour channel differently; a wrong glyph, image
    // or position changes pixels by far more than the tolerance.
    constexpr int kTolerance = 3;
    int differing = 0;
    int firstX = -1, firstY = -1;
    for (int i = 0; i < kW * kH * 3; ++i) {
        if (std::abs(int(shot[static_cast<size_t>(i)]) - int(ref[i])) > kTolerance) {
            if (differing++ == 0) {
                firstX = (i / 3) % kW;
                firstY = (i / 3) / kW;
            }
        }
    }
    stbi_image_free(ref);
    EXPECT_EQ(differing, 0) << "first difference at (" << firstX << ", " << firstY << ")";
}

}  // namespace
