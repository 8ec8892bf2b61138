// The picture scan (size check, marker dots, the two refusals and their exact
// messages) and the section file (format, damaged files).

#include "pictures/section_scan.h"
#include "platform/raster.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <utility>

using namespace pictures;
using namespace platform;
using namespace testing_support;

namespace {

const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255);

// A white 400x400 picture with a black frame line and the given dots.
QImage Picture(std::initializer_list<std::pair<int, int>> dots = {}) {
  QImage img = MakeSurface(400, 400);
  DrawRectangleOutline(img, QRect(0, 0, 400, 400), Black);
  for (const auto& [x, y] : dots) SetPixel(img, x, y, Black);
  return img;
}

// n markers on a grid, spaced so that none touch, in the scan's order.
std::vector<Seed> Grid(int n) {
  std::vector<Seed> seeds;
  for (int k = 0; k < n; ++k) seeds.push_back({5 + 3 * (k / 120), 5 + 3 * (k % 120)});
  return seeds;
}

QImage GridPicture(int n) {
  QImage img = Picture();
  for (const Seed& s : Grid(n)) SetPixel(img, s.x, s.y, Black);
  return img;
}

}  // namespace

// ---------------------------------------------------------------- scan

TEST(ScanPicture, AcceptsOneToTwentyFiveMarkersOnFourHundredSquarePictures) {
  const QString size = QStringLiteral("The width & height of a picture file must be 400 by 400 pixels.\n"
                                      "The dimensions for %1  is %2 by %3.\n"
                                      "Please check %1 for accuracy");
  const QString count = QStringLiteral("The number of sections to color must be between 1 and 25. \n"
                                       "The number of sections found in %1 to color is %2.\n"
                                       "Please check %1 for accuracy");
  QImage wide = MakeSurface(401, 400);
  SetPixel(wide, 200, 200, Black);  // would be a marker, but the size stops the scan
  // Markers found are counted, stored up to the 300 the seed arrays hold,
  // and erased, also when the picture is refused.
  struct { QImage picture; const char* name; QString message; int found, stored; } cases[] = {
      {wide, "house.jpg", size.arg(u"house.jpg").arg(401).arg(400), 0, 0},
      {QImage(), "x.bmp", size.arg(u"x.bmp").arg(0).arg(0), 0, 0},  // an image that failed to load
      {Picture(), "cat.bmp", count.arg(u"cat.bmp").arg(0), 0, 0},
      {GridPicture(25), "p.jpg", QString(), 25, 25},
      {GridPicture(26), "cat.bmp", count.arg(u"cat.bmp").arg(26), 26, 26},
      {GridPicture(400), "dots.bmp", count.arg(u"dots.bmp").arg(400), 400, 300},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ScanResult r = ScanPicture(c.picture, QString::fromLatin1(c.name));
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.sectionCount, c.found);
    EXPECT_EQ(r.seeds, Grid(c.stored));
    for (const Seed& s : Grid(c.found)) EXPECT_EQ(*GetPixel(c.picture, s.x, s.y), White);
  }
  EXPECT_EQ(*GetPixel(cases[0].picture, 200, 200), Black);  // not erased: no scan
}

// ---------------------------------------------------------------- markers

TEST(ScanPicture, OnlyIsolatedPureBlackDotsAreMarkersInColumnOrder) {
  QImage img = Picture({
      {100, 100}, {101, 100},  // touching side by side
      {150, 150}, {151, 151},  // touching at a corner
      {200, 200},              // a true marker
      {250, 250},              // next to a near-white pixel
      {1, 50}, {50, 1}, {398, 60}, {60, 398},
  });
  SetPixel(img, 251, 249, qRgb(254, 255, 255));
  SetPixel(img, 300, 300, qRgb(1, 1, 1));  // near-black centre
  const ScanResult r = ScanPicture(img, QStringLiteral("p.jpg"));
  // (1, 50) and (50, 1) lie outside the scanned range; (398, 60) and
  // (60, 398) touch the frame line at 399.
  EXPECT_EQ(r.seeds, (std::vector<Seed>{{200, 200}}));
  for (const auto& [x, y] : {std::pair{100, 100}, std::pair{151, 151}, std::pair{250, 250}})
    EXPECT_EQ(*GetPixel(img, x, y), Black);  // rejected dots stay

  // Without a frame: a neighbour beyond the edge never counts as white.
  QImage bare = MakeSurface(400, 400);
  for (const auto& [x, y] : {std::pair{398, 398}, std::pair{399, 200}, std::pair{200, 399}, std::pair{2, 2}})
    SetPixel(bare, x, y, Black);
  EXPECT_EQ(ScanPicture(bare, QStringLiteral("p.jpg")).seeds, (std::vector<Seed>{{2, 2}, {398, 398}}));

  // Column first: (10, 300) comes before (11, 5); also in a picture loaded
  // in another format.
  QImage two = Picture({{11, 5}, {10, 300}}).convertToFormat(QImage::Format_RGB888);
  EXPECT_EQ(ScanPicture(two, QStringLiteral("p.jpg")).seeds, (std::vector<Seed>{{10, 300}, {11, 5}}));
  EXPECT_EQ(*GetPixel(two, 10, 300), White);
}

