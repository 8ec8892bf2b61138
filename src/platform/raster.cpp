#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace platform {

namespace {

constexpr std::uint32_t RgbMask = 0x00FFFFFFu;
constexpr std::uint32_t Opaque = 0xFF000000u;

bool IsDirect32(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32;
}

// A view of the rows of a 32-bit surface without Qt's per-call checks.
struct ConstRows {
  const uchar* base = nullptr;
  qsizetype stride = 0;
  const std::uint32_t* row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(base + stride * y);
  }
};

struct Rows {
  uchar* base = nullptr;
  qsizetype stride = 0;
  std::uint32_t* row(int y) const { return reinterpret_cast<std::uint32_t*>(base + stride * y); }
};

ConstRows ConstRowsOf(const QImage& image) { return {image.constBits(), image.bytesPerLine()}; }
Rows RowsOf(QImage& image) { return {image.bits(), image.bytesPerLine()}; }

// Patterns of the six hatches (8 rows, MSB = leftmost pixel) and of the solid brush.
constexpr std::array<std::uint8_t, 8> SolidRows{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr std::array<std::uint8_t, 8> HorizontalRows{0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00};
constexpr std::array<std::uint8_t, 8> VerticalRows{0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
constexpr std::array<std::uint8_t, 8> FDiagonalRows{0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
constexpr std::array<std::uint8_t, 8> BDiagonalRows{0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
constexpr std::array<std::uint8_t, 8> CrossRows{0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08};
constexpr std::array<std::uint8_t, 8> DiagCrossRows{0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};

}  // namespace

// ---------------------------------------------------------------- surfaces

void EnsureRgb32(QImage& image) {
  if (!image.isNull() && image.format() != QImage::Format_RGB32)
    image = image.convertToFormat(QImage::Format_RGB32);
}

QImage MakeSurface(int width, int height, QRgb fill) {
  QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  image.fill(fill | Opaque);
  return image;
}

// ---------------------------------------------------------------- BitBlt

bool BitBlt(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy,
            RasterOp op) {
  if (dst.isNull() || src.isNull() || w <= 0 || h <= 0) return false;
  EnsureRgb32(dst);

  // Clip against the source, then against the destination; whatever is cut
  // off at a left or top edge moves the other side's origin along with it.
  if (sx < 0) { dx -= sx; w += sx; sx = 0; }
  if (sy < 0) { dy -= sy; h += sy; sy = 0; }
  if (dx < 0) { sx -= dx; w += dx; dx = 0; }
  if (dy < 0) { sy -= dy; h += dy; dy = 0; }
  w = std::min({w, src.width() - sx, dst.width() - dx});
  h = std::min({h, src.height() - sy, dst.height() - dy});
  if (w <= 0 || h <= 0) return false;

  // Work on a copy of the source block when the source is not a plain 32-bit
  // surface or is the destination itself (overlapping blocks).
  QImage block;
  const QImage* from = &src;
  if (&src == &dst || !IsDirect32(src.format())) {
    block = src.copy(sx, sy, w, h).convertToFormat(QImage::Format_RGB32);
    from = &block;
    sx = 0;
    sy = 0;
  }

  const ConstRows in = ConstRowsOf(*from);
  const Rows out = RowsOf(dst);
  for (int row = 0; row < h; ++row) {
    const std::uint32_t* s = in.row(sy + row) + sx;
    std::uint32_t* d = out.row(dy + row) + dx;
    switch (op) {
      case RasterOp::SRCCOPY:
        for (int i = 0; i < w; ++i) d[i] = s[i] | Opaque;
        break;
      case RasterOp::SRCAND:
        for (int i = 0; i < w; ++i) d[i] = (d[i] & s[i]) | Opaque;
        break;
      case RasterOp::SRCPAINT:
        for (int i = 0; i < w; ++i) d[i] = (d[i] | s[i]) | Opaque;
        break;
    }
  }
  return true;
}

// ---------------------------------------------------------------- brushes

BrushStyle BrushStyleForColoringStyle(int coloringStyle) {
  switch (coloringStyle) {
    case 1: return BrushStyle::HS_HORIZONTAL;
    case 2: return BrushStyle::HS_VERTICAL;
    case 3: return BrushStyle::HS_FDIAGONAL;
    case 4: return BrushStyle::HS_BDIAGONAL;
    case 5: return BrushStyle::HS_CROSS;
    case 6: return BrushStyle::HS_DIAGCROSS;
    default: return BrushStyle::Solid;
  }
}

const std::array<std::uint8_t, 8>& HatchRows(BrushStyle style) {
  switch (style) {
    case BrushStyle::HS_HORIZONTAL: return HorizontalRows;
    case BrushStyle::HS_VERTICAL: return VerticalRows;
    case BrushStyle::HS_FDIAGONAL: return FDiagonalRows;
    case BrushStyle::HS_BDIAGONAL: return BDiagonalRows;
    case BrushStyle::HS_CROSS: return CrossRows;
    case BrushStyle::HS_DIAGCROSS: return DiagCrossRows;
    case BrushStyle::Solid: break;
  }
  return SolidRows;
}

bool BrushCovers(BrushStyle style, int x, int y) {
  const std::uint8_t bits = HatchRows(style)[static_cast<unsigned>(y) & 7u];
  return (bits >> (7 - (static_cast<unsigned>(x) & 7u))) & 1u;
}

// ---------------------------------------------------------------- flood fill

long long FillRegion::pixelCount() const {
  long long n = 0;
  for (const Span& s : spans) n += s.x1 - s.x0 + 1;
  return n;
}

FillRegion FindFillRegion(const QImage& image, int seedX, int seedY, QRgb border) {
  FillRegion region;
  if (image.isNull()) return region;
  const int w = image.width();
  const int h = image.height();
  if (seedX < 0 || seedY < 0 || seedX >= w || seedY >= h) return region;

  QImage converted;
  const QImage* surface = &image;
  if (!IsDirect32(image.format())) {
    converted = image.convertToFormat(QImage::Format_RGB32);
    surface = &converted;
  }
  const ConstRows rows = ConstRowsOf(*surface);
  const std::uint32_t edge = border & RgbMask;
  auto open = [edge](std::uint32_t px) { return (px & RgbMask) != edge; };
  if (!open(rows.row(seedY)[seedX])) return region;

  // A run of a row is always found whole (from border to border), so a
  // pixel not yet visited belongs to a run not yet found.
  std::vector<std::uint8_t> visited(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  std::vector<std::pair<int, int>> work;
  work.reserve(256);
  work.emplace_back(seedX, seedY);

  while (!work.empty()) {
    const auto [x, y] = work.back();
    work.pop_back();
    std::uint8_t* seen = visited.data() + static_cast<std::size_t>(y) * w;
    if (seen[x]) continue;

    const std::uint32_t* row = rows.row(y);
    int x0 = x;
    while (x0 > 0 && open(row[x0 - 1])) --x0;
    int x1 = x;
    while (x1 < w - 1 && open(row[x1 + 1])) ++x1;
    std::memset(seen + x0, 1, static_cast<std::size_t>(x1 - x0 + 1));
    region.spans.push_back({y, x0, x1});

    // One work item for each run of open, unvisited pixels above and below.
    for (const int ny : {y - 1, y + 1}) {
      if (ny < 0 || ny >= h) continue;
      const std::uint32_t* next = rows.row(ny);
      const std::uint8_t* nextSeen = visited.data() + static_cast<std::size_t>(ny) * w;
      bool inRun = false;
      for (int nx = x0; nx <= x1; ++nx) {
        const bool candidate = !nextSeen[nx] && open(next[nx]);
        if (candidate && !inRun) work.emplace_back(nx, ny);
        inRun = candidate;
      }
    }
  }
  return region;
}

void PaintRegion(QImage& image, const FillRegion& region, const Brush& brush) {
  if (image.isNull() || region.empty()) return;
  EnsureRgb32(image);
  const Rows rows = RowsOf(image);
  const std::uint32_t colour = brush.colour | Opaque;
  const int w = image.width();
  const int h = image.height();

  if (brush.style == BrushStyle::Solid) {
    for (const Span& s : region.spans) {
      if (s.y < 0 || s.y >= h) continue;
      const int x0 = std::max(s.x0, 0);
      const int x1 = std::min(s.x1, w - 1);
      if (x0 > x1) continue;
      std::uint32_t* row = rows.row(s.y);
      std::fill(row + x0, row + x1 + 1, colour);
    }
    return;
  }

  const auto& pattern = HatchRows(brush.style);
  for (const Span& s : region.spans) {
    if (s.y < 0 || s.y >= h) continue;
    const std::uint8_t bits = pattern[static_cast<unsigned>(s.y) & 7u];
    if (bits == 0) continue;
    const int x0 = std::max(s.x0, 0);
    const int x1 = std::min(s.x1, w - 1);
    std::uint32_t* row = rows.row(s.y);
    for (int x = x0; x <= x1; ++x) {
      if ((bits >> (7 - (x & 7))) & 1) row[x] = colour;
    }
  }
}

bool FloodFill(QImage& image, int seedX, int seedY, QRgb border, const Brush& brush) {
  if (image.isNull()) return false;
  EnsureRgb32(image);
  const FillRegion region = FindFillRegion(image, seedX, seedY, border);
  if (region.empty()) return false;
  PaintRegion(image, region, brush);
  return true;
}

// ---------------------------------------------------------------- drawing

void SetPixel(QImage& image, int x, int y, QRgb colour) {
  if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
  EnsureRgb32(image);
  RowsOf(image).row(y)[x] = colour | Opaque;
}

std::optional<QRgb> GetPixel(const QImage& image, int x, int y) {
  if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height())
    return std::nullopt;
  if (IsDirect32(image.format())) return ConstRowsOf(image).row(y)[x] | Opaque;
  return image.pixel(x, y) | Opaque;
}

void DrawLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
  if (image.isNull()) return;
  EnsureRgb32(image);
  const Rows rows = RowsOf(image);
  const std::uint32_t c = colour | Opaque;
  const int w = image.width();
  const int h = image.height();
  // Bresenham; the loop stops before the end point.
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1;
  const int stepY = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    if (x0 >= 0 && y0 >= 0 && x0 < w && y0 < h) rows.row(y0)[x0] = c;
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += stepX; }
    if (e2 <= dx) { err += dx; y0 += stepY; }
  }
}

