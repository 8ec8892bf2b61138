// Raster functions on tiny hand-made surfaces. Fixtures are drawn as ASCII
// art: '#' black, '.' white, 'r' red, 'b' blue.

#include "platform/raster.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <initializer_list>
#include <string>

using namespace platform;

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

QImage FromArt(std::initializer_list<const char*> rows) {
  const int h = static_cast<int>(rows.size());
  const int w = static_cast<int>(std::string(*rows.begin()).size());
  QImage image = MakeSurface(w, h);
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; x < w; ++x) {
      switch (row[x]) {
        case '#': SetPixel(image, x, y, Black); break;
        case 'r': SetPixel(image, x, y, Red); break;
        case 'b': SetPixel(image, x, y, Blue); break;
        default: break;
      }
    }
    ++y;
  }
  return image;
}

std::string ToArt(const QImage& image) {
  std::string out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = *GetPixel(image, x, y);
      out += c == Black ? '#' : c == White ? '.' : c == Red ? 'r' : c == Blue ? 'b' : '?';
    }
    out += '\n';
  }
  return out;
}

QRgb At(const QImage& image, int x, int y) { return *GetPixel(image, x, y); }

}  // namespace

// ---------------------------------------------------------------- BitBlt

TEST(BitBlt, RasterOpsCombineTheRgbBytes) {
  QImage dst = MakeSurface(2, 1, qRgb(0x12, 0x34, 0x56));
  const QImage src = MakeSurface(2, 1, qRgb(0xF0, 0x0F, 0xF0));

  QImage copy = dst;
  ASSERT_TRUE(BitBlt(copy, 0, 0, 2, 1, src, 0, 0, RasterOp::SRCCOPY));
  EXPECT_EQ(At(copy, 1, 0), qRgb(0xF0, 0x0F, 0xF0));

  QImage anded = dst;
  BitBlt(anded, 0, 0, 2, 1, src, 0, 0, RasterOp::SRCAND);
  EXPECT_EQ(At(anded, 0, 0), qRgb(0x10, 0x04, 0x50));

  QImage ored = dst;
  BitBlt(ored, 0, 0, 2, 1, src, 0, 0, RasterOp::SRCPAINT);
  EXPECT_EQ(At(ored, 1, 0), qRgb(0xF2, 0x3F, 0xF6));

  // The untouched original shows the copies did not write through shared data.
  EXPECT_EQ(At(dst, 0, 0), qRgb(0x12, 0x34, 0x56));
}

TEST(BitBlt, ClipsAtEveryEdgeAndKeepsPlaces) {
  // Source 4x4 whose pixel (x, y) is grey level 10*x + y.
  QImage src = MakeSurface(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) SetPixel(src, x, y, qRgb(10 * x + y, 0, 0));

  // Negative destination: the block's pixel (1, 2) lands on (0, 0).
  QImage dst = MakeSurface(3, 3);
  ASSERT_TRUE(BitBlt(dst, -1, -2, 4, 4, src, 0, 0, RasterOp::SRCCOPY));
  EXPECT_EQ(At(dst, 0, 0), qRgb(12, 0, 0));
  EXPECT_EQ(At(dst, 2, 1), qRgb(33, 0, 0));
  EXPECT_EQ(At(dst, 0, 2), White);  // below what the block covered

  // Past the right and bottom edges: only the inside part arrives.
  QImage right = MakeSurface(3, 3);
  ASSERT_TRUE(BitBlt(right, 2, 2, 4, 4, src, 0, 0, RasterOp::SRCCOPY));
  EXPECT_EQ(At(right, 2, 2), qRgb(0, 0, 0));
  EXPECT_EQ(At(right, 1, 1), White);

  // Negative source position: the destination shifts by the same amount.
  QImage fromNeg = MakeSurface(4, 4);
  ASSERT_TRUE(BitBlt(fromNeg, 0, 0, 4, 4, src, -1, -1, RasterOp::SRCCOPY));
  EXPECT_EQ(At(fromNeg, 0, 0), White);
  EXPECT_EQ(At(fromNeg, 1, 1), qRgb(0, 0, 0));
  EXPECT_EQ(At(fromNeg, 3, 2), qRgb(21, 0, 0));

  // Entirely outside: nothing to do.
  QImage none = MakeSurface(3, 3);
  EXPECT_FALSE(BitBlt(none, -5, 0, 4, 4, src, 0, 0, RasterOp::SRCCOPY));
  EXPECT_FALSE(BitBlt(none, 0, 0, 0, 4, src, 0, 0, RasterOp::SRCCOPY));
}

TEST(BitBlt, OverlappingBlockWithinOneSurface) {
  QImage img = FromArt({"r#b.."});
  BitBlt(img, 1, 0, 3, 1, img, 0, 0, RasterOp::SRCCOPY);
  EXPECT_EQ(ToArt(img), "rr#b.\n");
}

// ---------------------------------------------------------------- pointer

