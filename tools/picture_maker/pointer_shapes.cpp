#include "pointer_shapes.h"

#include <QImageReader>
#include <algorithm>

namespace pictures {

namespace {
bool IsBlack(QRgb c) { return (c & 0x00FFFFFFu) == 0; }
}  // namespace

std::vector<QImage> LoadPointerMasks(const QString& folder, QString* problem) {
  std::vector<QImage> masks;
  for (const char* name : {"aobj_pbm.bmp", "aobj_pbm2.bmp", "aobj_pbm3.bmp"}) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    QImageReader reader(path);
    const QImage mask = reader.read();
    if (mask.isNull()) {
      if (problem) *problem = QStringLiteral("%1: %2").arg(path, reader.errorString());
      return {};
    }
    masks.push_back(mask.convertToFormat(QImage::Format_RGB32));
  }
  return masks;
}

std::vector<QImage> StandInPointerMasks() {
  QImage rect(40, 48, QImage::Format_RGB32);
  rect.fill(qRgb(0, 0, 0));
  return {rect};
}

QImage UnionMask(const std::vector<QImage>& masks) {
  if (masks.empty()) return {};
  QImage out(masks.front().size(), QImage::Format_RGB32);
  out.fill(qRgb(255, 255, 255));
  for (const QImage& m : masks)
    for (int y = 0; y < std::min(m.height(), out.height()); ++y)
      for (int x = 0; x < std::min(m.width(), out.width()); ++x)
        if (IsBlack(m.pixel(x, y))) out.setPixel(x, y, qRgb(0, 0, 0));
  return out;
}

PointerCover::PointerCover(const QImage& mask, const std::vector<uint8_t>& inside, int w, int h)
    : prefix_(static_cast<size_t>(h) * (w + 1), 0), w_(w), h_(h) {
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (!IsBlack(mask.pixel(x, y))) continue;
      int end = x;
      while (end + 1 < mask.width() && IsBlack(mask.pixel(end + 1, y))) ++end;
      runs_.push_back({y, x, end});
      maskPixels_ += end - x + 1;
      x = end;
    }
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      prefix_[static_cast<size_t>(y) * (w + 1) + x + 1] =
          prefix_[static_cast<size_t>(y) * (w + 1) + x] + (inside[static_cast<size_t>(y) * w + x] ? 1 : 0);
}

int PointerCover::Covered(int left, int top) const {
  int n = 0;
  for (const Run& r : runs_) {
    const int y = top + r.row;
    if (y < 0 || y >= h_) continue;
    const int a = std::clamp(left + r.x0, 0, w_), b = std::clamp(left + r.x1 + 1, 0, w_);
    if (b > a) n += prefix_[static_cast<size_t>(y) * (w_ + 1) + b] - prefix_[static_cast<size_t>(y) * (w_ + 1) + a];
  }
  return n;
}

int PointerCover::InPicture(int left, int top) const {
  int n = 0;
  for (const Run& r : runs_) {
    const int y = top + r.row;
    if (y < 0 || y >= h_) continue;
    n += std::max(0, std::min(left + r.x1 + 1, w_) - std::max(left + r.x0, 0));
  }
  return n;
}

}  // namespace pictures
