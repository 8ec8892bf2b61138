#include "region_edit.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

namespace workshop {
namespace {

constexpr int Cells = Side * Side;
constexpr int Unreached = 1 << 20;
// Outlines up to this many steps from a region are looked through.
constexpr int Reach = 16;
// Pieces of outline up to this size, cut off from the rest by a join and
// standing alone in the joined region, go with the outline taken out.
constexpr int CrumbCells = 200;

size_t Index(int x, int y) { return static_cast<size_t>(y) * Side + x; }

template <typename F>
void ForNeighbours4(int i, F f) {
  const int x = i % Side, y = i / Side;
  if (x > 0) f(i - 1);
  if (x + 1 < Side) f(i + 1);
  if (y > 0) f(i - Side);
  if (y + 1 < Side) f(i + Side);
}

template <typename F>
void ForNeighbours8(int i, F f) {
  const int x = i % Side, y = i / Side;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx, ny = y + dy;
      if ((dx || dy) && nx >= 0 && ny >= 0 && nx < Side && ny < Side) f(static_cast<int>(Index(nx, ny)));
    }
}

// Steps through the outline (4-connected, or 8-connected with `diagonal`)
// from the nearest cell of a region `from` accepts: 1 for an outline cell
// touching one, Unreached beyond `limit`.
template <typename Pred>
std::vector<int> StepsThroughOutline(const Design& design, const std::vector<uint8_t>& black, Pred from, int limit,
                                     bool diagonal = false) {
  std::vector<int> steps(Cells, Unreached);
  std::deque<int> queue;
  for (int i = 0; i < Cells; ++i)
    if (design.label[i] >= 0 && from(design.label[i])) {
      steps[i] = 0;
      queue.push_back(i);
    }
  while (!queue.empty()) {
    const int i = queue.front();
    queue.pop_front();
    if (steps[i] >= limit) continue;
    auto step = [&](int j) {
      if (black[j] && steps[j] == Unreached) {
        steps[j] = steps[i] + 1;
        queue.push_back(j);
      }
    };
    if (diagonal) ForNeighbours8(i, step);
    else ForNeighbours4(i, step);
  }
  return steps;
}

// A cell of each region, by which it is found again after the lines change.
QPoint CellOf(const Design& design, int region) {
  for (int i = 0; i < Cells; ++i)
    if (design.label[i] == region) return {i % Side, i / Side};
  return {-1, -1};
}

// Whether every region of `before` but `a` and `b` has exactly its pixels in
// `after`, and `a` and `b` became one.
bool OnlyJoined(const Design& before, const Design& after, int a, int b) {
  std::vector<int> now(before.regions.size(), -2);
  for (int i = 0; i < Cells; ++i) {
    const int was = before.label[i];
    if (was < 0) continue;
    const int is = after.label[i];
    if (is < 0) return false;  // a region lost paper to the outline
    if (now[was] == -2) now[was] = is;
    if (now[was] != is) return false;
  }
  if (now[a] != now[b]) return false;
  for (size_t r = 0; r < before.regions.size(); ++r) {
    if (static_cast<int>(r) == a || static_cast<int>(r) == b) continue;
    if (after.regions[now[r]].area != before.regions[r].area) return false;
  }
  return true;
}

}  // namespace

