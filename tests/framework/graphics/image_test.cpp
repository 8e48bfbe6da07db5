// Images, frames, flags and bitmap text, through the recording device and small
// PNG files written for each test.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/graphics/graphics.h"
#include "framework/graphics/image.h"
#include "framework/graphics/recording_graphics.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace fs = std::filesystem;

namespace {

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/qt_image_test_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        ResetGraphicsModule();
        SetGraphicsDevice(&dev);
    }
    void TearDown() override {
        if (GetRenderDevice()) EndRender();
        ResetGraphicsModule();
        fs::remove_all(dir);
    }

    // An RGBA PNG of the given size; pixel (x, y) is (x, y, 7, 255).
    std::string Png(const std::string& name, int w, int h) {
        std::vector<unsigned char> px(static_cast<size_t>(w * h * 4));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                unsigned char* p = &px[static_cast<size_t>((y * w + x) * 4)];
                p[0] = static_cast<unsigned char>(x), p[1] = static_cast<unsigned char>(y);
                p[2] = 7, p[3] = 255;
            }
        }
        const std::string path = (dir / name).string();
        fs::create_directories(fs::path(path).parent_path());
        EXPECT_NE(stbi_write_png(path.c_str(), w, h, 4, px.data(), w * 4), 0);
        return path;
    }

    void Frame() {
        dev.BeginRender();
        BeginRender();
        dev.Clear();
    }

    // The glyph or frame draws of the frame so far: x, y and the source x.
    struct Draw {
        float x, y;
        int sx;
        bool operator==(const Draw& o) const { return x == o.x && y == o.y && sx == o.sx; }
    };
    std::vector<Draw> Draws() const {
        std::vector<Draw> out;
        for (const RecordedCall* c : dev.CallsOf(RecordedCall::DrawSurface2)) {
            out.push_back({c->f[0], c->f[1], c->i[0]});
        }
        return out;
    }

    fs::path dir;
    RecordingGraphics dev;
};

TEST_F(ImageTest, StripFramesAndFlags) {
    const std::string strip = Png("strip.png", 960, 12);
    struct Case {
        int frames, flags;
        int w, h, frame5x, frame5y;
        float hx, hy;
        int storedFlags;
    } cases[] = {
        {96, 0, 10, 12, 50, 0, 0, 0, 0},
        {96, Image::XPadding, 8, 12, 51, 0, 0, 0, Image::XPadding},
        {96, Image::YPadding, 10, 10, 50, 1, 0, 0, Image::YPadding},
        {96, Image::MidHandle | Image::XPadding, 8, 12, 51, 0, 4, 6, Image::XPadding},
        // 960 / 7 leaves pixels at the right edge that belong to no frame.
        {7, 0, 137, 12, 685, 0, 0, 0, 0},
        {1, 0, 960, 12, -1, -1, 0, 0, Image::FullFrame},
        {1, Image::MidHandle, 960, 12, -1, -1, 480, 6, Image::FullFrame},
        {1, Image::XPadding, 958, 12, -1, -1, 0, 0, Image::XPadding},
        {0, 0, 960, 12, -1, -1, 0, 0, Image::FullFrame},  // a strip has at least one frame
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frames << " frames, flags " << c.flags);
        Image* image = LoadImage(strip, c.frames, c.flags);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Frames(), std::max(c.frames, 1));
        EXPECT_EQ(image->Width(), c.w);
        EXPECT_EQ(image->Height(), c.h);
        EXPECT_EQ(image->Flags(), c.storedFlags);
        EXPECT_EQ(image->HandleX(), c.hx);
        EXPECT_EQ(image->HandleY(), c.hy);
        EXPECT_EQ(image->surface->Width(), 960);
        if (c.frame5x >= 0) {
            EXPECT_EQ(image->frames[5].x, c.frame5x);
            EXPECT_EQ(image->frames[5].y, c.frame5y);
        }
        delete image;
    }
}

TEST_F(ImageTest, MissingOrUndecodableFilesAndNoDeviceGiveNull) {
    EXPECT_EQ(LoadImage((dir / "missing.png").string()), nullptr);
    const std::string text = (dir / "text.png").string();
    std::FILE* f = std::fopen(text.c_str(), "w");
    std::fputs("not a picture", f);
    std::fclose(f);
    EXPECT_EQ(LoadImage(text), nullptr);

    const std::string good = Png("good.png", 4, 4);
    SetGraphicsDevice(nullptr);
    EXPECT_EQ(LoadImage(good), nullptr);
    EXPECT_EQ(LoadImage2(good, 2, 2, 4), nullptr);
    SetGraphicsDevice(&dev);
    Image* image = LoadImage(good);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(dev.CallsOf(RecordedCall::LoadSurface).back()->path, String(good));
    delete image;
}

