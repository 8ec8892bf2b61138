#include "pictures/pointer_placement.h"

#include "platform/raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pictures {

namespace {

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

bool IsMaskBlack(QRgb c) { return (c & 0x00FFFFFFu) == 0; }

// Where a pixel (x, y) of the pointer as drawn (w x h, pointing down) lies in
// the pointer turned to `turn`.
QPoint TurnPixel(int x, int y, int w, int h, PointerTurn turn) {
  switch (turn) {
    case PointerTurn::Down: return {x, y};
    case PointerTurn::Up: return {x, h - 1 - y};
    case PointerTurn::Left: return {h - 1 - y, x};   // a quarter turn clockwise
    case PointerTurn::Right: return {y, w - 1 - x};  // a quarter turn anticlockwise
  }
  return {x, y};
}

// The top-left corner of a pointer (w x h as drawn) turned to `turn` whose
// tip points at `tip`: the tip pixel lies just beyond the middle of the edge
// the tip is drawn on.
QPoint CornerFor(const QPoint& tip, int w, int h, PointerTurn turn) {
  switch (turn) {
    case PointerTurn::Down: return {RoundHalfEven(tip.x() - w / 2.0), tip.y() - h};
    case PointerTurn::Up: return {RoundHalfEven(tip.x() - w / 2.0), tip.y() + 1};
    case PointerTurn::Left: return {tip.x() + 1, RoundHalfEven(tip.y() - w / 2.0)};
    case PointerTurn::Right: return {tip.x() - h, RoundHalfEven(tip.y() - w / 2.0) + 1};
  }
  return {};
}

// The tip's pixels relative to the turned pointer's corner.
std::vector<QPoint> TipOffsets(const QImage& mask, int scale, PointerTurn turn) {
  std::vector<QPoint> out;
  const int w = mask.width(), h = mask.height();
  for (int y = std::max(0, h - scale); y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (IsMaskBlack(mask.pixel(x, y))) out.push_back(TurnPixel(x, y, w, h, turn));
  return out;
}

}  // namespace

QImage ScalePointerImage(const QImage& image, int scale) {
  if (scale <= 1 || image.isNull()) return image;
  return image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage TurnPointer(const QImage& image, PointerTurn turn) {
  if (turn == PointerTurn::Down || image.isNull()) return image;
  const QImage src = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  const int w = src.width(), h = src.height();
  const bool across = turn == PointerTurn::Left || turn == PointerTurn::Right;
  QImage out(across ? h : w, across ? w : h, src.format());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.setPixel(TurnPixel(x, y, w, h, turn), src.pixel(x, y));
  return out;
}

std::vector<QPoint> PointerTipPixels(const QImage& mask, int scale, const PointerPlace& place) {
  std::vector<QPoint> out = TipOffsets(mask, std::max(1, scale), place.turn);
  for (QPoint& p : out) p += QPoint(place.left, place.top);
  return out;
}

PointerPlace PlacePointer(const QImage& picture, const Seed& seed, const QImage& mask, int scale) {
  const int w = mask.width(), h = mask.height();
  PointerPlace place;
  place.tip = QPoint(seed.x, seed.y);
  if (scale <= 1) {
    place.left = std::max(1, RoundHalfEven(seed.x - w / 2.0));
    place.top = RoundHalfEven(seed.y - static_cast<double>(h));
    return place;
  }

  const int pw = picture.width(), ph = picture.height();
  const platform::FillRegion region = platform::FindFillRegion(picture, seed.x, seed.y, qRgb(0, 0, 0));
  std::vector<uint8_t> inside(static_cast<size_t>(std::max(0, pw)) * std::max(0, ph), 0);
  for (const platform::Span& s : region.spans)
    std::fill_n(inside.begin() + static_cast<long>(s.y) * pw + s.x0, s.x1 - s.x0 + 1, 1);
  auto in = [&](const QPoint& p) {
    return p.x() >= 0 && p.y() >= 0 && p.x() < pw && p.y() < ph && inside[static_cast<size_t>(p.y()) * pw + p.x()];
  };

  for (const PointerTurn turn : {PointerTurn::Down, PointerTurn::Up, PointerTurn::Left, PointerTurn::Right}) {
    const bool across = turn == PointerTurn::Left || turn == PointerTurn::Right;
    const int tw = across ? h : w, th = across ? w : h;
    const std::vector<QPoint> tipOffsets = TipOffsets(mask, scale, turn);
    auto fits = [&](const QPoint& tip, QPoint* corner) {
      const QPoint c = CornerFor(tip, w, h, turn);
      if (c.x() < 0 || c.y() < 0 || c.x() + tw > pw || c.y() + th > ph) return false;
      for (const QPoint& o : tipOffsets)
        if (!in(c + o)) return false;
      *corner = c;
      return true;
    };
    QPoint corner, bestTip;
    long long best = std::numeric_limits<long long>::max();
    for (const platform::Span& s : region.spans) {
      for (int x = s.x0; x <= s.x1; ++x) {
        const long long dx = x - seed.x, dy = s.y - seed.y;
        const long long d2 = dx * dx + dy * dy;
        QPoint c;
        if (d2 < best && fits(QPoint(x, s.y), &c)) {
          best = d2;
          corner = c;
          bestTip = QPoint(x, s.y);
        }
      }
    }
    if (best != std::numeric_limits<long long>::max()) {
      place.left = corner.x();
      place.top = corner.y();
      place.turn = turn;
      place.tip = bestTip;
      return place;
    }
  }

  // No place has the tip in the section (a sliver in a corner): upright,
  // as near the seed as the picture allows.
  place.left = std::clamp(RoundHalfEven(seed.x - w / 2.0), 0, std::max(0, pw - w));
  place.top = std::clamp(seed.y - h, 0, std::max(0, ph - h));
  place.tipInSection = false;
  return place;
}

}  // namespace pictures