std::optional<Design> JoinRegions(const Design& design, int a, int b, QString* problem, double* opened) {
  auto fail = [problem](const QString& why) -> std::optional<Design> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  const int count = static_cast<int>(design.regions.size());
  if (a < 0 || b < 0 || a >= count || b >= count || a == b) return fail(QCoreApplication::translate("RegionEdit", "Choose two different regions."));
  const std::vector<uint8_t> black = OutlineCells(design.lines);
  const std::vector<int> fromA = StepsThroughOutline(design, black, [a](int l) { return l == a; }, Reach);
  const std::vector<int> fromB = StepsThroughOutline(design, black, [b](int l) { return l == b; }, Reach);
  const std::vector<int> fromOther =
      StepsThroughOutline(design, black, [a, b](int l) { return l != a && l != b; }, 2 * Reach);
  int thinnest = Unreached;
  for (int i = 0; i < Cells; ++i)
    if (fromA[i] != Unreached && fromB[i] != Unreached) thinnest = std::min(thinnest, fromA[i] + fromB[i]);
  if (thinnest == Unreached) return fail(QCoreApplication::translate("RegionEdit", "These two regions do not touch."));
  // The outline between the two: cells nearer to both of them than to any
  // other region, on a line about as thin as where they are closest (so
  // where a thick outline of a third region runs beside them, it is not
  // taken for theirs).
  const int widest = 2 * thinnest + 2;
  std::vector<uint8_t> cut(Cells, 0);
  QImage lines = design.lines;
  for (int i = 0; i < Cells; ++i) {
    if (!black[i] || fromA[i] == Unreached || fromB[i] == Unreached || fromA[i] + fromB[i] > widest) continue;
    if (fromOther[i] <= std::max(fromA[i], fromB[i])) continue;
    cut[i] = 1;
  }
  // Where the outline between the two met another region's, cells as near
  // to that region as to these two stayed; those of them further from it
  // than its outline is usually thick would stand out as bumps, and go too.
  // The cells touching another region always stay, so it stays closed.
  // (Measured with diagonal steps, so the corner where two outlines cross
  // is not taken for a bump.)
  const std::vector<int> nearOther =
      StepsThroughOutline(design, black, [a, b](int l) { return l != a && l != b; }, 2 * Reach, true);
  std::map<int, int> thickness;  // how often the outline beside the two is how thick
  for (int i = 0; i < Cells; ++i) {
    if (!black[i] || cut[i] || nearOther[i] == Unreached) continue;
    bool beside = false;
    ForNeighbours4(i, [&](int j) { beside = beside || design.label[j] == a || design.label[j] == b; });
    if (beside) ++thickness[nearOther[i]];
  }
  int usual = 0;
  for (const auto& [t, n] : thickness)
    if (usual == 0 || n >= thickness[usual]) usual = t;
  for (int i = 0; i < Cells; ++i) {
    if (!black[i] || cut[i] || fromA[i] == Unreached || fromB[i] == Unreached || fromA[i] + fromB[i] > widest) continue;
    if (usual > 0 && nearOther[i] > usual) cut[i] = 1;
  }
  // Single cells where the cut met the outline that stays: a cell taken out
  // of its edge (outline on three sides) goes back, a cell standing out of
  // it (paper of the two on three sides) goes.
  auto joinedPaper = [&](int j) { return cut[j] || design.label[j] == a || design.label[j] == b; };
  std::vector<int> dents, bumps;
  for (int i = 0; i < Cells; ++i) {
    if (!black[i]) continue;
    int lineSides = 0, paperSides = 0, nearCut = 0;
    ForNeighbours4(i, [&](int j) {
      lineSides += black[j] && !cut[j];
      paperSides += joinedPaper(j);
    });
    ForNeighbours8(i, [&](int j) { nearCut += cut[j]; });
    if (cut[i] && lineSides >= 3) dents.push_back(i);
    if (!cut[i] && nearCut && paperSides >= 3) bumps.push_back(i);
  }
  for (int i : dents) cut[i] = 0;
  for (int i : bumps) cut[i] = 1;
  for (int i = 0; i < Cells; ++i)
    if (cut[i]) lines.setPixel(i % Side, i / Side, qRgb(255, 255, 255));
  if (opened) {
    // The cells of `a` along its outline, and those of them the cut opened.
    int border = 0, open = 0;
    for (int i = 0; i < Cells; ++i) {
      if (design.label[i] != a) continue;
      bool byLine = false, byCut = false;
      ForNeighbours4(i, [&](int j) {
        byLine = byLine || black[j];
        byCut = byCut || cut[j];
      });
      border += byLine;
      open += byCut;
    }
    *opened = border ? static_cast<double>(open) / border : 0.0;
  }
  // Pieces of the outline that the cut left standing alone in the joined
  // region (where three outlines met): they touch no other region and were
  // joined to the cut part.
  std::vector<uint8_t> seen(Cells, 0);
  std::vector<int> piece;
  for (int start = 0; start < Cells; ++start) {
    if (!black[start] || cut[start] || seen[start]) continue;
    piece.assign(1, start);
    seen[start] = 1;
    bool alone = true, byCut = false;
    for (size_t k = 0; k < piece.size(); ++k) {
      const int i = piece[k];
      const int x = i % Side, y = i / Side;
      if (x == 0 || y == 0 || x == Side - 1 || y == Side - 1) alone = false;
      ForNeighbours8(i, [&](int j) {
        if (cut[j]) {
          byCut = true;
        } else if (black[j]) {
          if (!seen[j]) {
            seen[j] = 1;
            piece.push_back(j);
          }
        } else if (design.label[j] != a && design.label[j] != b) {
          alone = false;
        }
      });
    }
    if (alone && byCut && piece.size() <= static_cast<size_t>(CrumbCells))
      for (int i : piece) lines.setPixel(i % Side, i / Side, qRgb(255, 255, 255));
  }
  const int larger = design.regions[a].area >= design.regions[b].area ? a : b;
  Design out = WithLines(design, lines, larger, {a, b});
  if (!OnlyJoined(design, out, a, b)) {
    return fail(QCoreApplication::translate("RegionEdit", "These two regions cannot be joined without opening the outline of another one."));
  }
  return out;
}

