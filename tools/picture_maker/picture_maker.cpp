#include "picture_maker.h"

#include "pictures/pointer_placement.h"
#include "platform/raster.h"
#include "pointer_shapes.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace pictures {
namespace {

constexpr int N = 400;  // pictures are N x N
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr int kMaxSections = 25;
constexpr int kPointerWidth = PointerWidth;
constexpr int kPointerHeight = PointerHeight;

int Index(int x, int y) { return y * N + x; }

bool IsBlack(QRgb c) { return (c & 0x00FFFFFFu) == 0; }

std::vector<uint8_t> BlackMask(const QImage& img) {
  std::vector<uint8_t> black(N * N);
  for (int y = 0; y < N; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < N; ++x) black[Index(x, y)] = IsBlack(row[x]) ? 1 : 0;
  }
  return black;
}

bool HasWhiteNeighbours(const std::vector<uint8_t>& black, int x, int y) {
  if (x < 2 || y < 2 || x > N - 2 || y > N - 2) return false;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if ((dx || dy) && black[Index(x + dx, y + dy)]) return false;
  return true;
}

QString At(const Seed& s) { return QStringLiteral("(%1, %2)").arg(s.x).arg(s.y); }

// Narrow necks of the regions: parts that an erosion by `radius` cuts apart.
std::vector<OutlineGap> FindGaps(const std::vector<int>& label, const std::vector<double>& dist2, int radius, int minArea) {
  std::vector<uint8_t> core(N * N);
  for (int i = 0; i < N * N; ++i) core[i] = label[i] >= 0 && dist2[i] > radius * radius ? 1 : 0;
  std::vector<int> coreLabel;
  const int cores = LabelComponents(core, N, N, coreLabel);
  std::vector<int> coreSize(cores, 0);
  for (int i = 0; i < N * N; ++i)
    if (coreLabel[i] >= 0) ++coreSize[coreLabel[i]];

  // Grow the cores of some size through their regions: each pixel goes to
  // the nearest core (breadth first, 4-connected).
  std::vector<int> territory(N * N, -1);
  std::vector<int> queue;
  for (int i = 0; i < N * N; ++i) {
    if (coreLabel[i] >= 0 && coreSize[coreLabel[i]] >= 12) {
      territory[i] = coreLabel[i];
      queue.push_back(i);
    }
  }
  for (size_t q = 0; q < queue.size(); ++q) {
    const int i = queue[q];
    const int x = i % N, y = i / N;
    const int next[4] = {x > 0 ? i - 1 : -1, x + 1 < N ? i + 1 : -1, y > 0 ? i - N : -1, y + 1 < N ? i + N : -1};
    for (int j : next) {
      if (j >= 0 && label[j] >= 0 && territory[j] < 0) {
        territory[j] = territory[i];
        queue.push_back(j);
      }
    }
  }
  std::vector<int> area(cores, 0);
  std::vector<int> innermost(cores, -1);
  for (int i = 0; i < N * N; ++i) {
    const int t = territory[i];
    if (t < 0) continue;
    ++area[t];
    if (innermost[t] < 0 || dist2[i] > dist2[innermost[t]]) innermost[t] = i;
  }

  // Pixels on the border between two large territories, by pair.
  std::map<std::pair<int, int>, std::vector<int>> borders;
  for (int y = 0; y < N; ++y) {
    for (int x = 0; x < N; ++x) {
      const int i = Index(x, y);
      const int a = territory[i];
      if (a < 0 || area[a] < minArea) continue;
      const int next[2] = {x + 1 < N ? i + 1 : -1, y + 1 < N ? i + N : -1};
      for (int j : next) {
        if (j < 0) continue;
        const int b = territory[j];
        if (b < 0 || b == a || area[b] < minArea) continue;
        auto& list = borders[{std::min(a, b), std::max(a, b)}];
        list.push_back(i);
        list.push_back(j);
      }
    }
  }

  std::vector<OutlineGap> gaps;
  std::vector<uint8_t> onBorder(N * N, 0);
  for (auto& [pair, pixels] : borders) {
    for (int i : pixels) onBorder[i] = 1;
    // One gap for each 8-connected piece of the border.
    for (int start : pixels) {
      if (onBorder[start] != 1) continue;
      onBorder[start] = 2;
      std::vector<int> piece{start};
      for (size_t k = 0; k < piece.size(); ++k) {
        const int x = piece[k] % N, y = piece[k] / N;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= N || ny >= N) continue;
            const int j = Index(nx, ny);
            if (onBorder[j] == 1) {
              onBorder[j] = 2;
              piece.push_back(j);
            }
          }
      }
      int widest = piece.front();
      for (int i : piece)
        if (dist2[i] > dist2[widest]) widest = i;
      OutlineGap gap;
      gap.at = {widest % N, widest / N};
      gap.width = static_cast<int>(std::lround(2.0 * std::sqrt(dist2[widest])));
      gap.sideA = {innermost[pair.first] % N, innermost[pair.first] / N};
      gap.sideB = {innermost[pair.second] % N, innermost[pair.second] / N};
      gaps.push_back(gap);
    }
    for (int i : pixels) onBorder[i] = 0;
  }
  return gaps;
}

