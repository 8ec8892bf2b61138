// The picture tool on small crafted drawings: gaps, too many and too small
// regions, where markers go, scanned drawings, its check, and the drawing format.

#include "line_drawing.h"
#include "picture_maker.h"
#include "pointer_shapes.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using namespace pictures;

namespace {

const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255);

QImage Draw(const char* text) {
  const LineDrawingResult r = RenderLineDrawing(QString::fromLatin1(text));
  EXPECT_EQ(r.problem, QString());
  return r.image;
}

bool PureBlackAndWhite(const QImage& img) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (const QRgb c = img.pixel(x, y) & 0xFFFFFF; c != 0 && c != 0xFFFFFF) return false;
  return true;
}

// All the warnings of a made picture as one text.
QString Warnings(const MadePicture& made) { return made.Warnings({}).join(QLatin1Char('\n')); }

TEST(PictureMaker, AGapInADividingLineIsReportedWhereItIs) {
  // A box split in two by a line with a gap of a few pixels at x = 200.
  const MadePicture gap = MakePicture(Draw("rect 50 50 300 300\nline 50 200 197 200\nline 203 200 350 200\n"));
  ASSERT_EQ(gap.gaps.size(), 1u);
  const OutlineGap& g = gap.gaps[0];
  EXPECT_LT(std::hypot(g.at.x - 200, g.at.y - 200), 5.0);
  EXPECT_LE(g.width, 8);
  // The two parts it joins lie on either side of the line.
  EXPECT_LT(std::min(g.sideA.y, g.sideB.y), 200);
  EXPECT_GT(std::max(g.sideA.y, g.sideB.y), 200);
  EXPECT_EQ(gap.seeds.size(), 1u);
  EXPECT_TRUE(Warnings(gap).contains(QStringLiteral("(200, 200)")));

  // Closed, the same drawing has two sections and nothing to report.
  const MadePicture closed = MakePicture(Draw("rect 50 50 300 300\nline 50 200 350 200\n"));
  EXPECT_TRUE(closed.gaps.empty());
  EXPECT_EQ(closed.seeds.size(), 2u);
  EXPECT_EQ(Warnings(closed), QString());
}

TEST(PictureMaker, TooManyOrNoSectionsMeanThePictureWillBeRefused) {
  QString grid = QStringLiteral("rect 20 20 360 300\n");
  for (int i = 1; i < 6; ++i) grid += QStringLiteral("line %1 20 %1 320\n").arg(20 + 60 * i);
  for (int i = 1; i < 5; ++i) grid += QStringLiteral("line 20 %1 380 %1\n").arg(20 + 60 * i);
  const MadePicture made = MakePicture(Draw(grid.toLatin1().constData()));
  EXPECT_EQ(made.seeds.size(), 30u);
  EXPECT_TRUE(made.Refused());
  EXPECT_TRUE(Warnings(made).contains(QStringLiteral("The picture has 30 sections, but the colouring window accepts at most 25 "
                                                     "and will refuse it. Leave out some shapes or join some regions.")));
  EXPECT_TRUE(CheckPicture(made.picture, QStringLiteral("grid.bmp"))
                  .scan.message.contains(QStringLiteral("The number of sections found in grid.bmp to color is 30.")));

  // No closed shape at all.
  const MadePicture none = MakePicture(Draw("line 10 10 300 300\n"));
  EXPECT_TRUE(none.Refused());
  EXPECT_EQ(Warnings(none), QStringLiteral("No section was found, so the colouring window will refuse this picture. Are the shapes closed?"));
}

