#include "image_pipeline.h"

#include "picture_maker.h"
#include "platform/picture_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <map>
#include <numeric>

namespace workshop {
namespace {

// Files larger than this on a side are refused before decoding; up to it a
// photo is decoded at a reduced size.
constexpr int MaxSourceSide = 20000;

int Gray(QRgb c) {
  // On white paper: a transparent pixel is paper.
  const int a = qAlpha(c);
  return (qGray(c) * a + 255 * (255 - a)) / 255;
}

// Separable box blur of one channel plane, `passes` times (close to a Gaussian).
void BoxBlur(std::vector<float>& plane, int w, int h, int radius, int passes) {
  if (radius < 1) return;
  std::vector<float> tmp(plane.size());
  const float scale = 1.0f / static_cast<float>(2 * radius + 1);
  for (int p = 0; p < passes; ++p) {
    for (int y = 0; y < h; ++y) {
      const float* in = &plane[static_cast<size_t>(y) * w];
      float* out = &tmp[static_cast<size_t>(y) * w];
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += in[std::clamp(k, 0, w - 1)];
      for (int x = 0; x < w; ++x) {
        out[x] = sum * scale;
        sum += in[std::min(x + radius + 1, w - 1)] - in[std::max(x - radius, 0)];
      }
    }
    for (int x = 0; x < w; ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += tmp[static_cast<size_t>(std::clamp(k, 0, h - 1)) * w + x];
      for (int y = 0; y < h; ++y) {
        plane[static_cast<size_t>(y) * w + x] = sum * scale;
        sum += tmp[static_cast<size_t>(std::min(y + radius + 1, h - 1)) * w + x] -
               tmp[static_cast<size_t>(std::max(y - radius, 0)) * w + x];
      }
    }
  }
}

// Groups the pixels' colours into `k` tones (k-means, started from tones
// spread over the lightness range, so the result does not depend on chance).
std::vector<int> GroupTones(const std::vector<float>& r, const std::vector<float>& g, const std::vector<float>& b, int k) {
  const size_t n = r.size();
  std::vector<size_t> byLight(n);
  std::iota(byLight.begin(), byLight.end(), size_t{0});
  auto light = [&](size_t i) { return 0.3f * r[i] + 0.59f * g[i] + 0.11f * b[i]; };
  std::sort(byLight.begin(), byLight.end(), [&](size_t a, size_t c) { return light(a) < light(c); });
  std::vector<std::array<float, 3>> centre(k);
  for (int c = 0; c < k; ++c) {
    const size_t i = byLight[std::min(n - 1, static_cast<size_t>((c + 0.5) * n / k))];
    centre[c] = {r[i], g[i], b[i]};
  }
  std::vector<int> tone(n, 0);
  for (int round = 0; round < 12; ++round) {
    std::vector<std::array<double, 4>> sum(k, {0, 0, 0, 0});
    for (size_t i = 0; i < n; ++i) {
      int best = 0;
      float bestD = 1e30f;
      for (int c = 0; c < k; ++c) {
        const float dr = r[i] - centre[c][0], dg = g[i] - centre[c][1], db = b[i] - centre[c][2];
        const float d = dr * dr + dg * dg + db * db;
        if (d < bestD) {
          bestD = d;
          best = c;
        }
      }
      tone[i] = best;
      sum[best][0] += r[i];
      sum[best][1] += g[i];
      sum[best][2] += b[i];
      sum[best][3] += 1;
    }
    for (int c = 0; c < k; ++c)
      if (sum[c][3] > 0)
        centre[c] = {static_cast<float>(sum[c][0] / sum[c][3]), static_cast<float>(sum[c][1] / sum[c][3]),
                     static_cast<float>(sum[c][2] / sum[c][3])};
  }
  return tone;
}

// Each cell takes the tone most of its 3 x 3 neighbourhood has (ties keep
// its own), which smooths ragged edges between tones.
void MajorityFilter(std::vector<int>& tone, int w, int h, int k) {
  std::vector<int> out(tone.size());
  std::vector<int> count(k);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::fill(count.begin(), count.end(), 0);
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = std::clamp(x + dx, 0, w - 1), ny = std::clamp(y + dy, 0, h - 1);
          ++count[tone[static_cast<size_t>(ny) * w + nx]];
        }
      const int own = tone[static_cast<size_t>(y) * w + x];
      int best = own;
      for (int c = 0; c < k; ++c)
        if (count[c] > count[best]) best = c;
      out[static_cast<size_t>(y) * w + x] = best;
    }
  }
  tone.swap(out);
}