// A 3 x 5 font of the digits, one row a number of three bits.
constexpr std::array<std::array<uint8_t, 5>, 10> kDigits = {{
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
}};

void FillBox(QImage& img, int x0, int y0, int w, int h, QRgb c) {
  for (int y = std::max(0, y0); y < std::min(img.height(), y0 + h); ++y)
    for (int x = std::max(0, x0); x < std::min(img.width(), x0 + w); ++x) img.setPixel(x, y, c);
}

// The number `n`, centred on (cx, y0 .. y0 + 11) on a white box.
void DrawNumber(QImage& img, int n, int cx, int y0) {
  const QString text = QString::number(n);
  const int scale = 2;
  const int w = static_cast<int>(text.size()) * 4 * scale - scale;
  const int x0 = cx - w / 2;
  FillBox(img, x0 - 2, y0 - 2, w + 4, 5 * scale + 4, qRgb(40, 40, 120));
  FillBox(img, x0 - 1, y0 - 1, w + 2, 5 * scale + 2, kWhite);
  for (int k = 0; k < text.size(); ++k) {
    const auto& glyph = kDigits[text[k].digitValue()];
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < 3; ++col)
        if (glyph[row] & (4 >> col)) FillBox(img, x0 + (k * 4 + col) * scale, y0 + row * scale, scale, scale, qRgb(40, 40, 120));
  }
}

QRgb Tint(int k) {
  return QColor::fromHsv((k * 137) % 360, 70, 255).rgb();
}

}  // namespace

// Labels the 4-connected components of the cells where `inside` is true.
// Returns the label of every cell (-1 outside) and the number of labels.
int LabelAreas(const std::vector<int>& tone, int w, int h, std::vector<int>& area) {
  area.assign(tone.size(), -1);
  int count = 0;
  std::vector<int> stack;
  for (int start = 0; start < w * h; ++start) {
    if (area[start] >= 0 || tone[start] < 0) continue;
    area[start] = count;
    stack.push_back(start);
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      const int x = i % w, y = i / w;
      const int next[4] = {x > 0 ? i - 1 : -1, x + 1 < w ? i + 1 : -1, y > 0 ? i - w : -1, y + 1 < h ? i + w : -1};
      for (int j : next) {
        if (j >= 0 && area[j] < 0 && tone[j] == tone[i]) {
          area[j] = count;
          stack.push_back(j);
        }
      }
    }
    ++count;
  }
  return count;
}

int LabelComponents(const std::vector<uint8_t>& inside, int w, int h, std::vector<int>& label) {
  std::vector<int> tone(inside.size());
  for (size_t i = 0; i < inside.size(); ++i) tone[i] = inside[i] ? 0 : -1;
  return LabelAreas(tone, w, h, label);
}