TEST(Pointer, DrawsThroughTheMaskAndErasesBackExactly) {
  // Picture, pointer and mask. Where the mask is white and the pointer
  // black the picture shows through; where the mask is black the pointer
  // colour shows.
  const QImage original = FromArt({
      "rrrrr",
      "r###r",
      "rb.br",
      "rrrrr",
  });
  const QImage pointer = FromArt({
      "#b#",
      "bbb",
      "#b#",
  });
  const QImage mask = FromArt({
      ".#.",
      "###",
      ".#.",
  });

  for (const auto& [left, top] : {std::pair{1, 1}, std::pair{1, -1}, std::pair{3, 2}, std::pair{-1, -2}}) {
    SCOPED_TRACE(testing::Message() << "pointer at " << left << "," << top);
    QImage picture = original;
    QImage saved;
    DrawPointer(picture, pointer, mask, saved, left, top);
    for (int py = 0; py < 3; ++py) {
      for (int px = 0; px < 3; ++px) {
        const int x = left + px;
        const int y = top + py;
        if (x < 0 || y < 0 || x >= 5 || y >= 4) continue;
        const bool solid = At(mask, px, py) == Black;
        EXPECT_EQ(At(picture, x, y), solid ? Blue : At(original, x, y)) << px << "," << py;
      }
    }
    ErasePointer(picture, saved, left, top, pointer.width(), pointer.height());
    EXPECT_EQ(ToArt(picture), ToArt(original));
  }
}

// ---------------------------------------------------------------- flood fill

TEST(FloodFill, StaysInsideBordersAndIgnoresOtherColours) {
  // A box whose inside holds a blue pixel (not a border: it takes the brush).
  QImage img = FromArt({
      ".......",
      ".#####.",
      ".#...#.",
      ".#.b.#.",
      ".#####.",
      ".......",
  });
  ASSERT_TRUE(FloodFill(img, 2, 2, Black, {Red, BrushStyle::Solid}));
  EXPECT_EQ(ToArt(img),
            ".......\n"
            ".#####.\n"
            ".#rrr#.\n"
            ".#rrr#.\n"
            ".#####.\n"
            ".......\n");
}

TEST(FloodFill, DiagonalOnlyBorderHolds) {
  // A diagonal staircase of single pixels touching only at corners: 4-way
  // connectivity must not slip through between them.
  QImage img = FromArt({
      "...#",
      "..#.",
      ".#..",
      "#...",
  });
  ASSERT_TRUE(FloodFill(img, 0, 0, Black, {Red, BrushStyle::Solid}));
  EXPECT_EQ(ToArt(img),
            "rrr#\n"
            "rr#.\n"
            "r#..\n"
            "#...\n");
  ASSERT_TRUE(FloodFill(img, 3, 3, Black, {Blue, BrushStyle::Solid}));
  EXPECT_EQ(ToArt(img),
            "rrr#\n"
            "rr#b\n"
            "r#bb\n"
            "#bbb\n");
}

TEST(FloodFill, SeedOnBorderOrOutsideDoesNothing) {
  const QImage original = FromArt({
      ".#.",
      ".#.",
  });
  QImage img = original;
  EXPECT_FALSE(FloodFill(img, 1, 0, Black, {Red, BrushStyle::Solid}));
  EXPECT_FALSE(FloodFill(img, -1, 0, Black, {Red, BrushStyle::Solid}));
  EXPECT_FALSE(FloodFill(img, 3, 1, Black, {Red, BrushStyle::Solid}));
  EXPECT_FALSE(FloodFill(img, 0, 2, Black, {Red, BrushStyle::Solid}));
  EXPECT_EQ(ToArt(img), ToArt(original));
  EXPECT_TRUE(FindFillRegion(img, 1, 1, Black).empty());
}

TEST(FloodFill, RegionFoundAsNonOverlappingSpans) {
  // A U-shaped region: a scanline fill must come back round both arms.
  const QImage img = FromArt({
      ".#.#.",
      ".#.#.",
      ".....",
      "#####",
  });
  const FillRegion region = FindFillRegion(img, 0, 0, Black);
  EXPECT_EQ(region.pixelCount(), 5 + 2 + 2 + 2);
  QImage painted = img;
  PaintRegion(painted, region, {Blue, BrushStyle::Solid});
  EXPECT_EQ(ToArt(painted),
            "b#b#b\n"
            "b#b#b\n"
            "bbbbb\n"
            "#####\n");
}

TEST(FloodFill, WholeLargeSurfaceAndASerpentine) {
  QImage open = MakeSurface(400, 400);
  const FillRegion all = FindFillRegion(open, 200, 200, Black);
  EXPECT_EQ(all.pixelCount(), 400LL * 400LL);

  // A serpentine corridor one pixel wide: every row a separate leg, joined at
  // alternating ends, so the fill travels the whole surface.
  QImage snake = MakeSurface(400, 400);
  for (int y = 1; y < 400; y += 2) {
    const int gap = (y / 2) % 2 == 0 ? 399 : 0;
    for (int x = 0; x < 400; ++x)
      if (x != gap) SetPixel(snake, x, y, Black);
  }
  ASSERT_TRUE(FloodFill(snake, 0, 0, Black, {Red, BrushStyle::Solid}));
  EXPECT_EQ(At(snake, 0, 398), Red);
  EXPECT_EQ(At(snake, 399, 398), Red);
}