// How strongly the colour changes at each cell (Sobel, summed over the
// three channels).
std::vector<float> EdgeStrength(const std::vector<float>& r, const std::vector<float>& g, const std::vector<float>& b, int w, int h) {
  std::vector<float> out(r.size(), 0.0f);
  for (int y = 1; y + 1 < h; ++y)
    for (int x = 1; x + 1 < w; ++x) {
      float sum = 0;
      for (const auto* p : {&r, &g, &b}) {
        const auto& c = *p;
        auto at = [&](int dx, int dy) { return c[static_cast<size_t>(y + dy) * w + x + dx]; };
        const float gx = at(1, -1) + 2 * at(1, 0) + at(1, 1) - at(-1, -1) - 2 * at(-1, 0) - at(-1, 1);
        const float gy = at(-1, 1) + 2 * at(0, 1) + at(1, 1) - at(-1, -1) - 2 * at(0, -1) - at(1, -1);
        sum += std::abs(gx) + std::abs(gy);
      }
      out[static_cast<size_t>(y) * w + x] = sum / 8.0f;
    }
  return out;
}

// Gives every cell of no area to the nearest area (breadth first), so the
// areas meet in the middle of the edge zones between them.
void GrowIntoEdges(std::vector<int>& area, int w, int h) {
  std::deque<int> queue;
  for (int i = 0; i < w * h; ++i)
    if (area[i] >= 0) queue.push_back(i);
  while (!queue.empty()) {
    const int i = queue.front();
    queue.pop_front();
    const int x = i % w, y = i / w;
    const int next[4] = {x > 0 ? i - 1 : -1, x + 1 < w ? i + 1 : -1, y > 0 ? i - w : -1, y + 1 < h ? i + w : -1};
    for (int j : next)
      if (j >= 0 && area[j] < 0) {
        area[j] = area[i];
        queue.push_back(j);
      }
  }
}

struct AreaRules {
  int minArea = 600;     // smaller areas are joined to a neighbour
  int target = 20;       // at most this many areas stay
  double similar = 30;   // neighbours closer in colour than this are joined
};

// Joins areas into larger ones: first thin strips (the halo of an in-between
// tone that blurring leaves along an edge) and areas smaller than
// `minArea`, each to the neighbour closest in colour; then, while there are
// more than `target` areas or two neighbours look alike, the two neighbours
// closest in colour. Returns, for every area, the area it became part of.
std::vector<int> JoinAreas(const std::vector<int>& area, int w, int h, int count, const std::vector<float>& r,
                           const std::vector<float>& g, const std::vector<float>& b, const AreaRules& rules) {
  // How far inside each area reaches from its edge: a strip never gets far.
  std::vector<uint8_t> edge(area.size(), 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      edge[i] = (x + 1 < w && area[i + 1] != area[i]) || (x > 0 && area[i - 1] != area[i]) ||
                (y + 1 < h && area[i + w] != area[i]) || (y > 0 && area[i - w] != area[i]);
    }
  const std::vector<double> depth = pictures::DistanceSquared(edge, w, h);
  std::vector<double> deepest(count, 0);
  std::vector<double> size(count, 0);
  std::vector<std::array<double, 3>> colour(count, {0, 0, 0});
  for (size_t i = 0; i < area.size(); ++i) {
    const int a = area[i];
    deepest[a] = std::max(deepest[a], depth[i]);
    size[a] += 1;
    colour[a][0] += r[i];
    colour[a][1] += g[i];
    colour[a][2] += b[i];
  }
  for (int a = 0; a < count; ++a)
    for (double& c : colour[a]) c /= std::max(1.0, size[a]);
  constexpr double StripDepth = 4.0 * 4.0;
  std::vector<uint8_t> thin(count);
  for (int a = 0; a < count; ++a) thin[a] = deepest[a] < StripDepth;

  std::vector<std::map<int, int>> border(count);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int a = area[static_cast<size_t>(y) * w + x];
      if (x + 1 < w) {
        const int c = area[static_cast<size_t>(y) * w + x + 1];
        if (c != a) ++border[a][c], ++border[c][a];
      }
      if (y + 1 < h) {
        const int c = area[static_cast<size_t>(y + 1) * w + x];
        if (c != a) ++border[a][c], ++border[c][a];
      }
    }
  auto difference = [&](int a, int c) {
    const double dr = colour[a][0] - colour[c][0], dg = colour[a][1] - colour[c][1], db = colour[a][2] - colour[c][2];
    return std::sqrt(2 * dr * dr + 4 * dg * dg + 3 * db * db) / 3.0;
  };
  std::vector<int> into(count);
  std::iota(into.begin(), into.end(), 0);
  std::vector<uint8_t> alive(count, 1);
  int living = count;
  auto join = [&](int a, int c) {  // a goes into c
    for (const auto& [d, n] : border[a]) {
      border[d].erase(a);
      if (d == c) continue;
      border[c][d] += n;
      border[d][c] += n;
    }
    border[a].clear();
    for (int k = 0; k < 3; ++k) colour[c][k] = (colour[c][k] * size[c] + colour[a][k] * size[a]) / (size[c] + size[a]);
    size[c] += size[a];
    thin[c] = thin[c] && thin[a];
    alive[a] = 0;
    into[a] = c;
    --living;
  };
  // Strips and crumbs first, the smallest first.
  while (true) {
    int smallest = -1;
    for (int a = 0; a < count; ++a)
      if (alive[a] && !border[a].empty() && (thin[a] || size[a] < rules.minArea) && (smallest < 0 || size[a] < size[smallest]))
        smallest = a;
    if (smallest < 0) break;
    int best = -1;
    for (const auto& [c, n] : border[smallest])
      if (best < 0 || difference(smallest, c) < difference(smallest, best)) best = c;
    join(smallest, best);
  }
  // Then the neighbours most alike.
  while (living > 1) {
    int bestA = -1, bestC = -1;
    double bestD = 1e30;
    for (int a = 0; a < count; ++a) {
      if (!alive[a]) continue;
      for (const auto& [c, n] : border[a]) {
        if (c < a) continue;
        const double d = difference(a, c);
        if (d < bestD) bestD = d, bestA = a, bestC = c;
      }
    }
    if (bestA < 0 || (living <= rules.target && bestD >= rules.similar)) break;
    if (size[bestA] > size[bestC]) std::swap(bestA, bestC);
    join(bestA, bestC);
  }
  for (int a = 0; a < count; ++a) {
    int root = a;
    while (into[root] != root) root = into[root];
    into[a] = root;
  }
  return into;
}

}  // namespace