TEST(PictureMaker, AValidPictureComesBackUnchanged) {
  // Outlines three pixels wide with the author's own marker dots.
  const QImage valid = Draw("circle 200 200 150\nline 50 200 350 200\nrect 90 240 80 60\nmarker 120 120\nmarker 260 300\nmarker 130 280\n");
  QImage scanned = valid;
  const ScanResult before = ScanPicture(scanned, QStringLiteral("valid.bmp"));
  ASSERT_EQ(before.message, QString());

  const MadePicture made = MakePicture(valid);
  EXPECT_EQ(made.picture, valid.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(made.seeds, before.seeds);
  EXPECT_EQ(made.thickened, 0);
  EXPECT_EQ(Warnings(made), QString());

  // With the dots replaced, new ones are found in the same three sections.
  MakerOptions fresh;
  fresh.keepMarkers = false;
  const MadePicture remade = MakePicture(valid, fresh);
  ASSERT_EQ(remade.seeds.size(), 3u);
  EXPECT_FALSE(CheckPicture(remade.picture, QStringLiteral("valid.bmp")).Leaks());
}

TEST(PictureMaker, MarkersSitWellInsideWithThePointerAboveThemInTheSection) {
  // A tall box, a wide flat box and the outside, which gets a marker only on request.
  const QImage drawing = Draw("rect 40 40 120 200\nrect 200 300 180 40\n");
  const MadePicture made = MakePicture(drawing);
  ASSERT_EQ(made.seeds.size(), 2u);
  const Seed tall = made.seeds[0], flat = made.seeds[1];
  // The 40 x 48 pointer standing on the tall box's seed stays within its inside.
  EXPECT_TRUE(QRect(QPoint(43, 43), QPoint(158, 237)).contains(QRect(tall.x - 20, tall.y - 48, 41, 49))) << tall.x << "," << tall.y;
  EXPECT_TRUE(flat.y > 305 && flat.y < 335) << flat.y;

  MakerOptions withOutside;
  withOutside.markBackground = true;
  EXPECT_EQ(MakePicture(drawing, withOutside).seeds.size(), 3u);
}

// The program's three pointer masks.
std::vector<QImage> Pointers() {
  QString problem;
  const std::vector<QImage> masks = LoadPointerMasks(QStringLiteral(BRUSHWELL_SOURCE_DIR "/content"), &problem);
  EXPECT_EQ(masks.size(), 3u) << problem.toStdString();
  return masks;
}

TEST(PictureMaker, TheCheckFailsAmbiguousPointersSliversAndEnlargedPointersWithNoPlace) {
  const std::vector<QImage> pointers = Pointers();
  // Made with the shipped options, every section holds the whole pointer: a
  // box, an L with room for the pointer only low down on its right, a wide
  // bar; a band at the top and a strip at the left edge, too narrow for the
  // pointer, stay white details.
  const MadePicture made = MakePicture(Draw("rect 40 30 320 45\nrect 200 100 180 200\nline 200 200 300 200\nline 300 200 300 100\n"
                                            "rect 4 100 30 200\nrect 100 330 250 60\n"),
                                       ShippedPictureOptions(pointers));
  EXPECT_EQ(made.Warnings(ShippedPictureOptions(pointers)), QStringList());
  const PictureCheck good = CheckPicture(made.picture, QStringLiteral("good.bmp"), pointers);
  ASSERT_EQ(good.scan.message, QString());
  EXPECT_EQ(good.sections.size(), 3u);
  EXPECT_EQ(good.Problems(), QStringList());

  // Hand-placed markers: one whose pointer sticks out of the top, one whose
  // pointer covers the outline of a band, a sliver 8 pixels high, and a box
  // in the corner where an enlarged pointer finds no place for its tip.
  const PictureCheck bad = CheckPicture(Draw("rect 40 10 300 150\nmarker 100 30\nrect 40 200 300 30\nmarker 100 220\n"
                                             "rect 40 300 300 10\nmarker 200 305\nrect 355 355 40 40\nmarker 375 375\n"),
                                        QStringLiteral("bad.bmp"), pointers);
  ASSERT_EQ(bad.scan.message, QString());
  const QString problems = bad.Problems().join(QLatin1Char('\n'));
  EXPECT_TRUE(problems.contains(QStringLiteral("(100, 30)) is cut off by the picture's edge"))) << problems.toStdString();
  EXPECT_TRUE(problems.contains(QStringLiteral("(100, 220)) covers an outline or another section"))) << problems.toStdString();
  EXPECT_TRUE(problems.contains(QStringLiteral("Section 3 is a sliver"))) << problems.toStdString();
  EXPECT_FALSE(problems.contains(QStringLiteral("Section 2 is a sliver"))) << problems.toStdString();
  EXPECT_TRUE(problems.contains(QStringLiteral("At pointer size 3 the pointer of section 4 cannot lie whole inside")))
      << problems.toStdString();
  EXPECT_FALSE(problems.contains(QStringLiteral("pointer size 3 the pointer of section 1 "))) << problems.toStdString();
}

TEST(PictureMaker, TinyRegionsAreNamedAndSpecksFilled) {
  // A small square (about 12 x 12 inside) and a speck where two lines nearly close.
  const MadePicture made = MakePicture(Draw("rect 50 50 300 300\nrect 100 100 15 15\nrect 200 200 5 5\n"));
  EXPECT_GT(made.specksFilled, 0);
  EXPECT_EQ(made.seeds.size(), 1u);
  const QString warnings = Warnings(made);
  EXPECT_TRUE(warnings.contains(QStringLiteral("1 region(s) too small"))) << warnings.toStdString();
  EXPECT_TRUE(warnings.contains(QStringLiteral("(107, 107)")) || warnings.contains(QStringLiteral("(108, 108)"))) << warnings.toStdString();
}

TEST(PictureMaker, ScannedDrawingsAreScaledCleanedAndKeepTheirDots) {
  // 800 x 600, anti-aliased thin lines and a speck of dirt in the ring.
  QImage big(800, 600, QImage::Format_ARGB32);
  big.fill(Qt::transparent);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.drawEllipse(QPointF(400, 300), 250, 250);
    p.drawEllipse(QPointF(400, 300), 120, 120);
  }
  big.setPixel(400, 130, Black);
  const MadePicture made = MakePicture(big);
  EXPECT_TRUE(made.scaled);
  EXPECT_GT(made.thickened, 0);
  ASSERT_EQ(made.picture.size(), QSize(400, 400));
  EXPECT_TRUE(PureBlackAndWhite(made.picture));
  // The speck is gone, the ring and the disc get a marker each, and no fill
  // leaks through the thin lines.
  ASSERT_EQ(made.seeds.size(), 2u);
  EXPECT_EQ(made.picture.pixel(200, 115), White);
  const PictureCheck check = CheckPicture(made.picture, QStringLiteral("ring.png"));
  EXPECT_EQ(check.scan.message, QString());
  EXPECT_FALSE(check.Leaks());
}