// Squared Euclidean distance of every cell to the nearest feature cell
// (exact, two passes of the lower envelope of parabolas). Cells beyond the
// grid are no features.
std::vector<double> DistanceSquared(const std::vector<uint8_t>& feature, int w, int h) {
  const double inf = 1e20;
  std::vector<double> d(static_cast<size_t>(w) * h);
  for (int i = 0; i < w * h; ++i) d[i] = feature[i] ? 0.0 : inf;
  const int n = std::max(w, h);
  std::vector<double> f(n), out(n), z(n + 1);
  std::vector<int> v(n);
  auto pass = [&](int len) {
    int k = 0;
    v[0] = 0;
    z[0] = -inf;
    z[1] = inf;
    for (int q = 1; q < len; ++q) {
      auto cross = [&](int p) { return ((f[q] + q * q) - (f[p] + p * p)) / (2.0 * q - 2.0 * p); };
      double s = cross(v[k]);
      while (s <= z[k]) {
        --k;
        s = cross(v[k]);
      }
      ++k;
      v[k] = q;
      z[k] = s;
      z[k + 1] = inf;
    }
    k = 0;
    for (int q = 0; q < len; ++q) {
      while (z[k + 1] < q) ++k;
      out[q] = (q - v[k]) * (q - v[k]) + f[v[k]];
    }
  };
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) f[y] = d[static_cast<size_t>(y) * w + x];
    pass(h);
    for (int y = 0; y < h; ++y) d[static_cast<size_t>(y) * w + x] = out[y];
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) f[x] = d[static_cast<size_t>(y) * w + x];
    pass(w);
    for (int x = 0; x < w; ++x) d[static_cast<size_t>(y) * w + x] = std::min(out[x], inf);
  }
  return d;
}

QRect PointerRect(const Seed& seed) {
  // As the session places it: left edge at the seed less half the width (never
  // left of column 1), bottom edge on the row above the seed.
  return QRect(std::max(1, seed.x - kPointerWidth / 2), seed.y - kPointerHeight, kPointerWidth, kPointerHeight);
}

// Where in the region the marker goes: a place with the whole pointer over
// the region first; then well inside (large distance to the outline) and
// with as much of the pointer above it as possible over the region itself.
std::optional<Seed> BestMarker(const std::vector<int>& label, int region, const QRect& bounds, const std::vector<double>& dist2,
                               const MarkerLimits& limits, const QImage& pointerMask) {
  const QImage mask = pointerMask.isNull() ? StandInPointerMasks().front() : pointerMask;
  std::vector<uint8_t> inside(N * N);
  for (int i = 0; i < N * N; ++i) inside[i] = label[i] == region ? 1 : 0;
  const PointerCover pointer(mask, inside, N, N);
  std::optional<Seed> best;
  double bestScore = -1;
  for (int y = std::max({2, bounds.top(), limits.minY}); y <= std::min(N - 2, bounds.bottom()); ++y) {
    for (int x = std::max({2, bounds.left(), limits.minX}); x <= std::min({N - 2, bounds.right(), limits.maxX}); ++x) {
      const int i = Index(x, y);
      if (label[i] != region || dist2[i] < 4.0) continue;
      // Where the session puts the pointer at its own size.
      const PointerPlace at = PlacePointer(QImage(), {x, y}, mask, 1);
      const double cover = static_cast<double>(pointer.Covered(at.left, at.top)) / pointer.MaskPixels();
      const double d = std::sqrt(dist2[i]);
      const double score = (cover >= 1.0 ? 100.0 : 0.0) + std::min(d, 20.0) + 20.0 * cover + d * 1e-3;
      if (score > bestScore) {
        bestScore = score;
        best = Seed{x, y};
      }
    }
  }
  return best;
}

namespace {

// Whether the pointer at its own size, standing on `marker`, lies wholly
// inside the picture and over the region.
bool PointerFits(const std::vector<int>& label, int region, const Seed& marker, const QImage& pointerMask) {
  const QImage mask = pointerMask.isNull() ? StandInPointerMasks().front() : pointerMask;
  std::vector<uint8_t> inside(N * N);
  for (int i = 0; i < N * N; ++i) inside[i] = label[i] == region ? 1 : 0;
  const PointerCover pointer(mask, inside, N, N);
  const PointerPlace at = PlacePointer(QImage(), marker, mask, 1);
  return pointer.Covered(at.left, at.top) == pointer.MaskPixels();
}

}  // namespace

