// The Gallery screen with 2,000 pictures (made once in a temporary working
// folder, four users): how long listing takes, how long until the first
// screenful of thumbnails is shown (without and with the thumbnail cache),
// and the longest pass of the event loop while scrolling through all of
// them, page by page (the user's "smoothness": each pass draws a frame);
// and how long keeping one picture holds the session up.
// Run under /usr/bin/time -v for the largest memory used.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "menu/gallery_screen.h"
#include "records/gallery_index.h"
#include "records/gallery_picture.h"

namespace {

constexpr int Pictures = 2000;

QString Working() {
  static QTemporaryDir dir;
  static bool made = false;
  if (!made) {
    made = true;
    QPainter paint;
    QImage image(400, 400, QImage::Format_RGB32);
    for (int i = 0; i < Pictures; ++i) {
      // Coloured quarters, so each PNG is like a real picture's size.
      image.fill(Qt::white);
      paint.begin(&image);
      for (int y = 0; y < 400; y += 50)
        for (int x = (y / 50) % 2 * 50; x < 400; x += 100) paint.fillRect(x, y, 50, 50, QColor(i % 255, 120, 255 - i % 255));
      paint.setPen(Qt::black);
      paint.drawEllipse(20 + i % 50, 30, 300, 300);
      paint.end();
      records::GalleryFields f;
      f.user = QStringLiteral("User %1").arg(i % 4);
      f.picture = QStringLiteral("picture%1.bmp").arg(i % 37);
      f.date = QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(i * 3600L);
      f.sections = 12;
      f.colours.assign(12, 1 + i % 10);
      const QString folder = QStringLiteral("%1/users/u%2/gallery").arg(dir.path()).arg(i % 4);
      if (!records::SaveGalleryPicture(folder, image, f).isEmpty()) std::abort();
    }
  }
  return dir.path();
}

// Until every row on the screen shows its thumbnail.
bool VisibleLoaded(menu::GalleryScreen& screen) {
  QListView* view = screen.picture_list;
  const QRect shown = view->viewport()->rect();
  for (int r = 0; r < screen.model()->rowCount(); ++r) {
    const QModelIndex i = screen.model()->index(r);
    const QRect at = view->visualRect(i);
    if (at.top() > shown.bottom()) break;
    if (at.intersects(shown) && !i.data(menu::GalleryModel::LoadedRole).toBool()) return false;
  }
  return true;
}

// Keeping one finished picture at the end of a picture: encoding the PNG
// and the verified write (fsync), which the session waits for.
void BM_SaveGalleryPicture(benchmark::State& state) {
  QTemporaryDir dir;
  QImage image(400, 400, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter paint(&image);
  paint.setBrush(QColor(255, 5, 5));
  paint.drawEllipse(40, 40, 300, 300);
  paint.end();
  records::GalleryFields f;
  f.picture = QStringLiteral("heart.bmp");
  f.date = QDateTime::currentDateTime();
  f.sections = 12;
  f.colours.assign(12, 1);
  for (auto _ : state) {
    f.date = f.date.addSecs(1);  // a new name each time, as pictures a second apart
    if (!records::SaveGalleryPicture(dir.path(), image, f).isEmpty()) state.SkipWithError("not saved");
  }
}
BENCHMARK(BM_SaveGalleryPicture)->Unit(benchmark::kMillisecond);

void BM_ListGallery(benchmark::State& state) {
  const QString working = Working();
  for (auto _ : state) benchmark::DoNotOptimize(records::ListGallery(working));
}
BENCHMARK(BM_ListGallery)->Unit(benchmark::kMillisecond);

// From the carer's press on "Gallery" to the first screenful of thumbnails.
void BM_FirstThumbnails(benchmark::State& state) {
  const bool cached = state.range(0) == 1;
  const QString working = Working();
  QTemporaryDir thumbs;
  if (cached) {  // a first look fills the cache
    menu::GalleryScreen warm(nullptr, thumbs.path());
    warm.resize(964, 708);
    warm.Fill(working);
    warm.show();
    while (!VisibleLoaded(warm)) QCoreApplication::processEvents();
  }
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir fresh;
    state.ResumeTiming();
    menu::GalleryScreen screen(nullptr, cached ? thumbs.path() : fresh.path());
    screen.resize(964, 708);  // as on a 1024 x 768 screen
    screen.Fill(working);
    screen.show();
    while (!VisibleLoaded(screen)) QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_FirstThumbnails)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// Scrolls from the first picture to the last, a page per frame, and reports
// the longest pass of the event loop (the longest frame) in "worst_pass_ms".
void BM_ScrollAll(benchmark::State& state) {
  const QString working = Working();
  QTemporaryDir thumbs;
  double worst = 0;
  for (auto _ : state) {
    menu::GalleryScreen screen(nullptr, thumbs.path());
    screen.resize(964, 708);
    screen.Fill(working);
    screen.show();
    QScrollBar* bar = screen.picture_list->verticalScrollBar();
    QCoreApplication::processEvents();
    while (bar->value() < bar->maximum()) {
      bar->setValue(bar->value() + bar->pageStep());
      QElapsedTimer pass;
      pass.start();
      QCoreApplication::processEvents();
      worst = std::max(worst, pass.nsecsElapsed() / 1e6);
    }
  }
  state.counters["worst_pass_ms"] = worst;
}
BENCHMARK(BM_ScrollAll)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
