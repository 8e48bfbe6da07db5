// Batching, packed colour, surfaces and the module's drawing state, checked
// through the recording device.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>

#include "framework/graphics/graphics.h"
#include "framework/graphics/recording_graphics.h"

namespace {

class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGraphicsModule();
        SetGraphicsDevice(&dev);
        BeginFrame();
    }
    void TearDown() override {
        if (GetRenderDevice()) EndFrame();
        ResetGraphicsModule();
    }
    void BeginFrame() {
        dev.BeginRender();
        BeginRender();
    }
    void EndFrame() {
        EndRender();
        dev.EndRender();
    }
    std::vector<const RecordedCall*> Flushes() const { return dev.CallsOf(RecordedCall::Flush); }

    // A surface of the given size without a file (pixels are not needed here).
    static std::unique_ptr<gxtkSurface> Surface(int w, int h) {
        auto s = std::make_unique<gxtkSurface>();
        s->SetPixels(nullptr, w, h, 4);
        return s;
    }

    RecordingGraphics dev;
};

TEST_F(GraphicsTest, ThreeHundredRectanglesGoOutAsBatchesOf256And44) {
    for (int i = 0; i < 300; ++i) {
        SetColor(static_cast<float>(i % 256), 0, 0);  // colour changes don't break a batch
        DrawRect(static_cast<float>(i), 0, 1, 1);
    }
    EndFrame();
    auto flushes = Flushes();
    ASSERT_EQ(flushes.size(), 2u);
    EXPECT_EQ(flushes[0]->kind, gxtkGraphics::kQuads);
    EXPECT_EQ(flushes[0]->vertices.size(), 1024u);
    EXPECT_EQ(flushes[1]->vertices.size(), 176u);
    EXPECT_EQ(flushes[1]->surface, nullptr);
    // The rectangles are still in drawing order across the split.
    auto quads = dev.Quads();
    ASSERT_EQ(quads.size(), 300u);
    for (int i = 0; i < 300; ++i) EXPECT_EQ(quads[i].x0, static_cast<float>(i));
    EXPECT_EQ(UnpackColor(quads[299].color).r, 299 % 256);
}

TEST_F(GraphicsTest, SwitchingSurfacesBlendOrScissorBreaksTheBatch) {
    auto a = Surface(16, 16), b = Surface(8, 8);
    dev.DrawSurface(a.get(), 0, 0);
    dev.DrawSurface(b.get(), 10, 0);
    dev.DrawSurface(a.get(), 20, 0);
    dev.DrawSurface(a.get(), 30, 0);
    DrawRect(40, 0, 1, 1);
    DrawRect(50, 0, 1, 1);
    SetBlend(1);
    DrawRect(60, 0, 1, 1);
    SetScissor(0, 0, 10, 10);
    DrawRect(70, 0, 1, 1);
    EndFrame();
    auto flushes = Flushes();
    ASSERT_EQ(flushes.size(), 6u);
    const gxtkSurface* surfaces[] = {a.get(), b.get(), a.get(), nullptr, nullptr, nullptr};
    const size_t counts[] = {4, 4, 8, 8, 4, 4};
    for (size_t i = 0; i < flushes.size(); ++i) {
        EXPECT_EQ(flushes[i]->surface, surfaces[i]) << i;
        EXPECT_EQ(flushes[i]->vertices.size(), counts[i]) << i;
    }
    // Drawing order survives the splits.
    auto quads = dev.Quads();
    ASSERT_EQ(quads.size(), 8u);
    for (size_t i = 0; i < quads.size(); ++i) EXPECT_EQ(quads[i].x0, 10.0f * i);
}

TEST_F(GraphicsTest, QuadIndexBufferHasTwoTrianglesPerQuad) {
    const uint16_t* q = dev.QuadIndices();
    const uint16_t first[] = {0, 1, 2, 0, 2, 3};
    const uint16_t last[] = {1020, 1021, 1022, 1020, 1022, 1023};
    EXPECT_EQ(std::memcmp(q, first, sizeof first), 0);
    EXPECT_EQ(std::memcmp(q + 255 * 6, last, sizeof last), 0);
}

