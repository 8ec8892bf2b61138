#include "camera/motion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace camera {

QImage ShrinkToGrey(const uchar* bytes, int width, int height, int rowStride, int pixelStep) {
  const int bx = std::max(1, width / GreyWidth), by = std::max(1, height / GreyHeight);
  const int w = width / bx, h = height / by;
  if (!bytes || w <= 0 || h <= 0) return {};
  QImage grey(w, h, QImage::Format_Grayscale8);
  const int area = bx * by;
  std::vector<int> sums(static_cast<size_t>(w));
  for (int gy = 0; gy < h; ++gy) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int y = gy * by; y < (gy + 1) * by; ++y) {
      const uchar* row = bytes + static_cast<ptrdiff_t>(y) * rowStride;
      for (int gx = 0; gx < w; ++gx) {
        const uchar* p = row + static_cast<ptrdiff_t>(gx) * bx * pixelStep;
        int s = 0;
        for (int k = 0; k < bx; ++k, p += pixelStep) s += *p;
        sums[static_cast<size_t>(gx)] += s;
      }
    }
    uchar* out = grey.scanLine(gy);
    for (int gx = 0; gx < w; ++gx) out[gx] = static_cast<uchar>(sums[static_cast<size_t>(gx)] / area);
  }
  return grey;
}

QImage ShrinkToGrey(const QImage& image) {
  if (image.isNull()) return {};
  const QImage g = image.convertToFormat(QImage::Format_Grayscale8);
  return ShrinkToGrey(g.constBits(), g.width(), g.height(), static_cast<int>(g.bytesPerLine()), 1);
}

double ThresholdFor(int sensitivity) {
  const int s = std::clamp(sensitivity, 1, 100);
  return 0.5 + (100 - s) * 0.2;
}

void MotionDetector::Reset() {
  previous_ = QImage();
  level_ = {};
  down_ = {};
  still_ = {};
}

void MotionDetector::Feed(const QImage& grey) {
  if (grey.isNull() || grey.format() != QImage::Format_Grayscale8) return;
  if (previous_.size() != grey.size()) {
    previous_ = grey;
    level_ = {};
    down_ = {};
    still_ = {};
    return;
  }
  const int w = grey.width(), h = grey.height();
  const double n = static_cast<double>(w) * h;

  // The whole image's change: grey = gain * previous + offset, least squares
  // over the pixels that are not at the end of the sensor's range (a pixel
  // that is white in both frames says nothing about the gain).
  double sx = 0, sy = 0, sxx = 0, sxy = 0, used = 0;
  for (int y = 0; y < h; ++y) {
    const uchar* a = previous_.constScanLine(y);
    const uchar* b = grey.constScanLine(y);
    for (int x = 0; x < w; ++x) {
      if (a[x] < Dark || a[x] > Bright || b[x] < Dark || b[x] > Bright) continue;
      const double px = a[x], py = b[x];
      sx += px;
      sy += py;
      sxx += px * px;
      sxy += px * py;
      ++used;
    }
  }
  if (used < n / 8) {
    // Nearly all of it black or white: nothing to fit, compare as it is.
    sx = sy = sxx = sxy = 0;
    used = 1;
  }
  const double mx = sx / used, my = sy / used;
  const double var = sxx / used - mx * mx, cov = sxy / used - mx * my;
  // An image of nearly one grey has no gain to fit: its change is an offset.
  const double gain = var > 25 ? std::clamp(cov / var, 0.4, 2.5) : 1.0;
  const double offset = my - gain * mx;

  // What is left after it, and its median over the whole image (a fit pulled
  // a little by a large moving thing is set right by the median).
  std::vector<int16_t> rest(static_cast<size_t>(w) * h);
  int histogram[1024] = {};
  for (int y = 0; y < h; ++y) {
    const uchar* a = previous_.constScanLine(y);
    const uchar* b = grey.constScanLine(y);
    int16_t* r = rest.data() + static_cast<ptrdiff_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      // The expected value clipped as the sensor clips it.
      const double expected = std::clamp(gain * a[x] + offset, 0.0, 255.0);
      const int d = static_cast<int>(std::lround(b[x] - expected));
      r[x] = static_cast<int16_t>(std::clamp(d, -511, 511));
      ++histogram[r[x] + 512];
    }
  }
  int median = 0;
  for (int i = 0, seen = 0; i < 1024; ++i) {
    seen += histogram[i];
    if (seen * 2 >= w * h) {
      median = i - 512;
      break;
    }
  }

  for (int sw = 0; sw < Switches; ++sw) {
    const settings::CameraRegion& r = regions_[sw];
    const int x0 = std::clamp(static_cast<int>(std::lround(r.x * w)), 0, w);
    const int y0 = std::clamp(static_cast<int>(std::lround(r.y * h)), 0, h);
    const int x1 = std::clamp(static_cast<int>(std::lround((r.x + r.w) * w)), x0, w);
    const int y1 = std::clamp(static_cast<int>(std::lround((r.y + r.h) * h)), y0, h);
    const int area = (x1 - x0) * (y1 - y0);
    if (r.empty() || area == 0) {
      level_[sw] = 0;
      down_[sw] = false;
      continue;
    }
    int moved = 0;
    for (int y = y0; y < y1; ++y) {
      const int16_t* row = rest.data() + static_cast<ptrdiff_t>(y) * w;
      for (int x = x0; x < x1; ++x) moved += std::abs(row[x] - median) > PixelNoise;
    }
    level_[sw] = 100.0 * moved / area;
    const bool below = level_[sw] < threshold_[sw] * ReleasePart;
    still_[sw] = below ? still_[sw] + 1 : 0;
    if (!down_[sw] && level_[sw] >= threshold_[sw])
      down_[sw] = true;
    else if (down_[sw] && still_[sw] >= ReleaseFrames)
      down_[sw] = false;
  }
  previous_ = grey;
}

}  // namespace camera
