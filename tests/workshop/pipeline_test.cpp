// The workshop's image pipeline on small drawn fixtures: gaps, thin lines,
// the letterbox, small regions, marker places, the colouring order, traced
// photos, and files that cannot be used.

#include "image_pipeline.h"
#include "picture_design.h"
#include "region_edit.h"
#include "support/files.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace workshop;

namespace {

// A white page with black 1-pixel shapes drawn by `draw`.
template <typename F>
QImage Page(int w, int h, F draw) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setPen(QPen(Qt::black, 1));
  draw(p);
  return img;
}

Design Analysed(const QImage& drawing, DrawingOptions options = {}) {
  return AnalyseLines(CleanDrawing(drawing, options).lines);
}

}  // namespace

TEST(WorkshopPipeline, AGapInAnOutlineIsClosedAndThinLinesBecomeTwoPixels) {
  // +-----------+
  // |           |
  // |-----  ----|   a 3-pixel gap in the dividing line
  // |           |
  // +-----------+
  const QImage drawing = Page(400, 400, [](QPainter& p) {
    p.drawRect(50, 50, 300, 300);
    p.drawLine(50, 200, 198, 200);
    p.drawLine(202, 200, 350, 200);
  });
  EXPECT_EQ(Analysed(drawing, {160, 0}).Order().size(), 1u);  // left open, the halves are one section
  const Design closed = Analysed(drawing, {160, 2});
  EXPECT_EQ(closed.Order().size(), 2u);
  // Every outline is at least two pixels thick across and down.
  const QImage& lines = closed.lines;
  for (int x = 50; x <= 350; x += 25) {
    int run = 0;
    for (int y = 190; y <= 210; ++y) run += qGray(lines.pixel(x, y)) == 0;
    EXPECT_GE(run, 2) << "at x=" << x;
  }
  for (int y = 60; y <= 340; y += 40) {
    int run = 0;
    for (int x = 40; x <= 60; ++x) run += qGray(lines.pixel(x, y)) == 0;
    EXPECT_GE(run, 2) << "at y=" << y;
  }
  // And Brushwell's own scan and fill agree with the design.
  EXPECT_EQ(CheckWithProgram(ComposePicture(closed), closed, QStringLiteral("t.bmp")).toStdString(), "");
}

