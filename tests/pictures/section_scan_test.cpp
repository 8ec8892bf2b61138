// The picture scan (size check, marker dots, the two refusals) and the
// section file (format, damaged files, file times).

#include "pictures/section_scan.h"
#include "platform/raster.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <utility>

using namespace pictures;
using platform::GetPixel;
using platform::MakeSurface;
using platform::SetPixel;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// A white 400x400 picture with a black frame line and the given dots.
QImage Picture(std::initializer_list<std::pair<int, int>> dots = {}) {
  QImage img = MakeSurface(400, 400);
  platform::DrawRectangleOutline(img, QRect(0, 0, 400, 400), Black);
  for (const auto& [x, y] : dots) SetPixel(img, x, y, Black);
  return img;
}

// n markers on a grid, spaced so that none touch.
QImage GridPicture(int n, std::vector<Seed>* expected = nullptr) {
  QImage img = Picture();
  for (int k = 0; k < n; ++k) {
    const int x = 5 + 3 * (k / 120);
    const int y = 5 + 3 * (k % 120);
    SetPixel(img, x, y, Black);
    if (expected) expected->push_back({x, y});
  }
  return img;
}

}  // namespace

// ---------------------------------------------------------------- refusals

TEST(ScanPicture, WrongSizeIsRefusedWithoutAScan) {
  QImage img = MakeSurface(401, 400);
  SetPixel(img, 200, 200, Black);  // would be a marker
  const ScanResult r = ScanPicture(img, QStringLiteral("house.jpg"));
  EXPECT_EQ(r.message,
            QStringLiteral("The width & height of a picture file must be 400 by 400 pixels.\n"
                           "The dimensions for house.jpg  is 401 by 400.\n"
                           "Please check house.jpg for accuracy"));
  EXPECT_EQ(r.sectionCount, 0);
  EXPECT_EQ(*GetPixel(img, 200, 200), Black);  // not erased: no scan

  QImage nothing;  // an image that failed to load
  EXPECT_TRUE(ScanPicture(nothing, QStringLiteral("x.bmp")).message.contains(QStringLiteral(" is 0 by 0.")));
}

TEST(ScanPicture, CountOutsideOneToTwentyFiveIsRefused) {
  QImage empty = Picture();
  EXPECT_EQ(ScanPicture(empty, QStringLiteral("cat.bmp")).message,
            QStringLiteral("The number of sections to color must be between 1 and 25. \n"
                           "The number of sections found in cat.bmp to color is 0.\n"
                           "Please check cat.bmp for accuracy"));

  QImage many = GridPicture(26);
  const ScanResult r = ScanPicture(many, QStringLiteral("cat.bmp"));
  EXPECT_EQ(r.sectionCount, 26);
  EXPECT_TRUE(r.message.contains(QStringLiteral("found in cat.bmp to color is 26.\n")));
  EXPECT_EQ(*GetPixel(many, 5, 5), White);  // found markers are erased even when refused

  // Far more than the seed arrays hold: counted on, stored up to 300.
  QImage crowded = GridPicture(400);
  const ScanResult c = ScanPicture(crowded, QStringLiteral("dots.bmp"));
  EXPECT_EQ(c.sectionCount, 400);
  EXPECT_EQ(c.seeds.size(), 300u);
  EXPECT_TRUE(c.message.contains(QStringLiteral("to color is 400.")));
}

// ---------------------------------------------------------------- markers

TEST(ScanPicture, TwentyFiveMarkersAcceptedInColumnOrderAndErased) {
  std::vector<Seed> expected;
  QImage img = GridPicture(25, &expected);
  const ScanResult r = ScanPicture(img, QStringLiteral("p.jpg"));
  EXPECT_EQ(r.message, QString());
  EXPECT_EQ(r.sectionCount, 25);
  EXPECT_EQ(r.seeds, expected);
  for (const Seed& s : expected) EXPECT_EQ(*GetPixel(img, s.x, s.y), White);

  // Column first: (10, 300) comes before (11, 5).
  QImage two = Picture({{11, 5}, {10, 300}});
  const ScanResult t = ScanPicture(two, QStringLiteral("p.jpg"));
  EXPECT_EQ(t.seeds, (std::vector<Seed>{{10, 300}, {11, 5}}));
}

TEST(ScanPicture, OnlyIsolatedPureBlackDotsAreMarkers) {
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
  EXPECT_EQ(*GetPixel(img, 100, 100), Black);  // rejected dots stay
  EXPECT_EQ(*GetPixel(img, 151, 151), Black);
  EXPECT_EQ(*GetPixel(img, 250, 250), Black);

  // Without a frame: a neighbour beyond the edge never counts as white.
  QImage bare = MakeSurface(400, 400);
  SetPixel(bare, 398, 398, Black);
  SetPixel(bare, 399, 200, Black);
  SetPixel(bare, 200, 399, Black);
  SetPixel(bare, 2, 2, Black);
  EXPECT_EQ(ScanPicture(bare, QStringLiteral("p.jpg")).seeds, (std::vector<Seed>{{2, 2}, {398, 398}}));
}

