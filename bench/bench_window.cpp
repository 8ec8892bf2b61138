// One animation step of the colouring window on the offscreen platform: a
// 150x44 tube moves one pixel, the old and new place are painted, and the
// pending window events run, as after every step of a sliding tube. The
// figure is the floor under any AnimationDelay; run with
// --benchmark_repetitions=N --benchmark_report_aggregates_only=true for the
// median.

#include <QApplication>
#include <benchmark/benchmark.h>

#include "pictures/mainform.h"
#include "platform/raster.h"

namespace {

void BM_AnimationStep(benchmark::State& state) {
  pictures::Mainform window;
  window.init_pictureboxes();
  window.PB1->SetPicture(platform::MakeSurface(400, 400));
  window.PB1->move(100, 100);
  window.PB1->show();
  platform::PictureBox* tube = window.pb_tube[1];
  tube->SetPicture(platform::MakeSurface(150, 44, qRgb(255, 0, 0)));
  tube->move(610, 100);
  tube->show();
  window.show();
  QCoreApplication::processEvents();

  int direction = -1;
  for (auto _ : state) {
    // Slide between the tube column and the picture's edge, like a tube does.
    if (tube->x() <= 500) direction = 1;
    if (tube->x() >= 610) direction = -1;
    window.MoveNow(tube, tube->x() + direction, tube->y());
    QCoreApplication::processEvents();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnimationStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