TEST(WorkshopPipeline, AWideDrawingIsLetterboxedNotStretched) {
  const QImage drawing = Page(800, 400, [](QPainter& p) { p.drawEllipse(QPoint(400, 200), 150, 150); });
  const Design d = Analysed(drawing);
  ASSERT_EQ(d.Order().size(), 1u);
  const QRect b = d.regions[d.Order()[0]].bounds;
  EXPECT_NEAR(b.width(), b.height(), 3);  // still round
  EXPECT_NEAR(b.center().x(), 200, 3);
  EXPECT_NEAR(b.center().y(), 200, 3);
  EXPECT_NEAR(b.width(), 150 * 392 / 800 * 2, 8);

  // An SVG drawing is drawn at a working size, not at its nominal one.
  testing_support::TempProgramFolder folder;
  testing_support::WriteFile(folder.file(QStringLiteral("ring.svg")),
                             "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                             "<ellipse cx='20' cy='10' rx='15' ry='8' fill='none' stroke='black'/></svg>");
  const SourceImage svg = LoadSourceImage(folder.file(QStringLiteral("ring.svg")));
  ASSERT_EQ(svg.problem, QString());
  EXPECT_EQ(svg.image.size(), QSize(1600, 800));
  EXPECT_EQ(Analysed(svg.image).Order().size(), 1u);
}

TEST(WorkshopPipeline, ATinyRegionIsFoundAndMergedOrDropped) {
  // A large box holding a 16 x 16 box: too small to point at.
  const QImage drawing = Page(400, 400, [](QPainter& p) {
    p.drawRect(40, 40, 320, 320);
    p.drawRect(190, 190, 16, 16);
  });
  const Design d = Analysed(drawing);
  ASSERT_EQ(d.SmallCount(), 1);
  EXPECT_EQ(d.Order().size(), 1u);
  const int tiny = d.RegionAt(198, 198);
  ASSERT_GE(tiny, 0);
  EXPECT_TRUE(d.regions[tiny].small);
  EXPECT_FALSE(d.regions[tiny].marker);
  EXPECT_TRUE(RenderPreview(d).pixel(198, 198) == qRgb(235, 40, 40));  // shown in red

  // Wholly inside the big box, it would vanish if joined to it: that is
  // left for the carer, who may join the two by hand.
  const TidyResult tidied = MergeSmallRegions(d);
  EXPECT_EQ(tidied.left, 1);
  EXPECT_EQ(tidied.design.SmallCount(), 1);
  const auto merged = JoinRegions(d, tiny, d.Order()[0]);
  ASSERT_TRUE(merged);
  EXPECT_EQ(merged->SmallCount(), 0);
  ASSERT_EQ(merged->Order().size(), 1u);
  EXPECT_EQ(merged->RegionAt(198, 198), merged->Order()[0]);  // part of the big section now
  EXPECT_EQ(merged->regions[merged->Order()[0]].marker, d.regions[d.Order()[0]].marker);

  const Design dropped = DropSmallRegions(d);
  EXPECT_EQ(dropped.SmallCount(), 0);
  EXPECT_TRUE(dropped.regions[dropped.RegionAt(198, 198)].leftWhite);  // white, not painted over
  EXPECT_EQ(dropped.Order().size(), 1u);
}

TEST(WorkshopPipeline, MergingNeverOpensTheOutlineOfAThirdRegion) {
  // A small box against the line where two large boxes meet:
  // +--------+--------+
  // |     +--+        |
  // |     |s |        |   s touches both; merged into one of them, the
  // |     +--+        |   two large boxes must stay apart.
  // +--------+--------+
  const QImage drawing = Page(400, 400, [](QPainter& p) {
    p.drawRect(40, 100, 320, 200);
    p.drawLine(200, 100, 200, 300);
    p.drawRect(182, 190, 18, 20);
  });
  const Design d = Analysed(drawing, {160, 0});
  ASSERT_EQ(d.Order().size(), 2u);
  const int small = d.RegionAt(195, 200);
  ASSERT_TRUE(small >= 0 && d.regions[small].small);
  const auto merged = MergeRegion(d, small);
  ASSERT_TRUE(merged);
  EXPECT_EQ(merged->Order().size(), 2u);
  EXPECT_NE(merged->RegionAt(100, 200), merged->RegionAt(300, 200));
  EXPECT_EQ(merged->SmallCount(), 0);
}

TEST(WorkshopPipeline, TheMarkerLeavesRoomForThePointerAboveIt) {
  // A band along the top: its most interior point would be at y = 40.
  const QImage drawing = Page(400, 400, [](QPainter& p) { p.drawRect(20, 10, 360, 60); });
  const Design d = Analysed(drawing);
  ASSERT_EQ(d.Order().size(), 1u);
  const Region& r = d.regions[d.Order()[0]];
  EXPECT_GE(r.marker->y, 48);
  EXPECT_FALSE(r.pointerClipped);
  EXPECT_TRUE(MarkerFits(d, d.Order()[0], r.marker->x, r.marker->y));

  // A section may cover most of the picture: that is no leak.
  const Design big = Analysed(Page(400, 400, [](QPainter& p) { p.drawRect(10, 60, 380, 330); }));
  EXPECT_EQ(CheckWithProgram(ComposePicture(big), big, QStringLiteral("big.bmp")), QString());
}

TEST(WorkshopPipeline, TheColouringOrderFollowsTheMarkersAndCanBeChangedWhereGeometryAllows) {
  // A tall box on the left, a box to its right, a wide box below both:
  // the wide one can come first, second or last; the right box never before the left one.
  const QImage drawing = Page(400, 400, [](QPainter& p) {
    p.drawRect(60, 60, 120, 160);
    p.drawRect(220, 60, 120, 160);
    p.drawRect(60, 260, 280, 100);
  });
  const Design d = Analysed(drawing);
  const std::vector<int> order = d.Order();
  ASSERT_EQ(order.size(), 3u);
  const int left = d.RegionAt(100, 100), right = d.RegionAt(300, 100), wide = d.RegionAt(200, 300);
  const std::vector<int> wanted{wide, left, right};
  const auto arranged = ArrangeOrder(d, wanted);
  ASSERT_TRUE(arranged);
  EXPECT_EQ(arranged->Order(), wanted);
  // The program's own scan finds them in that order.
  QImage picture = ComposePicture(*arranged);
  EXPECT_EQ(CheckWithProgram(picture, *arranged, QStringLiteral("t.bmp")), QString());

  QString problem;
  EXPECT_FALSE(ArrangeOrder(d, {right, left, wide}, &problem));
  EXPECT_TRUE(problem.contains(QStringLiteral("left to right")));

  // A marker moved by hand changes the order the same way.
  const auto moved = MoveMarker(d, 330, 330);
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->Order().back(), wide);
  EXPECT_FALSE(MoveMarker(d, 60, 100));  // on an outline
}