TEST(PictureCheck, SaysWhatTheColouringWindowSaysAndFindsLeaks) {
  QImage wide(401, 400, QImage::Format_RGB32);
  wide.fill(Qt::white);
  EXPECT_TRUE(DescribeCheck(CheckPicture(wide, QStringLiteral("wide.bmp")))
                  .join(QLatin1Char('\n'))
                  .contains(QStringLiteral("The dimensions for wide.bmp  is 401 by 400.")));

  // Two dots in one region: both fills reach the other seed.
  const QImage leaky = Draw("rect 50 50 300 300\nline 50 200 190 200\nmarker 100 100\nmarker 300 300\n");
  const PictureCheck check = CheckPicture(leaky, QStringLiteral("leaky.bmp"));
  ASSERT_EQ(check.sections.size(), 2u);
  EXPECT_TRUE(check.Leaks());
  EXPECT_EQ(check.sections[0].reaches, std::vector<int>{2});
  EXPECT_TRUE(DescribeCheck(check).join(QString()).contains(QStringLiteral("LEAKS into section(s) 2")));
  EXPECT_EQ(check.preview.size(), QSize(400, 400));
  // The tool itself keeps only the first dot of the region, and says so.
  EXPECT_TRUE(Warnings(MakePicture(leaky)).contains(QStringLiteral("The marker dot at (300, 300) was left out: it touches an outline, "
                                                                   "lies too near the edge, or its region already has a marker.")));
}

TEST(LineDrawing, ProblemsNameTheLine) {
  const struct { const char* text; const char* problem; } cases[] = {
      {"pen 3\n\nsquiggle 1 2\n", "line 3: unknown command \"squiggle\""},
      {"circle 10 ten 5", "line 1: \"ten\" is not a number"},
      {"line 1 2 3", "line 1: line needs at least two X Y points"},
      {"line 1 2 3 4 white", "line 1: \"white\" only goes with closed shapes"},
      {"size 0 10", "line 1: size needs a width and a height from 1 to 4000"},
      {"rect 1 1 5 5\nsize 500 500", "line 2: size must come before the first shape"},
  };
  for (const auto& c : cases) EXPECT_EQ(RenderLineDrawing(QString::fromLatin1(c.text)).problem, QString::fromLatin1(c.problem));
  EXPECT_TRUE(RenderLineDrawingFile(QStringLiteral("/nonexistent/x.drawing")).problem.startsWith(QStringLiteral("cannot open /nonexistent/x.drawing: ")));
}

TEST(LineDrawing, StrokesArePenWideAndWhiteShapesHideWhatIsBehind) {
  const QImage img = Draw("pen 3\nline 100 100 300 100\ncircle 200 200 40\nrect 150 150 100 100 white\n");
  EXPECT_TRUE(PureBlackAndWhite(img));
  int thickness = 0;
  for (int y = 95; y <= 105; ++y) thickness += img.pixel(200, y) == Black;
  EXPECT_EQ(thickness, 3);
  // The circle lies inside the square drawn over it in white: only the square shows.
  EXPECT_EQ(img.pixel(200, 150), Black);
  EXPECT_EQ(img.pixel(200, 160), White);
  EXPECT_EQ(img.pixel(160, 200), White);
  EXPECT_EQ(Draw("size 500 300\npen 2\nline 0 0 10 10\n").size(), QSize(500, 300));
}

}  // namespace