TEST_F(ImageTest, LoadImage2CutsAGridRowByRow) {
    const std::string grid = Png("grid.png", 30, 20);
    Image* image = LoadImage2(grid, 10, 10, 6, Image::XPadding | Image::YPadding);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->Frames(), 6);
    const int want[6][2] = {{1, 1}, {11, 1}, {21, 1}, {1, 11}, {11, 11}, {21, 11}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(image->frames[i].x, want[i][0]) << i;
        EXPECT_EQ(image->frames[i].y, want[i][1]) << i;
    }
    EXPECT_EQ(image->Width(), 8);
    EXPECT_EQ(image->Height(), 8);
    delete image;

    Image* whole = LoadImage2(grid, 30, 20, 1);
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->Flags(), Image::FullFrame);
    delete whole;
}

TEST_F(ImageTest, LoadImage2FramesOutsideTheSurfaceAreRuntimeErrors) {
    const std::string grid = Png("grid.png", 30, 20);
    const char* message = "Zorbit Runtime Error : Image frame outside surface";
    // Runtime errors are printed on standard output; the death test reads stderr.
    EXPECT_EXIT((dup2(2, 1), LoadImage2(grid, 10, 10, 7)), testing::ExitedWithCode(255), message);
    EXPECT_EXIT((dup2(2, 1), LoadImage2(grid, 31, 10, 1)), testing::ExitedWithCode(255), message);
    EXPECT_EXIT((dup2(2, 1), LoadImage2(grid, 10, 21, 1)), testing::ExitedWithCode(255), message);
    EXPECT_EXIT((dup2(2, 1), LoadImage2(grid, 0, 10, 1)), testing::ExitedWithCode(255), message);
}

TEST_F(ImageTest, WholeImagesUseDrawSurfaceAndFramesDrawSurface2WithTheirOffset) {
    Image* whole = LoadImage(Png("bg.png", 64, 32));
    Image* strip = LoadImage(Png("strip.png", 960, 12), 96);
    ASSERT_TRUE(whole && strip);
    Frame();
    DrawImage(whole, 3, 4);
    DrawImage(strip, 100, 50, 5);
    strip->SetHandle(2, 3);
    DrawImage(strip, 100, 50, 95);
    DrawImage(nullptr, 0, 0);
    DrawImage(strip, 0, 0, 96);  // past the last frame: nothing
    DrawImage(strip, 0, 0, -1);
    DrawImageRect(strip, 0, 0, 0, 0, 5, 5, 96);
    auto surface = dev.CallsOf(RecordedCall::DrawSurface);
    ASSERT_EQ(surface.size(), 1u);
    EXPECT_EQ(surface[0]->surface, whole->surface.get());
    EXPECT_EQ(surface[0]->f[0], 3);
    EXPECT_EQ(surface[0]->f[1], 4);
    auto draws = dev.CallsOf(RecordedCall::DrawSurface2);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0]->i[0], 50);
    EXPECT_EQ(draws[0]->i[2], 10);
    EXPECT_EQ(draws[0]->i[3], 12);
    EXPECT_EQ(draws[1]->f[0], 98);
    EXPECT_EQ(draws[1]->f[1], 47);
    EXPECT_EQ(draws[1]->i[0], 950);
    EndRender();
    DrawImage(whole, 0, 0);  // outside a frame: nothing
    EXPECT_EQ(dev.CountOf(RecordedCall::DrawSurface), 1);
    delete whole;
    delete strip;
}

TEST_F(ImageTest, DrawImageRectWithNegativeHeightGrowsUpwardsFromTheBaseLine) {
    Image* meter = LoadImage(Png("vumeter.png", 16, 64));
    ASSERT_NE(meter, nullptr);
    Frame();
    DrawImageRect(meter, 100, 348, 0, 64, 16, -30, 0);
    dev.EndRender();
    auto quads = dev.Quads();
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].x0, 100);
    EXPECT_EQ(quads[0].y0, 348);
    EXPECT_EQ(quads[0].x1, 116);
    EXPECT_EQ(quads[0].y1, 318);
    EXPECT_FLOAT_EQ(quads[0].v0, 1.0f);
    EXPECT_FLOAT_EQ(quads[0].v1, 34.0f / 64);
    delete meter;
}

TEST_F(ImageTest, DrawImage2RotatesAndScalesAboutTheHandle) {
    Image* image = LoadImage(Png("square.png", 10, 10), 1, Image::MidHandle);
    ASSERT_NE(image, nullptr);
    Frame();
    DrawImage2(image, 50, 50, 0, 2, 2);
    DrawImage2(image, 50, 50, 90, 1, 1);
    dev.EndRender();
    auto quads = dev.Quads();
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_FLOAT_EQ(quads[0].x0, 40);
    EXPECT_FLOAT_EQ(quads[0].y0, 40);
    EXPECT_FLOAT_EQ(quads[0].x1, 60);
    EXPECT_FLOAT_EQ(quads[0].y1, 60);
    // Rotated a quarter turn about the centre: the first corner moves to (45, 55).
    EXPECT_NEAR(quads[1].x0, 45, 1e-4);
    EXPECT_NEAR(quads[1].y0, 55, 1e-4);
    float m[6];
    GetMatrix(m);
    EXPECT_EQ(m[0], 1);
    EXPECT_EQ(m[4], 0);
    EXPECT_EQ(GetGraphicsContext().matrixSp, 0);
    delete image;
}