TEST(WorkshopPipeline, ATracedPhotoGivesAColourablePicture) {
  // A "photo": sky, lawn, an orange cat-like body with a head, sun; noisy.
  QImage photo(480, 360, QImage::Format_RGB32);
  {
    QPainter p(&photo);
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(120, 180, 230));
    sky.setColorAt(1, QColor(215, 235, 248));
    p.fillRect(0, 0, 480, 230, sky);
    p.fillRect(0, 230, 480, 130, QColor(70, 135, 45));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 145, 40));
    p.drawEllipse(QPoint(230, 230), 95, 60);
    p.drawEllipse(QPoint(310, 150), 38, 38);
    p.setBrush(QColor(255, 215, 0));
    p.drawEllipse(QPoint(420, 55), 28, 28);
  }
  QRandomGenerator noise(7);
  for (int y = 0; y < photo.height(); ++y)
    for (int x = 0; x < photo.width(); ++x) {
      const QRgb c = photo.pixel(x, y);
      const int n = noise.bounded(-25, 26);
      photo.setPixel(x, y, qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255), std::clamp(qBlue(c) + n, 0, 255)));
    }
  EXPECT_TRUE(LooksLikePhoto(photo));
  for (int detail : {1, 5, 10}) {
    const Design d = AnalyseLines(TracePhoto(photo, detail));
    const size_t sections = d.Order().size();
    EXPECT_GE(sections, 3u) << "detail " << detail;
    EXPECT_LE(sections, 25u) << "detail " << detail;
    EXPECT_EQ(CheckWithProgram(ComposePicture(d), d, QStringLiteral("cat.bmp")), QString()) << "detail " << detail;
  }
}

TEST(WorkshopPipeline, FilesThatCannotBeUsedAreRefusedWithAReason) {
  testing_support::TempProgramFolder folder;
  testing_support::WriteFile(folder.file(QStringLiteral("garbage.png")), QByteArray("not a picture at all", 20));
  // A BMP whose header promises more pixels than the file holds.
  QImage small(64, 64, QImage::Format_RGB32);
  small.fill(Qt::white);
  ASSERT_TRUE(small.save(folder.file(QStringLiteral("whole.bmp")), "BMP"));
  testing_support::WriteFile(folder.file(QStringLiteral("cut.bmp")),
                             testing_support::ReadFile(folder.file(QStringLiteral("whole.bmp"))).left(200));
  testing_support::WriteFile(folder.file(QStringLiteral("empty.jpg")), QByteArray());
  for (const char* name : {"missing.png", "garbage.png", "cut.bmp", "empty.jpg"}) {
    const SourceImage s = LoadSourceImage(folder.file(QString::fromLatin1(name)));
    EXPECT_TRUE(s.image.isNull()) << name;
    EXPECT_TRUE(s.problem.contains(QString::fromLatin1(name))) << name << ": " << s.problem.toStdString();
  }
  EXPECT_TRUE(LoadSourceImage(folder.file(QStringLiteral("whole.bmp"))).problem.isEmpty());
  // Larger than a picture may be, as photos are: opened at a working size.
  QImage wide(4800, 60, QImage::Format_RGB32);
  wide.fill(Qt::gray);
  ASSERT_TRUE(wide.save(folder.file(QStringLiteral("wide.png"))));
  const SourceImage photo = LoadSourceImage(folder.file(QStringLiteral("wide.png")));
  EXPECT_EQ(photo.problem, QString());
  EXPECT_EQ(photo.original, QSize(4800, 60));
  EXPECT_EQ(photo.image.size(), QSize(1600, 20));
  // An empty page gives no section, and nothing that would crash later.
  const Design blank = AnalyseLines(CleanDrawing(small, {}).lines);
  EXPECT_TRUE(blank.Order().empty());
  EXPECT_FALSE(Remarks(blank).isEmpty());
}