SourceImage LoadSourceImage(const QString& path, int workingSide) {
  SourceImage out;
  const QString name = QFileInfo(path).fileName();
  auto refuse = [&](const QString& why) {
    out.problem = QCoreApplication::translate("ImagePipeline", "%1 cannot be used: %2.").arg(name, why);
    return out;
  };
  const QFileInfo info(path);
  if (!info.exists()) return refuse(QCoreApplication::translate("ImagePipeline", "the file does not exist"));
  if (!info.isFile()) return refuse(QCoreApplication::translate("ImagePipeline", "it is a folder, not a picture file"));
  if (!info.isReadable()) return refuse(QCoreApplication::translate("ImagePipeline", "this user may not read it"));
  if (info.size() == 0) return refuse(QCoreApplication::translate("ImagePipeline", "the file is empty"));

  QImageReader reader(path);
  reader.setAutoTransform(true);  // photos taken with the camera turned
  if (!reader.canRead()) return refuse(QCoreApplication::translate("ImagePipeline", "it is not a picture that can be read (PNG, JPEG, BMP, GIF and SVG can)"));
  const bool svg = reader.format() == "svg" || reader.format() == "svgz";
  QString why;
  const QSize size = reader.size();
  // The program's own checks (a damaged BMP, a file that is no picture); a
  // photo larger than a picture may be is fine here, it is shrunk.
  const bool onlyTooLarge = size.isValid() && std::max(size.width(), size.height()) > platform::PictureBox::MaxPictureSide;
  if (!svg && !onlyTooLarge && !platform::CheckPictureFile(path, &why)) return refuse(why);
  if (size.isValid() && (size.width() > MaxSourceSide || size.height() > MaxSourceSide)) {
    return refuse(QCoreApplication::translate("ImagePipeline", "it is too large for the workshop to open; make it smaller in a photo program first"));
  }
  if (size.isValid() && !size.isEmpty() && (svg || std::max(size.width(), size.height()) > workingSide)) {
    reader.setScaledSize(size.scaled(workingSide, workingSide, Qt::KeepAspectRatio));
  }
  reader.setAllocationLimit(512);  // megabytes
  QImage image = reader.read();
  if (image.isNull()) return refuse(QCoreApplication::translate("ImagePipeline", "it could not be decoded (%1)").arg(reader.errorString()));
  if (image.width() > MaxSourceSide || image.height() > MaxSourceSide) {
    return refuse(QCoreApplication::translate("ImagePipeline", "it is too large for the workshop to open; make it smaller in a photo program first"));
  }
  out.original = size.isValid() ? size : image.size();
  out.image = image.convertToFormat(QImage::Format_ARGB32);
  return out;
}