QImage CleanDrawing(const QImage& drawing, std::vector<Seed>* markers, bool* scaled, int* thickened) {
  if (markers) markers->clear();
  if (scaled) *scaled = false;
  if (thickened) *thickened = 0;
  if (drawing.isNull() || drawing.width() < 1 || drawing.height() < 1) return {};

  // Grey levels of the drawing laid on white paper.
  const QImage src = drawing.convertToFormat(QImage::Format_ARGB32);
  const int w = src.width(), h = src.height();
  std::vector<uint8_t> dark(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const int a = qAlpha(in[x]);
      const int g = (qGray(in[x]) * a + 255 * (255 - a)) / 255;
      dark[static_cast<size_t>(y) * w + x] = g < 160 ? 1 : 0;
    }
  }

  // Marker dots: a dark pixel with no dark neighbour. They are taken out
  // before thickening and put back later. In a drawing of another size (a
  // scan, a photo of a page) such pixels are specks of dirt and just go.
  std::vector<std::pair<int, int>> dots;
  for (int y = 1; y + 1 < h; ++y) {
    for (int x = 1; x + 1 < w; ++x) {
      if (!dark[static_cast<size_t>(y) * w + x]) continue;
      bool alone = true;
      for (int dy = -1; dy <= 1 && alone; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if ((dx || dy) && dark[static_cast<size_t>(y + dy) * w + x + dx]) alone = false;
      if (alone) dots.emplace_back(x, y);
    }
  }
  for (auto [x, y] : dots) dark[static_cast<size_t>(y) * w + x] = 0;
  if (w != N || h != N) dots.clear();

  // Onto the page: a page pixel is outline when any drawing pixel under it is
  // dark, so thin lines of a large drawing stay closed when it is shrunk.
  double factor = 1.0;
  int offX = 0, offY = 0;
  std::vector<uint8_t> black(N * N, 0);
  if (w == N && h == N) {
    black = dark;
  } else {
    if (scaled) *scaled = true;
    factor = std::min(static_cast<double>(N) / w, static_cast<double>(N) / h);
    const int sw = std::clamp(static_cast<int>(std::lround(w * factor)), 1, N);
    const int sh = std::clamp(static_cast<int>(std::lround(h * factor)), 1, N);
    offX = (N - sw) / 2;
    offY = (N - sh) / 2;
    for (int ty = 0; ty < sh; ++ty) {
      const int y0 = std::min(h - 1, static_cast<int>(std::floor(ty / factor)));
      const int y1 = std::clamp(static_cast<int>(std::ceil((ty + 1) / factor)) - 1, y0, h - 1);
      for (int tx = 0; tx < sw; ++tx) {
        const int x0 = std::min(w - 1, static_cast<int>(std::floor(tx / factor)));
        const int x1 = std::clamp(static_cast<int>(std::ceil((tx + 1) / factor)) - 1, x0, w - 1);
        bool any = false;
        for (int y = y0; y <= y1 && !any; ++y)
          for (int x = x0; x <= x1; ++x)
            if (dark[static_cast<size_t>(y) * w + x]) {
              any = true;
              break;
            }
        black[Index(tx + offX, ty + offY)] = any ? 1 : 0;
      }
    }
  }

  // Outlines one pixel thin across or down get a second pixel.
  std::vector<uint8_t> thick = black;
  int added = 0;
  auto add = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= N || y >= N || thick[Index(x, y)]) return;
    thick[Index(x, y)] = 1;
    ++added;
  };
  auto isBlack = [&](int x, int y) { return x >= 0 && y >= 0 && x < N && y < N && black[Index(x, y)]; };
  for (int y = 0; y < N; ++y) {
    for (int x = 0; x < N; ++x) {
      if (!black[Index(x, y)]) continue;
      if (!isBlack(x - 1, y) && !isBlack(x + 1, y)) add(x + 1 < N ? x + 1 : x - 1, y);
      if (!isBlack(x, y - 1) && !isBlack(x, y + 1)) add(x, y + 1 < N ? y + 1 : y - 1);
    }
  }
  if (thickened) *thickened = added;

  QImage out(N, N, QImage::Format_RGB32);
  for (int y = 0; y < N; ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < N; ++x) row[x] = thick[Index(x, y)] ? kBlack : kWhite;
  }
  if (markers) {
    for (auto [x, y] : dots) {
      const int px = offX + static_cast<int>(std::floor((x + 0.5) * factor));
      const int py = offY + static_cast<int>(std::floor((y + 0.5) * factor));
      markers->push_back({std::clamp(px, 0, N - 1), std::clamp(py, 0, N - 1)});
    }
  }
  return out;
}

