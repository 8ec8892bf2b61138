// Raster functions on tiny hand-made surfaces: the precise guard of the fill
// and hatch pixel rules, the pointer mask, block transfers, lines and outlines.
// Fixtures are ASCII art, each row ending in '\n': '#' black, '.' white,
// 'r' red, 'b' blue; two pictures may stand side by side ("before  after").

#include "platform/raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

using namespace platform;

namespace {

const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255), Red = qRgb(255, 0, 0), Blue = qRgb(0, 0, 255);
const QRgb Palette[] = {Black, White, Red, Blue};

QRgb At(const QImage& image, int x, int y) { return *GetPixel(image, x, y); }

// The picture in the given column of the art (the first when it has one only).
QImage FromArt(const std::string& art, int column = 0) {
  const size_t w = art.find_first_of(" \n"), rowLength = art.find('\n') + 1;
  const size_t offset = rowLength > w + 1 ? column * (w + 2) : 0;
  QImage image = MakeSurface(static_cast<int>(w), static_cast<int>(art.size() / rowLength));
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      SetPixel(image, x, y, Palette[std::string("#.rb").find(art[y * rowLength + offset + x])]);
  return image;
}

std::string ToArt(const QImage& image) {
  std::string out;
  for (int y = 0; y < image.height(); ++y, out += '\n')
    for (int x = 0; x < image.width(); ++x) out += "#.rb?"[std::find(Palette, Palette + 4, At(image, x, y)) - Palette];
  return out;
}

}  // namespace

// ---------------------------------------------------------------- BitBlt

TEST(BitBlt, RasterOpsCombineTheRgbBytes) {
  const QImage dst = MakeSurface(2, 1, qRgb(0x12, 0x34, 0x56));
  const QImage src = MakeSurface(2, 1, qRgb(0xF0, 0x0F, 0xF0));
  const struct { RasterOp op; QRgb result; } ops[] = {
      {RasterOp::SRCCOPY, qRgb(0xF0, 0x0F, 0xF0)}, {RasterOp::SRCAND, qRgb(0x10, 0x04, 0x50)}, {RasterOp::SRCPAINT, qRgb(0xF2, 0x3F, 0xF6)}};
  for (const auto& o : ops) {
    QImage out = dst;
    ASSERT_TRUE(BitBlt(out, 0, 0, 2, 1, src, 0, 0, o.op));
    EXPECT_EQ(At(out, 0, 0), o.result);
    EXPECT_EQ(At(out, 1, 0), o.result);
  }
  // The untouched original shows the copies did not write through shared data.
  EXPECT_EQ(At(dst, 0, 0), qRgb(0x12, 0x34, 0x56));

  // A block overlapping itself within one surface.
  QImage img = FromArt("r#b..\n");
  BitBlt(img, 1, 0, 3, 1, img, 0, 0, RasterOp::SRCCOPY);
  EXPECT_EQ(ToArt(img), "rr#b.\n");
}

// ---------------------------------------------------------------- pointer

TEST(Pointer, DrawsThroughTheMaskAndErasesBackExactly) {
  // Where the mask is white and the pointer black the picture shows through;
  // where the mask is black the pointer colour shows. Also half off the
  // picture on each side.
  const QImage original = FromArt("rrrrr\nr###r\nrb.br\nrrrrr\n");
  const std::string pointerAndMask = "#b#  .#.\nbbb  ###\n#b#  .#.\n";
  const QImage pointer = FromArt(pointerAndMask), mask = FromArt(pointerAndMask, 1);
  for (const auto& [left, top] : {std::pair{1, 1}, std::pair{1, -1}, std::pair{3, 2}, std::pair{-1, -2}}) {
    SCOPED_TRACE(testing::Message() << "pointer at " << left << "," << top);
    QImage picture = original;
    QImage saved;
    DrawPointer(picture, pointer, mask, saved, left, top);
    for (int py = 0; py < 3; ++py)
      for (int px = 0; px < 3; ++px) {
        const int x = left + px, y = top + py;
        if (x < 0 || y < 0 || x >= 5 || y >= 4) continue;
        EXPECT_EQ(At(picture, x, y), At(mask, px, py) == Black ? Blue : At(original, x, y)) << px << "," << py;
      }
    ErasePointer(picture, saved, left, top, pointer.width(), pointer.height());
    EXPECT_EQ(ToArt(picture), ToArt(original));
  }
}

// ---------------------------------------------------------------- flood fill