TEST_F(ImageTest, TextIsLaidOutGlyphByGlyphWithAlignment) {
    Image* font = LoadImage(Png("font.png", 960, 12), 96);
    ASSERT_NE(font, nullptr);
    SetFont(font, 32);
    const String gap = String("A") + String::FromChar(31) + String::FromChar(128) + "B";
    struct Case {
        String text;
        float x, y, xa, ya;
        std::vector<Draw> want;  // x, y, source x = 10 * frame
    } cases[] = {
        {"AB", 100, 50, 0, 0, {{100, 50, 330}, {110, 50, 340}}},
        {"ABC", 100, 50, 0.5f, 0, {{85, 50, 330}, {95, 50, 340}, {105, 50, 350}}},
        {"AB", 100, 50, 1, 1, {{80, 38, 330}, {90, 38, 340}}},
        {"A", 100, 50, 0.5f, 0.5f, {{95, 44, 330}}},
        // Characters without a glyph keep their cell: B is not shifted left.
        {gap, 0, 0, 0, 0, {{0, 0, 330}, {30, 0, 340}}},
        {" ~", 0, 0, 0, 0, {{0, 0, 0}, {10, 0, 940}}},
        {"", 5, 5, 0.5f, 0.5f, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.ToUtf8());
        Frame();
        DrawText(c.text, c.x, c.y, c.xa, c.ya);
        EXPECT_EQ(Draws(), c.want);
        EndRender();
    }
    // First char is stored as given.
    SetFont(font, 65);
    Frame();
    DrawText("AB", 0, 0);
    EXPECT_EQ(Draws(), (std::vector<Draw>{{0, 0, 0}, {10, 0, 10}}));
    EndRender();
    delete font;
}

TEST_F(ImageTest, TextIsTintedAndGoesOutAsOneBatch) {
    Image* font = LoadImage(Png("font.png", 960, 12), 96);
    SetFont(font, 32);
    Frame();
    SetColor(255, 0, 0);
    DrawText("HELLO", 0, 0);
    SetColor(0, 0, 255);
    DrawText("WORLD", 0, 12);
    dev.EndRender();
    EXPECT_EQ(dev.CountOf(RecordedCall::Flush), 1);
    auto quads = dev.Quads();
    ASSERT_EQ(quads.size(), 10u);
    EXPECT_EQ(quads[0].color, PackColorBytes(255, 0, 0, 255));
    EXPECT_EQ(quads[9].color, PackColorBytes(0, 0, 255, 255));
    EXPECT_EQ(quads[0].surface, font->surface.get());
    delete font;
}

TEST_F(ImageTest, DefaultFontIsTheXPaddedStripFromTheDataFolder) {
    Png("data/nufo_font.png", 960, 12);
    const fs::path old = fs::current_path();
    fs::current_path(dir);
    SetFont(nullptr, 40);
    Image* font = GetFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Frames(), 96);
    EXPECT_EQ(font->Width(), 8);
    EXPECT_EQ(font->frames[1].x, 11);
    EXPECT_EQ(GetGraphicsContext().firstChar, 32);
    EXPECT_EQ(dev.CallsOf(RecordedCall::LoadSurface).back()->path,
              String("zorbit://data/nufo_font.png"));
    // The default font is loaded once and selected again on later calls.
    Image* mine = LoadImage("nufo_font.png", 96);
    SetFont(mine, 32);
    SetFont(nullptr, 32);
    EXPECT_EQ(GetFont(), font);
    EXPECT_EQ(dev.CountOf(RecordedCall::LoadSurface), 2);
    fs::current_path(old);
    delete mine;
}

TEST_F(ImageTest, MissingDefaultFontLeavesNoFontAndTextDrawsNothing) {
    const fs::path old = fs::current_path();
    fs::current_path(dir);
    SetFont(nullptr, 40);
    fs::current_path(old);
    EXPECT_EQ(GetFont(), nullptr);
    EXPECT_EQ(GetGraphicsContext().firstChar, 32);
    Frame();
    DrawText("AB", 0, 0);
    EXPECT_TRUE(dev.Calls().empty());
}

TEST_F(ImageTest, LoadedSurfacesArePremultipliedAndSizedFromTheFile) {
    const std::string path = (dir / "alpha.png").string();
    const unsigned char px[] = {255, 100, 50, 128, 10, 20, 30, 255};
    ASSERT_NE(stbi_write_png(path.c_str(), 2, 1, 4, px, 8), 0);
    Image* image = LoadImage(path);
    ASSERT_NE(image, nullptr);
    const gxtkSurface& s = *image->surface;
    EXPECT_EQ(s.width, 2);
    EXPECT_EQ(s.height, 1);
    EXPECT_EQ(s.depth, 4);
    EXPECT_EQ(s.uscale, 0.5f);
    const unsigned char want[] = {128, 50, 25, 128, 10, 20, 30, 255};
    EXPECT_EQ(std::vector<unsigned char>(s.pixels, s.pixels + 8),
              std::vector<unsigned char>(want, want + 8));
    delete image;
}

}  // namespace