TEST_F(GraphicsTest, PackedColourBytesArePremultipliedAndSaturate) {
    struct Case {
        float r, g, b, a;
        int R, G, B, A;
    } cases[] = {
        {255, 0, 0, 1, 255, 0, 0, 255},
        {255, 255, 255, 0.5f, 127, 127, 127, 127},
        {171.6f, 37.2f, 104.4f, 1, 171, 37, 104, 255},
        {123.33334f, 120, 136.66667f, 1, 123, 120, 136, 255},
        {200, 100, 50, 0, 0, 0, 0, 0},
        // Out of range: each byte saturates instead of spilling into its neighbour.
        {300, -5, 128, 1, 255, 0, 128, 255},
        {100, 100, 100, 2, 200, 200, 200, 255},
        {100, 100, 100, -1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SetColor(c.r, c.g, c.b);
        SetAlpha(c.a);
        DrawRect(0, 0, 1, 1);
        const ColorBytes got = UnpackColor(dev.Vertices()[dev.VertexCount() - 1].color);
        EXPECT_EQ(got.r, c.R) << c.r << "," << c.g << "," << c.b << " a" << c.a;
        EXPECT_EQ(got.g, c.G) << c.r << "," << c.g << "," << c.b << " a" << c.a;
        EXPECT_EQ(got.b, c.B) << c.r << "," << c.g << "," << c.b << " a" << c.a;
        EXPECT_EQ(got.a, c.A) << c.r << "," << c.g << "," << c.b << " a" << c.a;
    }
    // Memory order is R, G, B, A whatever the machine's byte order.
    const uint32_t packed = PackColorBytes(1, 2, 3, 4);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&packed);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[3], 4);
}

TEST(Premultiply, ColourBytesAreScaledByAlphaOnlyWhereThereIsAlpha) {
    unsigned char rgba[] = {255, 128, 10, 128, 200, 200, 200, 255, 255, 255, 255, 0};
    PremultiplyPixels(rgba, 3, 4);
    const unsigned char rgbaWant[] = {128, 64, 5, 128, 200, 200, 200, 255, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(rgba, rgbaWant, sizeof rgba), 0);

    unsigned char ga[] = {255, 128, 77, 0};
    PremultiplyPixels(ga, 2, 2);
    const unsigned char gaWant[] = {128, 128, 0, 0};
    EXPECT_EQ(std::memcmp(ga, gaWant, sizeof ga), 0);

    unsigned char rgb[] = {255, 128, 1};
    PremultiplyPixels(rgb, 1, 3);
    EXPECT_EQ(rgb[0], 255);
    EXPECT_EQ(rgb[2], 1);
}

TEST_F(GraphicsTest, DrawSurface2WithNegativeHeightDrawsUpwardsTheRightWayUp) {
    auto s = Surface(16, 64);
    dev.DrawSurface2(s.get(), 100, 348, 0, 64, 16, -20);
    const GraphicsVertex* v = dev.Vertices();
    ASSERT_EQ(dev.VertexCount(), 4);
    // Corners (x,y), (x+w,y), (x+w,y+h), (x,y+h).
    EXPECT_EQ(v[0].x, 100);
    EXPECT_EQ(v[0].y, 348);
    EXPECT_EQ(v[2].x, 116);
    EXPECT_EQ(v[2].y, 328);
    // The base line shows source row 64, the top edge row 44: upright.
    EXPECT_FLOAT_EQ(v[0].v, 64.0f / 64);
    EXPECT_FLOAT_EQ(v[2].v, 44.0f / 64);
    EXPECT_FLOAT_EQ(v[0].u, 0);
    EXPECT_FLOAT_EQ(v[1].u, 1);
    EXPECT_EQ(s->uscale, 1.0f / 16);
}

TEST_F(GraphicsTest, DrawSurfaceUsesTheWholeSurface) {
    auto s = Surface(100, 30);
    dev.DrawSurface(s.get(), 5, 6);
    const GraphicsVertex* v = dev.Vertices();
    EXPECT_EQ(v[2].x, 105);
    EXPECT_EQ(v[2].y, 36);
    EXPECT_FLOAT_EQ(v[2].u, 1);
    EXPECT_FLOAT_EQ(v[2].v, 1);
    EXPECT_EQ(dev.PrimitiveSurface(), s.get());
}

TEST_F(GraphicsTest, MatrixFunctionsComposeWithTheGivenMatrixAppliedFirst) {
    Translate(100, 50);
    Scale(2, 3);
    float m[6];
    GetMatrix(m);
    const float want[6] = {2, 0, 0, 3, 100, 50};
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(m[i], want[i]) << i;
    EXPECT_EQ(GetGraphicsContext().tformed, 1);

    DrawRect(1, 1, 4, 2);
    const GraphicsVertex* v = dev.Vertices();
    EXPECT_FLOAT_EQ(v[0].x, 102);
    EXPECT_FLOAT_EQ(v[0].y, 53);
    EXPECT_FLOAT_EQ(v[2].x, 110);
    EXPECT_FLOAT_EQ(v[2].y, 59);
    // The matrix was handed over once, and only because it was dirty.
    DrawRect(0, 0, 1, 1);
    EXPECT_EQ(dev.CountOf(RecordedCall::SetMatrix), 1);

    PushMatrix();
    Rotate(90);
    GetMatrix(m);
    // Rotate(90) = Transform(0, -1, 1, 0): (1, 0) goes to (0, -1) before the scale.
    EXPECT_NEAR(m[0], 0, 1e-6);
    EXPECT_NEAR(m[1], -3, 1e-6);
    EXPECT_NEAR(m[2], 2, 1e-6);
    EXPECT_NEAR(m[3], 0, 1e-6);
    EXPECT_FLOAT_EQ(m[4], 100);
    PopMatrix();
    GetMatrix(m);
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(m[i], want[i]) << i;

    SetMatrix(1, 0, 0, 1, 0, 0);
    EXPECT_EQ(GetGraphicsContext().tformed, 0);
    DrawRect(7, 8, 1, 1);
    EXPECT_FALSE(dev.Transformed());
    EXPECT_EQ(dev.Vertices()[dev.VertexCount() - 4].x, 7);
}

