// Timings of the raster work a colouring session does: the marker scan of a
// new picture, one flood-fill pass, and the fifty-pass fade of a section.

#include "pictures/section_scan.h"
#include "platform/raster.h"

#include <benchmark/benchmark.h>

namespace {

using platform::Brush;
using platform::BrushStyle;

const QRgb Black = qRgb(0, 0, 0);

// A 400x400 line drawing: a frame, a few lines and a small box in one corner,
// so one big section covers most of the picture; optionally with markers.
QImage Drawing(int markers) {
  QImage img = platform::MakeSurface(400, 400);
  platform::DrawRectangleOutline(img, QRect(0, 0, 400, 400), Black);
  platform::DrawRectangleOutline(img, QRect(20, 20, 60, 60), Black);
  platform::DrawLine(img, 100, 0, 0, 100, Black);         // cuts off a corner
  platform::DrawLine(img, 300, 399, 399, 300, Black);     // and another
  platform::DrawLine(img, 150, 150, 250, 250, Black);     // loose strokes inside
  platform::DrawLine(img, 250, 150, 150, 250, Black);
  for (int k = 0; k < markers; ++k)
    platform::SetPixel(img, 112 + 40 * (k % 5), 105 + 40 * (k / 5), Black);  // clear of every line
  return img;
}

void BM_ScanPicture25Markers(benchmark::State& state) {
  const QImage original = Drawing(25);
  for (auto _ : state) {
    state.PauseTiming();
    QImage img = original.copy();
    state.ResumeTiming();
    pictures::ScanResult r = pictures::ScanPicture(img, QStringLiteral("bench.jpg"));
    benchmark::DoNotOptimize(r);
    if (r.sectionCount != 25) state.SkipWithError("the drawing should hold 25 markers");
  }
}
BENCHMARK(BM_ScanPicture25Markers)->Unit(benchmark::kMicrosecond);

void BM_FloodFillPass(benchmark::State& state) {
  QImage img = Drawing(0);
  const Brush brush{qRgb(255, 0, 0), static_cast<BrushStyle>(state.range(0))};
  const Brush white{qRgb(255, 255, 255), BrushStyle::Solid};
  for (auto _ : state) {
    platform::FloodFill(img, 200, 300, Black, brush);
    state.PauseTiming();
    platform::FloodFill(img, 200, 300, Black, white);  // back to white for the next pass
    state.ResumeTiming();
  }
  state.counters["pixels"] =
      static_cast<double>(platform::FindFillRegion(img, 200, 300, Black).pixelCount());
}
BENCHMARK(BM_FloodFillPass)
    ->Arg(static_cast<int>(BrushStyle::Solid))
    ->Arg(static_cast<int>(BrushStyle::HS_DIAGCROSS))
    ->Unit(benchmark::kMicrosecond);

// The fade as the session runs it: fifty separate fills, each in a new colour.
void BM_FadeFiftyPasses(benchmark::State& state) {
  QImage img = Drawing(0);
  const Brush white{qRgb(255, 255, 255), BrushStyle::Solid};
  const auto style = static_cast<BrushStyle>(state.range(0));
  for (auto _ : state) {
    for (const QRgb c : platform::FadeColours(qRgb(255, 0, 0)))
      platform::FloodFill(img, 200, 300, Black, Brush{c, style});
    state.PauseTiming();
    platform::FloodFill(img, 200, 300, Black, white);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FadeFiftyPasses)
    ->Arg(static_cast<int>(BrushStyle::Solid))
    ->Arg(static_cast<int>(BrushStyle::HS_DIAGCROSS))
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