TEST(FloodFill, EachHatchMatchesTheGdiPattern) {
  // The patterns by their geometry, on the surface's own coordinates.
  const std::function<bool(int, int)> horizontal = [](int, int y) { return y % 8 == 3; };
  const std::function<bool(int, int)> vertical = [](int x, int) { return x % 8 == 4; };
  const std::function<bool(int, int)> falling = [](int x, int y) { return x % 8 == y % 8; };
  const std::function<bool(int, int)> rising = [](int x, int y) { return (x + y) % 8 == 7; };
  const struct {
    int coloringStyle;
    std::function<bool(int, int)> covers;
  } cases[] = {
      {1, horizontal},
      {2, vertical},
      {3, falling},
      {4, rising},
      {5, [&](int x, int y) { return horizontal(x, y) || vertical(x, y); }},
      {6, [&](int x, int y) { return falling(x, y) || rising(x, y); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "ColoringStyle " << c.coloringStyle);
    // Pre-coloured blue: the gaps between the lines must stay blue. The seed
    // is off the pattern's grid, so alignment comes from the surface origin.
    QImage img = MakeSurface(19, 13, Blue);
    const Brush brush{Red, BrushStyleForColoringStyle(c.coloringStyle)};
    ASSERT_TRUE(FloodFill(img, 11, 5, Black, brush));
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        ASSERT_EQ(At(img, x, y), c.covers(x, y) ? Red : Blue) << x << "," << y;
        ASSERT_EQ(BrushCovers(brush.style, x, y), c.covers(x, y));
      }
  }
  QImage solid = MakeSurface(3, 3);
  FloodFill(solid, 1, 1, Black, {Red, BrushStyleForColoringStyle(0)});
  EXPECT_EQ(ToArt(solid), "rrr\nrrr\nrrr\n");
  EXPECT_EQ(BrushStyleForColoringStyle(7), BrushStyle::Solid);
}

TEST(FloodFill, FadeRefillsTheWholeSectionEveryPass) {
  // Two sections side by side; the fade runs fifty fills in the left one.
  QImage img = FromArt({
      "....#....",
      "....#....",
      "#########",
  });
  const std::vector<QRgb> colours = FadeColours(Red);
  ASSERT_EQ(colours.size(), 50u);
  for (const QRgb c : colours) ASSERT_TRUE(FloodFill(img, 1, 1, Black, {c, BrushStyle::Solid}));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(At(img, x, y), qRgb(255, 5, 5));
  EXPECT_EQ(At(img, 6, 0), White);

  // A hatch over the colour, then the clearing in the same hatch in white:
  // the lines turn white, the gaps keep the colour, and a later fill still
  // reaches the whole section.
  FloodFill(img, 1, 1, Black, {Blue, BrushStyle::HS_FDIAGONAL});
  EXPECT_EQ(At(img, 1, 1), Blue);
  FloodFill(img, 2, 0, Black, {White, BrushStyle::HS_FDIAGONAL});
  EXPECT_EQ(At(img, 0, 0), White);
  EXPECT_EQ(At(img, 1, 1), White);
  EXPECT_EQ(At(img, 1, 0), qRgb(255, 5, 5));
  EXPECT_EQ(FindFillRegion(img, 3, 1, Black).pixelCount(), 8);
}

// ---------------------------------------------------------------- drawing

TEST(Drawing, LinesLeaveOutTheEndPointAndRectanglesAreOutlines) {
  QImage img = MakeSurface(6, 5);
  DrawLine(img, 0, 0, 5, 0, Black);
  DrawLine(img, 0, 1, 3, 4, Red);
  DrawLine(img, 5, 4, 5, 4, Blue);  // a point: nothing
  EXPECT_EQ(ToArt(img),
            "#####.\n"
            "r.....\n"
            ".r....\n"
            "..r...\n"
            "......\n");

  QImage box = MakeSurface(6, 5);
  DrawRectangleOutline(box, QRect(QPoint(1, 1), QPoint(4, 3)), Black);
  DrawRectangleOutline(box, QRect(-2, -2, 4, 4), Red);  // clipped: only its right and bottom sides
  EXPECT_EQ(ToArt(box),
            ".r....\n"
            "rr###.\n"
            ".#..#.\n"
            ".####.\n"
            "......\n");

  DrawLine(box, -3, 4, 10, 4, Blue);  // outside parts skipped
  EXPECT_EQ(At(box, 5, 4), Blue);
  EXPECT_FALSE(GetPixel(box, 6, 0).has_value());
}