TEST_F(GraphicsTest, MatrixStackOverflowAndUnderflowAreRuntimeErrors) {
    // Runtime errors are printed on standard output; the death test reads stderr.
    EXPECT_EXIT(
        {
            dup2(2, 1);
            PopMatrix();
        },
        ::testing::ExitedWithCode(255), "Zorbit Runtime Error : Matrix stack underflow");
    EXPECT_EXIT(
        {
            dup2(2, 1);
            for (int i = 0; i < 33; ++i) PushMatrix();
        },
        ::testing::ExitedWithCode(255), "Zorbit Runtime Error : Matrix stack overflow");
    for (int i = 0; i < 32; ++i) PushMatrix();  // 32 deep is fine
    for (int i = 0; i < 32; ++i) PopMatrix();
    EXPECT_EQ(GetGraphicsContext().matrixSp, 0);
}

TEST_F(GraphicsTest, EveryFrameStartsWhiteOpaqueUnblendedUntransformedAndUnclipped) {
    SetColor(10, 20, 30);
    SetAlpha(0.25f);
    SetBlend(1);
    SetScissor(10, 10, 20, 20);
    Translate(5, 5);
    PushMatrix();
    EndFrame();
    dev.Clear();

    BeginFrame();
    const GraphicsContext& c = GetGraphicsContext();
    EXPECT_EQ(c.matrixSp, 0);
    EXPECT_EQ(c.tformed, 0);
    EXPECT_EQ(c.alpha, 1);
    EXPECT_EQ(c.blend, 0);
    EXPECT_EQ(dev.Red(), 255);
    EXPECT_EQ(dev.Alpha(), 1);
    EXPECT_EQ(dev.PackedColor(), PackColorBytes(255, 255, 255, 255));
    // Each setter reaches the device once, and a colour is no alpha call.
    EXPECT_EQ(dev.CountOf(RecordedCall::SetColor), 1);
    EXPECT_EQ(dev.CountOf(RecordedCall::SetAlpha), 1);
    auto blend = dev.CallsOf(RecordedCall::SetBlend);
    ASSERT_EQ(blend.size(), 1u);
    EXPECT_EQ(blend[0]->i[0], 0);
    auto scissor = dev.CallsOf(RecordedCall::SetScissor);
    ASSERT_EQ(scissor.size(), 1u);
    EXPECT_EQ(scissor[0]->i[2], 640);
    EXPECT_EQ(scissor[0]->i[3], 475);
    DrawRect(3, 4, 1, 1);
    EXPECT_EQ(dev.Vertices()[0].x, 3);
    EXPECT_FALSE(dev.Transformed());
}

TEST_F(GraphicsTest, ScissorIsRoundedToWholePixels) {
    SetScissor(10.4f, 20.6f, 100.5f, 50.2f);
    auto s = dev.CallsOf(RecordedCall::SetScissor).back();
    EXPECT_EQ(s->i[0], 10);
    EXPECT_EQ(s->i[1], 21);
    EXPECT_EQ(s->i[2], 101);
    EXPECT_EQ(s->i[3], 50);
    EXPECT_FLOAT_EQ(GetGraphicsContext().scissor_x, 10.4f);
}

TEST_F(GraphicsTest, NothingReachesADeviceOutsideAFrame) {
    EndFrame();
    dev.Clear();
    SetColor(1, 2, 3);
    DrawRect(0, 0, 5, 5);
    EXPECT_TRUE(dev.Calls().empty());
    EXPECT_EQ(GetGraphicsContext().color_r, 1);  // still stored for the context
    SetGraphicsDevice(nullptr);
    BeginRender();  // no device: nothing to draw on, and no crash
    DrawRect(0, 0, 5, 5);
    EndRender();
    EXPECT_EQ(DeviceWidth(), 0);
    EXPECT_TRUE(dev.Calls().empty());
}

TEST_F(GraphicsTest, ClsDropsPendingVertices) {
    DrawRect(0, 0, 1, 1);
    dev.Cls(0, 0, 0);
    DrawRect(0, 0, 1, 1);
    EndFrame();
    auto flushes = Flushes();
    ASSERT_EQ(flushes.size(), 1u);
    EXPECT_EQ(flushes[0]->vertices.size(), 4u);
}

}  // namespace
