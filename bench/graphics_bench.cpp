// Cost of our own drawing code per frame: the module, images, text and batching,
// on a device whose backend draws nothing.
#include <benchmark/benchmark.h>

#include <memory>

#include "framework/graphics/graphics.h"
#include "framework/graphics/image.h"

namespace {

// A 96-glyph font strip of 11 x 12 cells, without a file.
Image* MakeFont() {
    auto surface = std::make_shared<gxtkSurface>();
    surface->SetPixels(nullptr, 96 * 11, 12, 4);
    Image* font = new Image();
    font->surface = surface;
    font->width = 11;
    font->height = 12;
    for (int i = 0; i < 96; ++i) font->frames.push_back(Image::Frame{11 * i, 0});
    font->ApplyFlags(0);
    return font;
}

class NullGraphics : public gxtkGraphics {
public:
    NullGraphics() : gxtkGraphics(640, 475) {}
    int batches = 0;

protected:
    void DrawBatch(int, gxtkSurface*, const GraphicsVertex*, int) override { ++batches; }
};

// About what the tracker's screen draws: 34 lines of text, a few rectangles.
void BM_TextScreenFrame(benchmark::State& state) {
    ResetGraphicsModule();
    NullGraphics device;
    SetGraphicsDevice(&device);
    Image* font = MakeFont();
    SetFont(font, 32);
    const String line = "00: ---00 ---00 ---00 ---00";
    for (auto _ : state) {
        device.BeginRender();
        BeginRender();
        for (int row = 0; row < 34; ++row) {
            SetColor(row % 4 ? 148.0f : 123.33334f, 144, 164);
            DrawText(line, 0, static_cast<float>(12 * row));
        }
        SetColor(82, 72, 74);
        for (int i = 0; i < 8; ++i) DrawRect(static_cast<float>(i * 20), 100, 16, 12);
        EndRender();
        device.EndRender();
    }
    state.counters["batches/frame"] =
        benchmark::Counter(device.batches, benchmark::Counter::kAvgIterations);
    ResetGraphicsModule();
    delete font;
}
BENCHMARK(BM_TextScreenFrame);

void BM_ThreeHundredRects(benchmark::State& state) {
    NullGraphics device;
    for (auto _ : state) {
        device.BeginRender();
        for (int i = 0; i < 300; ++i) device.DrawRect(static_cast<float>(i), 0, 1, 1);
        device.EndRender();
    }
}
BENCHMARK(BM_ThreeHundredRects);

}  // namespace

BENCHMARK_MAIN();