// ---------------------------------------------------------------- section file

TEST(SectionFile, WrittenByteExactReadBackAndDamagedOnesGiveNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_EQ(SectionFileName(QStringLiteral("house.gif")), QStringLiteral("house.gif.dat"));
  const QString path = dir.filePath(SectionFileName(QStringLiteral("house.gif")));
  QString problem;
  EXPECT_FALSE(ReadSectionFile(path, 400, 400, &problem).has_value());  // missing
  EXPECT_TRUE(problem.contains(path));

  const std::vector<Seed> seeds{{200, 200}, {10, 5}, {0, 399}};
  ASSERT_TRUE(WriteSectionFile(path, seeds, &problem)) << problem.toStdString();
  EXPECT_EQ(ReadFile(path), QByteArray(" 200 \r\n 200 \r\n 10 \r\n 5 \r\n 0 \r\n 399 \r\n"));
  EXPECT_EQ(ReadSectionFile(path, 400, 400), seeds);
  // Replacing an existing file leaves only the new content.
  ASSERT_TRUE(WriteSectionFile(path, {{7, 8}}));
  EXPECT_EQ(ReadFile(path), QByteArray(" 7 \r\n 8 \r\n"));
  // A folder that does not exist: a clear refusal, no crash.
  EXPECT_FALSE(WriteSectionFile(dir.filePath(QStringLiteral("no/such/x.dat")), seeds, &problem));
  EXPECT_TRUE(problem.contains(QStringLiteral("no/such/x.dat")));

  // Hand-written files that are still fine, and damaged ones: refused (no
  // seeds), with the problem saying why.
  using Seeds = std::vector<Seed>;
  const struct { const char* what; QByteArray bytes; std::optional<Seeds> seeds; const char* problem = ""; } files[] = {
      {"other blanks, LF only, no final line break", "7\n  8\t\r\n\t9\r\n10  ", Seeds{{7, 8}, {9, 10}}},
      {"trailing empty lines", " 7 \r\n 8 \r\n\r\n\r\n", Seeds{{7, 8}}},
      {"300 pairs", QByteArray(" 5 \r\n 6 \r\n").repeated(300), Seeds(300, Seed{5, 6})},
      {"empty", "", {}, "holds no sections"},
      {"blank lines only", " \r\n\r\n", {}, "holds no sections"},
      {"non-numeric", " 10 \r\n abc \r\n", {}, "Line 2 of the section file"},
      {"number with junk", " 10 \r\n 2x0 \r\n", {}, "Line 2 of the section file"},
      {"empty line inside", " 10 \r\n\r\n 20 \r\n 30 \r\n", {}, "Line 2 of the section file"},
      {"odd line count", " 10 \r\n 20 \r\n 30 \r\n", {}, "odd number of lines (3)"},
      {"x outside", " 400 \r\n 20 \r\n", {}, "lies outside the picture (400, 20)"},
      {"y outside", " 10 \r\n 400 \r\n", {}, "lies outside the picture (10, 400)"},
      {"negative", " -1 \r\n 20 \r\n", {}, "lies outside the picture (-1, 20)"},
      {"301 pairs", QByteArray(" 5 \r\n 6 \r\n").repeated(301), {}, "holds 301 sections, more than 300"},
      {"binary", QByteArray("\x00\x01\xff\xfe", 4), {}, "Line 1 of the section file"},
      {"far larger than 300 pairs", QByteArray(70000, ' '), {}, "is far too large to be one"},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.what);
    WriteFile(path, f.bytes);
    problem.clear();
    EXPECT_EQ(ReadSectionFile(path, 400, 400, &problem), f.seeds);
    EXPECT_TRUE(problem.contains(QString::fromLatin1(f.problem))) << problem.toStdString();
    EXPECT_EQ(problem.isEmpty(), f.seeds.has_value());
  }
}