std::vector<int> Neighbours(const Design& design, int region) {
  if (region < 0 || region >= static_cast<int>(design.regions.size())) return {};
  const std::vector<uint8_t> black = OutlineCells(design.lines);
  const std::vector<int> steps = StepsThroughOutline(design, black, [region](int l) { return l == region; }, Reach);
  std::map<int, int> contact;
  for (int i = 0; i < Cells; ++i) {
    if (!black[i] || steps[i] == Unreached) continue;
    ForNeighbours4(i, [&](int j) {
      if (design.label[j] >= 0 && design.label[j] != region) ++contact[design.label[j]];
    });
  }
  std::vector<int> out;
  for (const auto& [r, n] : contact) out.push_back(r);
  std::stable_sort(out.begin(), out.end(), [&](int p, int q) { return contact[p] > contact[q]; });
  return out;
}

std::optional<Design> MergeRegion(const Design& design, int region) {
  std::vector<int> candidates;
  for (int n : Neighbours(design, region))
    if (!design.regions[n].background) candidates.push_back(n);
  // Small neighbours first (the panes of a window join each other, not the wall).
  std::stable_partition(candidates.begin(), candidates.end(), [&](int n) { return design.regions[n].small; });
  // Of its outline, at least this part must go (more than a corner), and at
  // least the rest must stay (its shape).
  constexpr double LeastOpened = 1.0 / 8, MostOpened = 0.9;
  for (int n : candidates) {
    double opened = 0;
    auto joined = JoinRegions(design, region, n, nullptr, &opened);
    if (joined && opened >= LeastOpened && opened <= MostOpened) return joined;
  }
  return std::nullopt;
}

TidyResult MergeSmallRegions(const Design& design) {
  TidyResult out{design};
  std::vector<QPoint> refused;  // regions tried without success, by a cell of each
  for (int guard = 0; guard < 1000; ++guard) {
    const Design& d = out.design;
    std::vector<uint8_t> skip(d.regions.size(), 0);
    for (const QPoint& p : refused)
      if (const int r = d.RegionAt(p.x(), p.y()); r >= 0) skip[r] = 1;
    int smallest = -1;
    for (size_t r = 0; r < d.regions.size(); ++r)
      if (d.regions[r].small && !skip[r] && (smallest < 0 || d.regions[r].area < d.regions[smallest].area))
        smallest = static_cast<int>(r);
    if (smallest < 0) break;
    if (auto merged = MergeRegion(d, smallest)) {
      out.design = std::move(*merged);
      ++out.joined;
    } else {
      refused.push_back(CellOf(d, smallest));
    }
  }
  out.left = out.design.SmallCount();
  return out;
}

TidyResult MergeSmallestSection(const Design& design) {
  TidyResult out{design};
  std::vector<QPoint> refused;
  for (int guard = 0; guard < 1000 && out.design.Order().size() > static_cast<size_t>(MaxSections); ++guard) {
    const Design& d = out.design;
    std::vector<uint8_t> skip(d.regions.size(), 0);
    for (const QPoint& p : refused)
      if (const int r = d.RegionAt(p.x(), p.y()); r >= 0) skip[r] = 1;
    int smallest = -1;
    for (int r : d.Order())
      if (!skip[r] && (smallest < 0 || d.regions[r].area < d.regions[smallest].area)) smallest = r;
    if (smallest < 0) break;
    std::vector<int> sections;
    for (int n : Neighbours(d, smallest))
      if (d.regions[n].marker) sections.push_back(n);
    std::stable_sort(sections.begin(), sections.end(), [&](int p, int q) { return d.regions[p].area < d.regions[q].area; });
    std::optional<Design> merged;
    for (int n : sections)
      if ((merged = JoinRegions(d, smallest, n))) break;
    if (merged) {
      out.design = std::move(*merged);
      ++out.joined;
    } else {
      refused.push_back(CellOf(d, smallest));
    }
  }
  out.left = static_cast<int>(out.design.Order().size()) > MaxSections ? static_cast<int>(refused.size()) : 0;
  return out;
}

Design DropSmallRegions(const Design& design) {
  Design out = design;
  for (size_t r = 0; r < out.regions.size(); ++r) {
    if (!out.regions[r].small) continue;
    out.regions[r].small = false;
    out.regions[r].leftWhite = true;
    out.leftWhite.push_back(CellOf(design, static_cast<int>(r)));
  }
  return out;
}