void DrawRectangleOutline(QImage& image, const QRect& rect, QRgb colour) {
  if (image.isNull()) return;
  const QRect r = rect.normalized();
  if (r.isEmpty()) return;
  EnsureRgb32(image);
  const QRect clip = r & image.rect();
  if (clip.isEmpty()) return;
  const Rows rows = RowsOf(image);
  const std::uint32_t c = colour | Opaque;
  for (const int y : {r.top(), r.bottom()}) {
    if (y < clip.top() || y > clip.bottom()) continue;
    std::uint32_t* row = rows.row(y);
    std::fill(row + clip.left(), row + clip.right() + 1, c);
  }
  for (int y = clip.top(); y <= clip.bottom(); ++y) {
    std::uint32_t* row = rows.row(y);
    if (r.left() == clip.left()) row[r.left()] = c;
    if (r.right() == clip.right()) row[r.right()] = c;
  }
}

// ---------------------------------------------------------------- pointer

void DrawPointer(QImage& picture, const QImage& pointer, const QImage& mask, QImage& saved,
                 int left, int top) {
  if (saved.size() != mask.size()) saved = MakeSurface(mask.width(), mask.height());
  EnsureRgb32(saved);
  BitBlt(saved, 0, 0, mask.width(), mask.height(), picture, left, top, RasterOp::SRCCOPY);
  BitBlt(picture, left, top, mask.width(), mask.height(), mask, 0, 0, RasterOp::SRCAND);
  BitBlt(picture, left, top, pointer.width(), pointer.height(), pointer, 0, 0, RasterOp::SRCPAINT);
}

void ErasePointer(QImage& picture, const QImage& saved, int left, int top, int width, int height) {
  BitBlt(picture, left, top, width, height, saved, 0, 0, RasterOp::SRCCOPY);
}

// ---------------------------------------------------------------- fade

std::vector<QRgb> FadeColours(QRgb target) {
  const int r = qRed(target);
  const int g = qGreen(target);
  const int b = qBlue(target);
  auto mix = [](double f, int c) {
    // nearbyint rounds in the default mode: to nearest, halves to even.
    const double v = std::nearbyint(f * (255 - c) + c);
    return std::clamp(static_cast<int>(v), 0, 255);
  };
  std::vector<QRgb> colours;
  colours.reserve(51);
  for (double f = 1.0; f >= 0.0; f -= 0.02) colours.push_back(qRgb(mix(f, r), mix(f, g), mix(f, b)));
  return colours;
}

}  // namespace platform