// Solid fills within black borders, drawn "before  after"; a case drawn
// without its after picture must fill nothing.
const struct { const char* what; int x, y; QRgb colour; std::string art; } FillCases[] = {
    {"a box; the blue pixel inside is no border and takes the brush", 2, 2, Red,
     ".......  .......\n"
     ".#####.  .#####.\n"
     ".#...#.  .#rrr#.\n"
     ".#.b.#.  .#rrr#.\n"
     ".#####.  .#####.\n"
     ".......  .......\n"},
    // Single pixels touching only at corners: a 4-way fill must not slip between them.
    {"diagonal-only border, above", 0, 0, Red, "...#  rrr#\n..#.  rr#.\n.#..  r#..\n#...  #...\n"},
    {"diagonal-only border, below", 3, 3, Blue, "rrr#  rrr#\nrr#.  rr#b\nr#..  r#bb\n#...  #bbb\n"},
    {"a U: the scanline fill comes back round both arms", 0, 0, Blue,
     ".#.#.  b#b#b\n"
     ".#.#.  b#b#b\n"
     ".....  bbbbb\n"
     "#####  #####\n"},
    {"seed on the border", 1, 0, Red, ".#.\n.#.\n"},
    {"seed left of the surface", -1, 0, Red, ".#.\n.#.\n"},
    {"seed right of the surface", 3, 1, Red, ".#.\n.#.\n"},
    {"seed below the surface", 0, 2, Red, ".#.\n.#.\n"},
};

TEST(FloodFill, PaintsExactlyTheRegionInsideTheBorder) {
  for (const auto& c : FillCases) {
    SCOPED_TRACE(c.what);
    // The region found holds each changed pixel once: its spans never overlap.
    QImage img = FromArt(c.art);
    const std::string before = ToArt(img), after = ToArt(FromArt(c.art, 1));
    long long changed = 0;
    for (size_t i = 0; i < after.size(); ++i) changed += after[i] != before[i];
    EXPECT_EQ(FindFillRegion(img, c.x, c.y, Black).pixelCount(), changed);
    // The same region on a surface loaded in another format.
    const QImage rgb888 = img.convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(ToArt(rgb888), before);
    EXPECT_EQ(FindFillRegion(rgb888, c.x, c.y, Black).pixelCount(), changed);
    EXPECT_EQ(FloodFill(img, c.x, c.y, Black, {c.colour, BrushStyle::Solid}), changed > 0);
    EXPECT_EQ(ToArt(img), after);
  }
}

TEST(FloodFill, WholeLargeSurfaceAndASerpentine) {
  QImage open = MakeSurface(400, 400);
  EXPECT_EQ(FindFillRegion(open, 200, 200, Black).pixelCount(), 400LL * 400LL);

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

TEST(FloodFill, EachColouringStyleMatchesTheGdiPattern) {
  // The patterns by their geometry, on the surface's own coordinates.
  const auto horizontal = [](int, int y) { return y % 8 == 3; };
  const auto vertical = [](int x, int) { return x % 8 == 4; };
  const auto falling = [](int x, int y) { return x % 8 == y % 8; };
  const auto rising = [](int x, int y) { return (x + y) % 8 == 7; };
  const std::function<bool(int, int)> covers[] = {
      [](int, int) { return true; },  // 0: solid
      horizontal, vertical, falling, rising,
      [&](int x, int y) { return horizontal(x, y) || vertical(x, y); },
      [&](int x, int y) { return falling(x, y) || rising(x, y); },
  };
  for (int style = 0; style <= 6; ++style) {
    SCOPED_TRACE(testing::Message() << "ColoringStyle " << style);
    // Pre-coloured blue: the gaps between the lines must stay blue. The seed
    // is off the pattern's grid, so alignment comes from the surface origin.
    QImage img = MakeSurface(19, 13, Blue);
    const Brush brush{Red, BrushStyleForColoringStyle(style)};
    ASSERT_TRUE(FloodFill(img, 11, 5, Black, brush));
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        ASSERT_EQ(At(img, x, y), covers[style](x, y) ? Red : Blue) << x << "," << y;
        ASSERT_EQ(BrushCovers(brush.style, x, y), covers[style](x, y));
      }
  }
  EXPECT_EQ(BrushStyleForColoringStyle(7), BrushStyle::Solid);  // a hand-edited setting
}

// ---------------------------------------------------------------- drawing

TEST(Drawing, LinesLeaveOutTheEndPointAndRectanglesAreOutlines) {
  QImage img = MakeSurface(6, 5);
  DrawLine(img, 0, 0, 5, 0, Black);
  DrawLine(img, 0, 1, 3, 4, Red);
  DrawLine(img, 5, 4, 5, 4, Blue);  // a point: nothing
  EXPECT_EQ(ToArt(img), "#####.\nr.....\n.r....\n..r...\n......\n");

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