bool LooksLikePhoto(const QImage& image) {
  if (image.isNull()) return false;
  const QImage img = image.convertToFormat(QImage::Format_ARGB32);
  const int step = std::max(1, std::max(img.width(), img.height()) / 200);
  long long samples = 0, midTones = 0;
  for (int y = 0; y < img.height(); y += step) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); x += step) {
      ++samples;
      const int g = Gray(row[x]);
      if (g > 60 && g < 215) ++midTones;
    }
  }
  // Ink on paper is mostly paper; a photo is mostly in between.
  return samples > 0 && midTones * 100 > samples * 35;
}

Mask Threshold(const QImage& image, int level) {
  Mask m;
  if (image.isNull()) return m;
  const QImage img = image.convertToFormat(QImage::Format_ARGB32);
  m.width = img.width();
  m.height = img.height();
  m.cells.assign(static_cast<size_t>(m.width) * m.height, 0);
  for (int y = 0; y < m.height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < m.width; ++x) m.cells[static_cast<size_t>(y) * m.width + x] = Gray(row[x]) < level ? 1 : 0;
  }
  return m;
}

Mask FitLetterbox(const Mask& mask, int margin, QRect* placed) {
  Mask page{Side, Side, std::vector<uint8_t>(Side * Side, 0)};
  if (mask.width < 1 || mask.height < 1) return page;
  const int box = Side - 2 * std::clamp(margin, 0, Side / 2 - 1);
  const double factor = std::min(static_cast<double>(box) / mask.width, static_cast<double>(box) / mask.height);
  const int sw = std::clamp(static_cast<int>(std::lround(mask.width * factor)), 1, box);
  const int sh = std::clamp(static_cast<int>(std::lround(mask.height * factor)), 1, box);
  const int offX = (Side - sw) / 2, offY = (Side - sh) / 2;
  if (placed) *placed = QRect(offX, offY, sw, sh);
  for (int ty = 0; ty < sh; ++ty) {
    const int y0 = std::min(mask.height - 1, static_cast<int>(std::floor(ty / factor)));
    const int y1 = std::clamp(static_cast<int>(std::ceil((ty + 1) / factor)) - 1, y0, mask.height - 1);
    for (int tx = 0; tx < sw; ++tx) {
      const int x0 = std::min(mask.width - 1, static_cast<int>(std::floor(tx / factor)));
      const int x1 = std::clamp(static_cast<int>(std::ceil((tx + 1) / factor)) - 1, x0, mask.width - 1);
      bool any = false;
      for (int y = y0; y <= y1 && !any; ++y)
        for (int x = x0; x <= x1 && !any; ++x) any = mask.at(x, y);
      page.cells[static_cast<size_t>(ty + offY) * Side + tx + offX] = any ? 1 : 0;
    }
  }
  return page;
}

Mask CloseGaps(const Mask& mask, int radius) {
  if (radius < 1 || mask.cells.empty()) return mask;
  // Grow the lines by one more than the radius, then take the radius off
  // again: what the grown lines bridged stays bridged (the ends of a thin
  // line grow round, so a bridge between two of them is thin in its middle
  // and would not survive taking off as much as was added). The lines come
  // out one pixel thicker on each side.
  const double grow = static_cast<double>(radius + 1) * (radius + 1);
  const double shrink = static_cast<double>(radius) * radius;
  const std::vector<double> toLine = pictures::DistanceSquared(mask.cells, mask.width, mask.height);
  std::vector<uint8_t> paper(mask.cells.size());
  for (size_t i = 0; i < paper.size(); ++i) paper[i] = toLine[i] > grow ? 1 : 0;
  const std::vector<double> toPaper = pictures::DistanceSquared(paper, mask.width, mask.height);
  Mask out{mask.width, mask.height, std::vector<uint8_t>(mask.cells.size())};
  for (size_t i = 0; i < paper.size(); ++i) out.cells[i] = (mask.cells[i] || toPaper[i] > shrink) ? 1 : 0;
  return out;
}

QImage ToImage(const Mask& mask) {
  QImage out(mask.width, mask.height, QImage::Format_RGB32);
  for (int y = 0; y < mask.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < mask.width; ++x) row[x] = mask.at(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
  }
  return out;
}

Mask FromImage(const QImage& image) { return Threshold(image, 128); }

