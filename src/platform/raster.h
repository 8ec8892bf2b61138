#pragma once
// Raster operations on QImage surfaces, in the manner of the GDI calls the
// colouring session is built on: block transfers with a raster operation,
// border-mode flood fill with solid and hatch brushes, pixels, lines and
// rectangle outlines. Pure functions: no widgets, cursors, sounds or events.
//
// Every surface is worked on as QImage::Format_RGB32. A destination in
// another format is converted in place first; a source in another format is
// converted to a temporary copy. Colours are compared on their red, green and
// blue bytes only (the alpha byte of an RGB32 pixel is always 0xFF).

#include <QImage>
#include <QRect>
#include <QRgb>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// ---------------------------------------------------------------- surfaces

// Converts `image` to Format_RGB32 in place when it is in another format.
void EnsureRgb32(QImage& image);

// A new white RGB32 surface of the given size.
QImage MakeSurface(int width, int height, QRgb fill = qRgb(255, 255, 255));

// ---------------------------------------------------------------- BitBlt

enum class RasterOp {
  SRCCOPY,   // destination := source
  SRCAND,    // destination := destination AND source (per RGB byte)
  SRCPAINT,  // destination := destination OR source (per RGB byte)
};

// Transfers the w x h block of `src` at (sx, sy) to `dst` at (dx, dy).
// The block is clipped at the edges of both images, so negative positions
// work (the part outside is simply not transferred, and the rest keeps its
// place). Returns false when nothing was left to transfer.
// `src` may be `dst` itself; overlapping blocks are handled.
bool BitBlt(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy,
            RasterOp op);

// ---------------------------------------------------------------- brushes

enum class BrushStyle {
  Solid,
  HS_HORIZONTAL,
  HS_VERTICAL,
  HS_FDIAGONAL,  // 45 degrees, falling from left to right
  HS_BDIAGONAL,  // 45 degrees, rising from left to right
  HS_CROSS,
  HS_DIAGCROSS,
};

struct Brush {
  QRgb colour = qRgb(255, 255, 255);
  BrushStyle style = BrushStyle::Solid;
};

// The brush style of the colouring setting 0..6 (0 solid, 1 horizontal,
// 2 vertical, 3 falling diagonal, 4 rising diagonal, 5 cross, 6 diagonal
// cross). A value outside 0..6 (a hand-edited settings file) gives Solid.
BrushStyle BrushStyleForColoringStyle(int coloringStyle);

// The 8x8 pattern of a hatch: 8 rows from top to bottom, one byte each, the
// most significant bit being the leftmost pixel. Solid has every bit set.
const std::array<std::uint8_t, 8>& HatchRows(BrushStyle style);

// Whether the brush puts its colour on surface pixel (x, y). Patterns are
// repeated from the surface origin, so a hatch lines up across sections.
bool BrushCovers(BrushStyle style, int x, int y);

// ---------------------------------------------------------------- flood fill

// One horizontal run of a fill region: pixels x0..x1 (both included) of row y.
struct Span {
  int y = 0;
  int x0 = 0;
  int x1 = 0;
  bool operator==(const Span&) const = default;
};

// The pixels a border-mode fill reaches, as runs of rows.
struct FillRegion {
  std::vector<Span> spans;  // in the order they were found, never overlapping
  long long pixelCount() const;
  bool empty() const { return spans.empty(); }
};

// Step 1 of a fill: every pixel 4-connected to the seed whose colour is not
// `border`. Empty when the seed lies outside the image or is itself the
// border colour. Uses an explicit work list, so any region size is safe.
FillRegion FindFillRegion(const QImage& image, int seedX, int seedY, QRgb border);

// Step 2 of a fill: puts the brush on the region. A solid brush colours
// every pixel; a hatch colours only the pattern's set bits and leaves the
// pixels between its lines as they are.
void PaintRegion(QImage& image, const FillRegion& region, const Brush& brush);

// FloodFill in border mode: both steps. Returns false when nothing was filled
// (seed outside the image or on the border colour).
bool FloodFill(QImage& image, int seedX, int seedY, QRgb border, const Brush& brush);

// ---------------------------------------------------------------- drawing

// Sets one pixel; a position outside the image is ignored.
void SetPixel(QImage& image, int x, int y, QRgb colour);
// The RGB of one pixel (alpha forced to 0xFF); nothing outside the image.
std::optional<QRgb> GetPixel(const QImage& image, int x, int y);

// A one-pixel line from (x0, y0) towards (x1, y1). As with GDI's LineTo, the
// end point itself is not drawn (a line from a point to itself draws
// nothing). Pixels outside the image are skipped.
void DrawLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour);

// The one-pixel outline of `rect` (its edge pixels: left..right and
// top..bottom, both included, as QRect counts them), clipped to the image.
void DrawRectangleOutline(QImage& image, const QRect& rect, QRgb colour);

// ---------------------------------------------------------------- pointer

// Draws a masked pointer onto `picture` with its top-left corner at
// (left, top): first saves the part of the picture under it into `saved`
// (made the size of `mask`), then combines `mask` by AND and `pointer` by OR.
// Where the mask is white and the pointer black the picture shows through.
void DrawPointer(QImage& picture, const QImage& pointer, const QImage& mask, QImage& saved,
                 int left, int top);

// Puts the saved part back over the pointer at (left, top) (plain copy of
// `width` x `height` pixels of `saved`).
void ErasePointer(QImage& picture, const QImage& saved, int left, int top, int width, int height);

// ---------------------------------------------------------------- fade

// The colours of the fade fill, from white towards `target`: a factor f
// starts at 1.0 and drops by 0.02 per pass while it stays >= 0 (50 passes in
// double arithmetic); each component is round(f * (255 - c) + c), halves to
// even. The last colour is the target lightened by about 2 %.
std::vector<QRgb> FadeColours(QRgb target);

}  // namespace platform