MadePicture MakePicture(const QImage& drawing, const MakerOptions& options) {
  MadePicture made;
  std::vector<Seed> dots;
  QImage page = CleanDrawing(drawing, &dots, &made.scaled, &made.thickened);
  if (page.isNull()) return made;
  if (!options.keepMarkers) dots.clear();

  std::vector<uint8_t> black = BlackMask(page);
  std::vector<uint8_t> white(N * N);
  for (int i = 0; i < N * N; ++i) white[i] = !black[i];
  std::vector<int> label;
  int regions = LabelComponents(white, N, N, label);

  // Tiny enclosed specks (where strokes meet at a sharp angle) become outline.
  {
    std::vector<int> area(regions, 0);
    std::vector<uint8_t> edge(regions, 0), dotted(regions, 0);
    for (int y = 0; y < N; ++y)
      for (int x = 0; x < N; ++x) {
        const int l = label[Index(x, y)];
        if (l < 0) continue;
        ++area[l];
        if (x == 0 || y == 0 || x == N - 1 || y == N - 1) edge[l] = 1;
      }
    for (const Seed& d : dots)
      if (label[Index(d.x, d.y)] >= 0) dotted[label[Index(d.x, d.y)]] = 1;
    bool changed = false;
    for (int i = 0; i < N * N; ++i) {
      const int l = label[i];
      if (l >= 0 && !edge[l] && !dotted[l] && area[l] <= options.speckArea) {
        black[i] = 1;
        white[i] = 0;
        page.setPixel(i % N, i / N, kBlack);
        ++made.specksFilled;
        changed = true;
      }
    }
    if (changed) regions = LabelComponents(white, N, N, label);
  }

  const std::vector<double> dist2 = DistanceSquared(black, N, N);
  made.regions.resize(regions);
  std::vector<int> innermost(regions, -1);
  for (int y = 0; y < N; ++y) {
    for (int x = 0; x < N; ++x) {
      const int i = Index(x, y);
      const int l = label[i];
      if (l < 0) continue;
      PictureRegion& r = made.regions[l];
      ++r.area;
      r.bounds = r.bounds.isNull() ? QRect(x, y, 1, 1) : r.bounds.united(QRect(x, y, 1, 1));
      if (x == 0 || y == 0 || x == N - 1 || y == N - 1) r.touchesEdge = true;
      if (innermost[l] < 0 || dist2[i] > dist2[innermost[l]]) innermost[l] = i;
    }
  }
  for (int l = 0; l < regions; ++l) made.regions[l].inner = {innermost[l] % N, innermost[l] / N};

  // Marker dots of the drawing are kept where they can be: one a region.
  std::sort(dots.begin(), dots.end(), [](const Seed& a, const Seed& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  for (const Seed& d : dots) {
    const int l = label[Index(d.x, d.y)];
    if (l < 0 || made.regions[l].marked || !HasWhiteNeighbours(black, d.x, d.y)) {
      made.droppedMarkers.push_back(d);
      continue;
    }
    made.regions[l].marked = made.regions[l].byHand = true;
    made.regions[l].marker = d;
  }

  const QImage pointerShape = UnionMask(options.pointerMasks);
  for (int l = 0; l < regions; ++l) {
    PictureRegion& r = made.regions[l];
    if (r.marked || (r.touchesEdge && !options.markBackground) || r.area < options.minArea) continue;
    // The whole pointer inside the picture where the region allows it; the
    // check reports a region that does not.
    auto m = BestMarker(label, l, r.bounds, dist2, WholePointerLimits, pointerShape);
    if (!m) m = BestMarker(label, l, r.bounds, dist2, {}, pointerShape);
    // A region the pointer cannot stand in, wholly inside the picture, is a
    // detail like a small one: a pointer over its outline would leave the
    // user guessing which part is meant.
    if (m && options.pointerMustFit && !PointerFits(label, l, *m, pointerShape)) {
      r.narrow = true;
      m.reset();
    }
    if (m) {
      r.marked = true;
      r.marker = *m;
    }
  }

  for (const PictureRegion& r : made.regions) {
    if (!r.marked) continue;
    page.setPixel(r.marker.x, r.marker.y, kBlack);
    made.seeds.push_back(r.marker);
  }
  std::sort(made.seeds.begin(), made.seeds.end(), [](const Seed& a, const Seed& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  made.gaps = FindGaps(label, dist2, options.gapRadius, options.minArea);
  made.picture = page;
  return made;
}

bool MadePicture::Refused() const {
  return seeds.empty() || seeds.size() > static_cast<size_t>(kMaxSections);
}

QStringList MadePicture::Warnings(const MakerOptions& options) const {
  QStringList out;
  if (picture.isNull()) {
    out << QStringLiteral("The drawing could not be read as an image.");
    return out;
  }
  if (seeds.empty()) {
    out << QStringLiteral("No section was found, so the colouring window will refuse this picture. "
                          "Are the shapes closed?");
  } else if (seeds.size() > static_cast<size_t>(kMaxSections)) {
    out << QStringLiteral("The picture has %1 sections, but the colouring window accepts at most %2 "
                          "and will refuse it. Leave out some shapes or join some regions.")
               .arg(seeds.size())
               .arg(kMaxSections);
  }
  QStringList small;
  for (const PictureRegion& r : regions) {
    if (r.marked || (r.touchesEdge && !options.markBackground)) continue;
    if (options.smallAreDetails && (r.area < options.minArea || r.narrow)) continue;
    small << QStringLiteral("%1 (%2 pixels)").arg(At(r.inner)).arg(r.area);
  }
  if (!small.isEmpty()) {
    out << QStringLiteral("%1 region(s) too small to see or to point at when coloured get no marker and stay white: at %2.")
               .arg(small.size())
               .arg(small.join(QStringLiteral(", ")));
  }
  for (const OutlineGap& g : gaps) {
    out << QStringLiteral("Possible gap in an outline near %1, about %2 pixels wide: it lets the part "
                          "around %3 and the part around %4 fill as one section.")
               .arg(At(g.at))
               .arg(g.width)
               .arg(At(g.sideA), At(g.sideB));
  }
  for (const Seed& d : droppedMarkers) {
    out << QStringLiteral("The marker dot at %1 was left out: it touches an outline, lies too near the "
                          "edge, or its region already has a marker.")
               .arg(At(d));
  }
  return out;
}

QImage MakePreview(const QImage& picture, const std::vector<Seed>& seeds, const std::vector<OutlineGap>& gaps) {
  QImage out = picture.convertToFormat(QImage::Format_RGB32);
  if (out.width() != N || out.height() != N) return out;
  std::vector<uint8_t> black = BlackMask(out);
  std::vector<uint8_t> white(N * N);
  for (int i = 0; i < N * N; ++i) white[i] = !black[i];
  std::vector<int> label;
  const int regions = LabelComponents(white, N, N, label);
  std::vector<uint8_t> edge(regions, 0);
  for (int i = 0; i < N * N; ++i) {
    const int x = i % N, y = i / N;
    if (label[i] >= 0 && (x == 0 || y == 0 || x == N - 1 || y == N - 1)) edge[label[i]] = 1;
  }
  // Enclosed regions that no section fills are grey.
  std::vector<uint8_t> filled(regions, 0);
  for (const Seed& s : seeds)
    if (s.x >= 0 && s.y >= 0 && s.x < N && s.y < N && label[Index(s.x, s.y)] >= 0) filled[label[Index(s.x, s.y)]] = 1;
  for (int i = 0; i < N * N; ++i)
    if (label[i] >= 0 && !edge[label[i]] && !filled[label[i]]) out.setPixel(i % N, i / N, qRgb(200, 200, 200));
  // Each section as its fill will spread.
  const QImage plain = out;
  for (size_t k = 0; k < seeds.size(); ++k) {
    const auto region = platform::FindFillRegion(plain, seeds[k].x, seeds[k].y, qRgb(0, 0, 0));
    platform::PaintRegion(out, region, {Tint(static_cast<int>(k)), platform::BrushStyle::Solid});
  }
  for (const OutlineGap& g : gaps) {
    for (int dy = -10; dy <= 10; ++dy)
      for (int dx = -10; dx <= 10; ++dx) {
        const int r2 = dx * dx + dy * dy;
        if (r2 >= 64 && r2 <= 100) platform::SetPixel(out, g.at.x + dx, g.at.y + dy, qRgb(230, 0, 0));
      }
  }
  for (size_t k = 0; k < seeds.size(); ++k) {
    const Seed& s = seeds[k];
    for (int d = -2; d <= 2; ++d) {
      platform::SetPixel(out, s.x + d, s.y, qRgb(230, 0, 0));
      platform::SetPixel(out, s.x, s.y + d, qRgb(230, 0, 0));
    }
    DrawNumber(out, static_cast<int>(k) + 1, s.x, s.y - 17);
  }
  return out;
}

}  // namespace pictures
