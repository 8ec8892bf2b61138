// What the colouring session costs on this machine: one animation step at
// AnimationDelay 1, one fade of a section, and the processor time a tube
// takes while it waits in the Scan Position (the wait polls without pause).
//
//   cmake -S . -B build -DBRUSHWELL_BENCHMARKS=ON
//   cmake --build build --target bench_session
//   QT_QPA_PLATFORM=offscreen build/bench/bench_session
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_session   (a real X server)
//
// It runs the session's own steps on a real colouring window, in the program
// folder next to the bench folder (or BRUSHWELL_PROGRAM_DIR).

#include <QApplication>
#include <QDir>
#include <QTime>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "input/input_flags.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/qt_host.h"
#include "session/picture_run.h"
#include "settings/settings_record.h"

namespace {

using Clock = std::chrono::steady_clock;

class BenchHost : public platform::Host {
public:
  void processEvents() override {
    QApplication::processEvents(QEventLoop::AllEvents);
    if (everyPass) everyPass();
  }
  double secondsOfDay() override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
  double monotonicSeconds() override {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }
  void messageBox(const QString& text, platform::MessageIcon, const QString&) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  [[noreturn]] void endProgram(int exitCode) override { std::exit(exitCode); }
  QString startEditor(const QString&) override { return {}; }
  platform::PrintOutcome printImage(const QImage&) override { return {}; }
  void waitForInput(double deadline) override { real.waitForInput(deadline); }  // the program's own wait
  std::function<void()> everyPass;
  platform::QtHost real;
};

BenchHost* host = nullptr;

// A colouring window set up for the picture apple.bmp with three tubes.
struct Session {
  pictures::Mainform window;
  session::PictureRun run{window};
  bool ready = false;
  Session() {
    auto& s = settings::SettingsRecord;
    s = settings::DefaultSettings();
    s.AnimationDelay = 1;
    s.SoundOption = 3;
    s.FeedbackOption = 3;
    s.ScanType = 1;
    s.ScanSeconds = 3;
    s.ColorEnabled.fill(0);
    for (int c : {1, 3, 10}) s.ColorEnabled[c] = 1;
    pictures::ColorPickList = {0, 1, 3, 10, 0, 0, 0, 0, 0, 0, 0};
    pictures::FillSessionTables();
    pictures::PictureName = QStringLiteral("apple.bmp");
    window.init_pictureboxes();
    window.show();
    ready = session::SetUpPicture(run);
    pictures::CurrentSection = 1;
    run.ScanTube = 1;
  }
  int scanLeft() const { return window.PB1->x() + window.PB1->width(); }
};

// Never destroyed: its widgets must not outlive the application object.
Session& TheSession() {
  static Session* s = new Session;
  return *s;
}

// One tube slides out and back: 220 one-pixel steps, each a move painted at
// once, killtime(1) and one pass of events.
void BM_AnimationStep(benchmark::State& state) {
  Session& s = TheSession();
  if (!s.ready) return state.SkipWithError("set-up failed (program folder?)");
  host->everyPass = nullptr;
  long long steps = 0;
  for (auto _ : state) {
    const int home = s.window.pb_tube[1]->x();
    session::SlideTubeOut(s.run, 1);
    session::SlideTubeHome(s.run, 1);
    steps += 2LL * (home - s.scanLeft());
  }
  // items_per_second is animation steps per second.
  state.SetItemsProcessed(steps);
}
BENCHMARK(BM_AnimationStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// The fade of section 1 inside a whole painting: timed from the first pass
// after the stripe has gone to the last pass before the tube moves home.
void BM_Fade(benchmark::State& state) {
  Session& s = TheSession();
  if (!s.ready) return state.SkipWithError("set-up failed (program folder?)");
  for (auto _ : state) {
    pictures::CurrentSection = 1;
    session::SlideTubeOut(s.run, 1);
    Clock::time_point first{}, last{};
    bool stripeSeen = false;
    host->everyPass = [&] {
      const bool tubeOut = s.window.pb_tube[1]->x() == s.scanLeft();
      if (s.window.pb3->isVisible()) stripeSeen = true;
      if (stripeSeen && !s.window.pb3->isVisible() && tubeOut) {
        last = Clock::now();
        if (first == Clock::time_point{}) first = last;
      }
    };
    session::PaintSection(s.run);
    host->everyPass = nullptr;
    // 50 passes were timed from the first to the last: add one pass's share.
    const double seconds = std::chrono::duration<double>(last - first).count() * 50.0 / 49.0;
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_Fade)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// Processor time while a tube waits in the Scan Position for 2 seconds.
void BM_DwellCpu(benchmark::State& state) {
  Session& s = TheSession();
  if (!s.ready) return state.SkipWithError("set-up failed (program folder?)");
  double cpuShare = 0;
  long long passes = 0;
  for (auto _ : state) {
    s.window.ExitRequested = 0;
    Clock::time_point arrived{};
    rusage before{};
    passes = 0;
    host->everyPass = [&] {
      if (s.window.pb_tube[1]->x() != s.scanLeft() || s.window.pb3->isVisible()) return;
      if (arrived == Clock::time_point{}) {
        arrived = Clock::now();
        getrusage(RUSAGE_SELF, &before);
        return;
      }
      ++passes;
      const double waited = std::chrono::duration<double>(Clock::now() - arrived).count();
      if (waited >= 2.0) {
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        auto secs = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
        const double cpu = secs(after.ru_utime) - secs(before.ru_utime) + secs(after.ru_stime) - secs(before.ru_stime);
        cpuShare = cpu / waited;
        s.window.ExitRequested = 1;
      }
    };
    pictures::CurrentSection = 1;
    session::ChooseTube(s.run);
    host->everyPass = nullptr;
    s.window.ExitRequested = 0;
    session::SlideTubeHome(s.run, 1);
  }
  state.counters["cpu_percent"] = cpuShare * 100;
  state.counters["passes_per_s"] = passes / 2.0;
}
BENCHMARK(BM_DwellCpu)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QString folder = qEnvironmentVariable("BRUSHWELL_PROGRAM_DIR");
  if (folder.isEmpty()) folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../Brushwell");
  if (!QDir::setCurrent(folder)) {
    std::fprintf(stderr, "The program folder %s is missing; set BRUSHWELL_PROGRAM_DIR.\n", qPrintable(folder));
    return 1;
  }
  BenchHost h;
  host = &h;
  platform::installHost(&h);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  platform::installHost(nullptr);
  return 0;
}