TEST(ScanPicture, WorksOnPicturesLoadedInOtherFormats) {
  QImage img = Picture({{20, 30}}).convertToFormat(QImage::Format_RGB888);
  const ScanResult r = ScanPicture(img, QStringLiteral("p.jpg"));
  EXPECT_EQ(r.seeds, (std::vector<Seed>{{20, 30}}));
  EXPECT_EQ(*GetPixel(img, 20, 30), White);
}

// ---------------------------------------------------------------- section file

TEST(SectionFile, WrittenByteExactAndReadBack) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_EQ(SectionFileName(QStringLiteral("house.gif")), QStringLiteral("house.gif.dat"));
  const QString path = dir.filePath(SectionFileName(QStringLiteral("house.gif")));
  const std::vector<Seed> seeds{{200, 200}, {10, 5}, {0, 399}};
  QString problem;
  ASSERT_TRUE(WriteSectionFile(path, seeds, &problem)) << problem.toStdString();
  EXPECT_EQ(ReadFile(path), QByteArray(" 200 \r\n 200 \r\n 10 \r\n 5 \r\n 0 \r\n 399 \r\n"));
  EXPECT_EQ(ReadSectionFile(path, 400, 400), seeds);

  // Replacing an existing file leaves only the new content.
  ASSERT_TRUE(WriteSectionFile(path, {{7, 8}}));
  EXPECT_EQ(ReadFile(path), QByteArray(" 7 \r\n 8 \r\n"));

  // Hand-written variants that are still fine: other blanks, LF only, no
  // final line break, trailing empty lines.
  WriteFile(path, "7\n  8\t\r\n\t9\r\n10  ");
  EXPECT_EQ(ReadSectionFile(path, 400, 400), (std::vector<Seed>{{7, 8}, {9, 10}}));
  WriteFile(path, " 7 \r\n 8 \r\n\r\n\r\n");
  EXPECT_EQ(ReadSectionFile(path, 400, 400), (std::vector<Seed>{{7, 8}}));

  // A folder that does not exist: a clear refusal, no crash.
  EXPECT_FALSE(WriteSectionFile(dir.filePath(QStringLiteral("no/such/x.dat")), seeds, &problem));
  EXPECT_TRUE(problem.contains(QStringLiteral("no/such/x.dat")));
}

TEST(SectionFile, DamagedFilesGiveNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("p.jpg.dat"));
  QString problem;

  EXPECT_FALSE(ReadSectionFile(path, 400, 400, &problem).has_value());  // missing
  EXPECT_TRUE(problem.contains(path));

  QByteArray tooMany;
  for (int k = 0; k < 301; ++k) tooMany += " 5 \r\n 6 \r\n";
  QByteArray max;
  for (int k = 0; k < 300; ++k) max += " 5 \r\n 6 \r\n";

  const struct {
    const char* what;
    QByteArray bytes;
  } damaged[] = {
      {"empty", ""},
      {"blank lines only", " \r\n\r\n"},
      {"non-numeric", " 10 \r\n abc \r\n"},
      {"number with junk", " 10 \r\n 2x0 \r\n"},
      {"empty line inside", " 10 \r\n\r\n 20 \r\n 30 \r\n"},
      {"odd line count", " 10 \r\n 20 \r\n 30 \r\n"},
      {"x outside", " 400 \r\n 20 \r\n"},
      {"y outside", " 10 \r\n 400 \r\n"},
      {"negative", " -1 \r\n 20 \r\n"},
      {"301 pairs", tooMany},
      {"binary", QByteArray("\x00\x01\xff\xfe", 4)},
  };
  for (const auto& d : damaged) {
    SCOPED_TRACE(d.what);
    WriteFile(path, d.bytes);
    problem.clear();
    EXPECT_FALSE(ReadSectionFile(path, 400, 400, &problem).has_value());
    EXPECT_FALSE(problem.isEmpty());
  }
  WriteFile(path, " 10 \r\n abc \r\n");
  ReadSectionFile(path, 400, 400, &problem);
  EXPECT_TRUE(problem.contains(QStringLiteral("Line 2"))) << problem.toStdString();

  WriteFile(path, max);
  EXPECT_EQ(ReadSectionFile(path, 400, 400)->size(), 300u);
}

// ---------------------------------------------------------------- file times

// Equal, older and newer files and a folder are met on the colouring window.
TEST(FileTimes, AnyDifferenceCountsAndMissingFilesAreUnreadable) {
  QTemporaryDir dir;
  const QString picture = dir.filePath(QStringLiteral("p.jpg"));
  const QString sections = dir.filePath(QStringLiteral("p.jpg.dat"));
  const QString gone = dir.filePath(QStringLiteral("gone.dat"));
  const QDateTime base = QDateTime::currentDateTimeUtc().addDays(-1);
  for (const auto& [path, when] : {std::pair{picture, base.addMSecs(10)}, std::pair{sections, base}}) {
    WriteFile(path, "data");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
  }
  EXPECT_EQ(CompareFileTimes(picture, sections), FileTimeOrder::Later);  // finer than a second
  EXPECT_EQ(CompareFileTimes(sections, picture), FileTimeOrder::Earlier);
  EXPECT_EQ(CompareFileTimes(picture, gone), FileTimeOrder::Unreadable);
  EXPECT_EQ(CompareFileTimes(gone, sections), FileTimeOrder::Unreadable);
}