CleanResult CleanDrawing(const QImage& drawing, const DrawingOptions& options) {
  CleanResult out;
  if (drawing.isNull()) return out;
  // A drawing made at the picture's size stays pixel for pixel; any other is
  // letterboxed a little inside the page, so no region touches its edge.
  const int margin = drawing.size() == QSize(Side, Side) ? 0 : 4;
  const Mask page = CloseGaps(FitLetterbox(Threshold(drawing, options.threshold), margin), options.gapRadius);
  // The picture tool's own cleaning of a 400 x 400 page: lone dark pixels
  // go (here they are dust, not markers) and one-pixel lines get a second.
  std::vector<pictures::Seed> dust;
  out.lines = pictures::CleanDrawing(ToImage(page), &dust, nullptr, &out.thickened);
  out.dustRemoved = static_cast<int>(dust.size());
  return out;
}

QImage TracePhoto(const QImage& photo, int detail) {
  if (photo.isNull()) return {};
  detail = std::clamp(detail, 1, 10);
  // The photo inside a frame 2 pixels in from the page's edge, so every area
  // of the photo is closed all round.
  constexpr int Frame = 4;
  const QSize fitted = photo.size().scaled(Side - 2 * Frame, Side - 2 * Frame, Qt::KeepAspectRatio);
  const QImage small = photo.convertToFormat(QImage::Format_RGB32)
                           .scaled(fitted.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const int w = small.width(), h = small.height();
  const int offX = (Side - w) / 2, offY = (Side - h) / 2;

  std::vector<float> r(static_cast<size_t>(w) * h), g(r.size()), b(r.size());
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(small.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      r[i] = static_cast<float>(qRed(row[x]));
      g[i] = static_cast<float>(qGreen(row[x]));
      b[i] = static_cast<float>(qBlue(row[x]));
    }
  }
  // Smoothing takes out texture and noise; less of it for more detail.
  const int blur = std::max(1, 6 - detail / 2);
  for (auto* plane : {&r, &g, &b}) BoxBlur(*plane, w, h, blur, 3);

  // Plenty of tones; the joining below decides what stays apart.
  // Many tones; the joining below decides which areas stay apart.
  constexpr int Tones = 12;
  std::vector<int> tone = GroupTones(r, g, b, Tones);
  for (int pass = 0; pass < 2; ++pass) MajorityFilter(tone, w, h, Tones);
  // The edges: where the colour changes fast, the tones are mixed colours of
  // both sides (a halo along every edge). Those cells are left out of the
  // areas at first and shared out between the areas on either side.
  const std::vector<float> edge = EdgeStrength(r, g, b, w, h);
  std::vector<float> sorted = edge;
  std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
  const float strong = std::max(6.0f, 3.0f * sorted[sorted.size() / 2]);
  std::vector<int> calm = tone;
  for (size_t i = 0; i < calm.size(); ++i)
    if (edge[i] > strong) calm[i] = -1;

  std::vector<int> area;
  int count = pictures::LabelAreas(calm, w, h, area);
  if (count == 0) count = pictures::LabelAreas(tone, w, h, area);
  GrowIntoEdges(area, w, h);
  AreaRules rules;
  rules.minArea = 600 + std::max(0, 5 - detail) * 80;
  rules.target = std::min(22, 2 + 2 * detail);
  rules.similar = 34.0 - 2.5 * detail;
  const std::vector<int> into = JoinAreas(area, w, h, count, r, g, b, rules);

  // Outlines where the area changes, two pixels wide, and the frame.
  Mask page{Side, Side, std::vector<uint8_t>(Side * Side, 0)};
  auto set = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < Side && y < Side) page.cells[static_cast<size_t>(y) * Side + x] = 1;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int a = into[area[static_cast<size_t>(y) * w + x]];
      const bool right = x + 1 < w && into[area[static_cast<size_t>(y) * w + x + 1]] != a;
      const bool below = y + 1 < h && into[area[static_cast<size_t>(y + 1) * w + x]] != a;
      if (right) set(offX + x, offY + y), set(offX + x + 1, offY + y);
      if (below) set(offX + x, offY + y), set(offX + x, offY + y + 1);
    }
  for (int k = 1; k <= 2; ++k) {
    for (int x = offX - k; x <= offX + w - 1 + k; ++x) set(x, offY - k), set(x, offY + h - 1 + k);
    for (int y = offY - k; y <= offY + h - 1 + k; ++y) set(offX - k, y), set(offX + w - 1 + k, y);
  }
  std::vector<pictures::Seed> dust;
  return pictures::CleanDrawing(ToImage(page), &dust, nullptr, nullptr);
}

}  // namespace workshop
