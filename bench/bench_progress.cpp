// The Progress screen with 10,000 progress rows (two years of school days,
// about 20 pictures a session): reading the file, summing it up, and the
// whole screen from the file to the charts and table drawn. Run on the
// offscreen platform:
//   QT_QPA_PLATFORM=offscreen build-bench/bench/bench_progress
// With PROGRESS_SAMPLE=<file> the generated rows are also written there
// (to look at the screen with them).

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

#include "menu/progress_screen.h"
#include "records/progress_log.h"
#include "records/progress_stats.h"

namespace {

constexpr int Rows = 10000;

// Rows as a user who grows quicker and steadier over two years would leave.
QByteArray SampleFile() {
  std::mt19937 random(7);
  QByteArray data = records::ProgressColumns().join(QLatin1Char(',')).toUtf8() + '\n';
  QDate day(2025, 1, 6);
  int written = 0;
  for (int session = 0; written < Rows; ++session) {
    while (day.dayOfWeek() > 5) day = day.addDays(1);
    const double progress = double(written) / Rows;
    const QDateTime start(day, QTime(10, 0));
    const int pictures = 15 + int(random() % 11);
    for (int k = 0; k < pictures && written < Rows; ++k, ++written) {
      records::ProgressRow r;
      r.session = start;
      r.started = start.addSecs(k * 150);
      r.user = QStringLiteral("Noa");
      r.list = QStringLiteral("1");
      r.picture = QStringLiteral("picture%1.bmp").arg(k % 12 + 1);
      r.scanType = 1;
      r.sections = 4 + int(random() % 12);
      r.finished = std::uniform_real_distribution<>(0, 1)(random) < 0.5 + 0.4 * progress;
      r.coloured = r.finished ? r.sections : int(random() % r.sections);
      r.skipped = !r.finished && random() % 2 == 0;
      r.pressesCounted = r.coloured + int(random() % 6);
      const double accidental = 0.35 - 0.25 * progress;
      r.pressesIgnored = int(r.pressesCounted * accidental * std::uniform_real_distribution<>(0.5, 1.5)(random));
      r.medianChoiceMs = r.coloured == 0 ? -1 : int(3200 - 1600 * progress + std::normal_distribution<>(0, 300)(random));
      r.cleared = int(random() % 3);
      data += records::FormatProgressRow(r) + '\n';
    }
    day = day.addDays(1);
  }
  return data;
}

struct Sample {
  Sample() {
    const QByteArray data = SampleFile();
    path = dir.filePath(QStringLiteral("progress.csv"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(data);
    const QString out = qEnvironmentVariable("PROGRESS_SAMPLE");
    QFile sample(out);
    if (!out.isEmpty() && sample.open(QIODevice::WriteOnly)) sample.write(data);
  }
  QTemporaryDir dir;
  QString path;
};
Sample& TheSample() {
  static Sample s;
  return s;
}

void BM_ReadProgressFile(benchmark::State& state) {
  for (auto _ : state) {
    const records::ProgressFile file = records::ReadProgressFile(TheSample().path);
    if (file.rows.size() != Rows) state.SkipWithError("rows lost");
  }
}
BENCHMARK(BM_ReadProgressFile)->Unit(benchmark::kMillisecond);

void BM_SumProgress(benchmark::State& state) {
  const auto rows = records::ReadProgressFile(TheSample().path).rows;
  const auto period = static_cast<records::Period>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(records::SumProgress(rows, period));
}
BENCHMARK(BM_SumProgress)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// From the file to the screen drawn: read, sum per session (the most
// points), build the charts and the table, lay out and paint.
void BM_ProgressScreenShown(benchmark::State& state) {
  QWidget top;
  top.resize(1024, 768);
  auto* screen = new menu::ProgressScreen(&top);
  screen->period_choice->setCurrentIndex(static_cast<int>(state.range(0)));
  top.show();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    screen->LoadFile(TheSample().path);
    screen->adjustSize();
    screen->repaint();
    QCoreApplication::processEvents();
  }
  state.counters["points"] = double(screen->Points().size());
}
BENCHMARK(BM_ProgressScreenShown)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