std::optional<Design> SplitRegion(const Design& design, QPoint from, QPoint to, QString* problem) {
  auto fail = [problem](const QString& why) -> std::optional<Design> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  const double dx = to.x() - from.x(), dy = to.y() - from.y();
  const double length = std::hypot(dx, dy);
  if (length < 4) return fail(QCoreApplication::translate("RegionEdit", "Draw a longer line, across the region from one outline to the other."));
  const double ux = dx / length, uy = dy / length;
  auto at = [](double x, double y) { return QPoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))); };
  // The region the line crosses most.
  std::map<int, int> crossed;
  for (double t = 0; t <= length; t += 0.5) {
    const QPoint p = at(from.x() + ux * t, from.y() + uy * t);
    if (const int r = design.RegionAt(p.x(), p.y()); r >= 0) ++crossed[r];
  }
  int region = -1;
  for (const auto& [r, n] : crossed)
    if (region < 0 || n > crossed[region]) region = r;
  if (region < 0) return fail(QCoreApplication::translate("RegionEdit", "Draw the line across a region, not along an outline."));
  // Carried on at both ends while it is still in the region, so it meets the outline.
  constexpr double Carry = 60;
  double first = 0, last = length;
  while (first > -Carry) {
    const QPoint p = at(from.x() + ux * (first - 0.5), from.y() + uy * (first - 0.5));
    if (design.RegionAt(p.x(), p.y()) != region) break;
    first -= 0.5;
  }
  while (last < length + Carry) {
    const QPoint p = at(from.x() + ux * (last + 0.5), from.y() + uy * (last + 0.5));
    if (design.RegionAt(p.x(), p.y()) != region) break;
    last += 0.5;
  }
  QImage lines = design.lines;
  for (double t = first; t <= last; t += 0.25) {
    const QPoint p = at(from.x() + ux * t, from.y() + uy * t);
    for (int ky = 0; ky <= 1; ++ky)
      for (int kx = 0; kx <= 1; ++kx)
        if (design.RegionAt(p.x() + kx, p.y() + ky) == region) lines.setPixel(p.x() + kx, p.y() + ky, qRgb(0, 0, 0));
  }
  Design out = WithLines(design, lines);
  if (out.regions.size() <= design.regions.size()) {
    return fail(QCoreApplication::translate("RegionEdit", "The line did not divide the region. Draw it across, from one outline to the other."));
  }
  return out;
}

std::optional<Design> EraseLines(const Design& design, const std::vector<QPoint>& path, QString* problem, int radius) {
  auto fail = [problem](const QString& why) -> std::optional<Design> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  if (path.empty()) return fail(QString());
  const std::vector<uint8_t> black = OutlineCells(design.lines);
  auto inPage = [](int x, int y) { return x >= 0 && y >= 0 && x < Side && y < Side; };
  QImage lines = design.lines;
  bool erased = false;
  if (path.size() == 1) {
    // The outline cell nearest the click, a few pixels round.
    int nearest = -1, best = 1 << 30;
    const QPoint c = path.front();
    for (int y = c.y() - radius - 1; y <= c.y() + radius + 1; ++y)
      for (int x = c.x() - radius - 1; x <= c.x() + radius + 1; ++x) {
        const int d2 = (x - c.x()) * (x - c.x()) + (y - c.y()) * (y - c.y());
        if (inPage(x, y) && black[Index(x, y)] && d2 < best) best = d2, nearest = static_cast<int>(Index(x, y));
      }
    if (nearest < 0) return fail(QCoreApplication::translate("RegionEdit", "There is no line there to erase."));
    // Its whole piece, when that piece divides nothing: a stray line or dot.
    std::vector<int> piece{nearest};
    std::vector<uint8_t> seen(Cells, 0);
    seen[nearest] = 1;
    int touches = -1;
    bool divides = false;
    for (size_t k = 0; k < piece.size() && !divides; ++k) {
      ForNeighbours8(piece[k], [&](int j) {
        if (black[j]) {
          if (!seen[j]) seen[j] = 1, piece.push_back(j);
        } else if (touches < 0) {
          touches = design.label[j];
        } else if (design.label[j] != touches) {
          divides = true;
        }
      });
    }
    if (!divides) {
      for (int i : piece) lines.setPixel(i % Side, i / Side, qRgb(255, 255, 255));
      erased = true;
    }
  }
  if (!erased) {
    const int r2 = radius * radius;
    for (size_t k = 0; k < path.size(); ++k) {
      const QPoint p = path[k], q = k + 1 < path.size() ? path[k + 1] : path[k];
      const int steps = std::max(1, std::max(std::abs(q.x() - p.x()), std::abs(q.y() - p.y())));
      for (int s = 0; s <= steps; ++s) {
        const int cx = p.x() + (q.x() - p.x()) * s / steps, cy = p.y() + (q.y() - p.y()) * s / steps;
        for (int y = cy - radius; y <= cy + radius; ++y)
          for (int x = cx - radius; x <= cx + radius; ++x)
            if (inPage(x, y) && (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r2 && black[Index(x, y)]) {
              lines.setPixel(x, y, qRgb(255, 255, 255));
              erased = true;
            }
      }
    }
  }
  if (!erased) return fail(QCoreApplication::translate("RegionEdit", "There is no line there to erase."));
  return WithLines(design, lines);
}

}  // namespace workshop
