#include "picture_design.h"

#include "picture_maker.h"

#include <QCoreApplication>
#include <algorithm>

namespace workshop {
namespace {

using pictures::Seed;

constexpr QRgb Black = 0xFF000000u;

size_t Index(int x, int y) { return static_cast<size_t>(y) * Side + x; }

// The markers of a design's sections, those of `first` (a region) first.
std::vector<Seed> Markers(const Design& design, int first = -1) {
  std::vector<Seed> out;
  if (first >= 0 && design.regions[first].marker) out.push_back(*design.regions[first].marker);
  for (int r : design.Order())
    if (r != first) out.push_back(*design.regions[r].marker);
  return out;
}

}  // namespace

std::vector<uint8_t> OutlineCells(const QImage& lines) {
  std::vector<uint8_t> black(Side * Side);
  for (int y = 0; y < Side; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(lines.constScanLine(y));
    for (int x = 0; x < Side; ++x) black[Index(x, y)] = (row[x] & 0x00FFFFFFu) == 0 ? 1 : 0;
  }
  return black;
}

std::vector<int> Design::Order() const {
  std::vector<int> out;
  for (size_t r = 0; r < regions.size(); ++r)
    if (regions[r].marker) out.push_back(static_cast<int>(r));
  std::sort(out.begin(), out.end(), [this](int a, int b) {
    const Seed &p = *regions[a].marker, &q = *regions[b].marker;
    return p.x != q.x ? p.x < q.x : p.y < q.y;
  });
  return out;
}

int Design::RegionAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= Side || y >= Side || label.empty()) return -1;
  return label[Index(x, y)];
}

int Design::SmallCount() const {
  return static_cast<int>(std::count_if(regions.begin(), regions.end(), [](const Region& r) { return r.small; }));
}

Design AnalyseLines(const QImage& lines, const std::vector<Seed>& keep, const std::vector<QPoint>& leftWhite) {
  Design d;
  d.lines = lines.convertToFormat(QImage::Format_RGB32);
  if (d.lines.width() != Side || d.lines.height() != Side) d.lines = d.lines.copy(0, 0, Side, Side);
  std::vector<uint8_t> black = OutlineCells(d.lines);
  auto relabel = [&] {
    std::vector<uint8_t> white(Side * Side);
    for (int i = 0; i < Side * Side; ++i) white[i] = !black[i];
    const int count = pictures::LabelComponents(white, Side, Side, d.label);
    d.regions.assign(count, Region{});
    for (int y = 0; y < Side; ++y)
      for (int x = 0; x < Side; ++x) {
        const int l = d.label[Index(x, y)];
        if (l < 0) continue;
        Region& r = d.regions[l];
        ++r.area;
        r.bounds = r.bounds.isNull() ? QRect(x, y, 1, 1) : r.bounds.united(QRect(x, y, 1, 1));
        if (x == 0 || y == 0 || x == Side - 1 || y == Side - 1) r.background = true;
      }
  };
  relabel();
  // Specks of white where lines meet become outline.
  bool specks = false;
  for (int i = 0; i < Side * Side; ++i) {
    const int l = d.label[i];
    if (l >= 0 && !d.regions[l].background && d.regions[l].area <= SpeckArea) {
      black[i] = 1;
      d.lines.setPixel(i % Side, i / Side, Black);
      ++d.specksFilled;
      specks = true;
    }
  }
  if (specks) relabel();

  // Regions left white stay so while they hold no section's marker (a line
  // erased between one and a section makes them part of the section).
  std::vector<uint8_t> holdsMarker(d.regions.size(), 0);
  for (const Seed& s : keep)
    if (const int l = d.RegionAt(s.x, s.y); l >= 0) holdsMarker[l] = 1;
  for (const QPoint& p : leftWhite) {
    const int l = d.RegionAt(p.x(), p.y());
    if (l < 0 || d.regions[l].background || d.regions[l].leftWhite || holdsMarker[l]) continue;
    d.regions[l].leftWhite = true;
    d.leftWhite.push_back(p);
  }
  const std::vector<double> dist2 = pictures::DistanceSquared(black, Side, Side);
  for (size_t l = 0; l < d.regions.size(); ++l) {
    Region& r = d.regions[l];
    if (r.background || r.leftWhite) continue;
    r.small = r.area < SmallArea;
    if (r.small) continue;
    for (const Seed& s : keep) {
      if (d.RegionAt(s.x, s.y) == static_cast<int>(l) && MarkerFits(d, static_cast<int>(l), s.x, s.y)) {
        r.marker = s;
        r.pointerClipped = s.y < pictures::PointerHeight;
        break;
      }
    }
    if (r.marker) continue;
    r.marker = pictures::BestMarker(d.label, static_cast<int>(l), r.bounds, dist2, {0, Side - 1, pictures::PointerHeight});
    if (!r.marker) {
      r.marker = pictures::BestMarker(d.label, static_cast<int>(l), r.bounds, dist2);
      r.pointerClipped = r.marker.has_value();
    }
    // A strip too thin to hold a marker cannot be pointed at either.
    if (!r.marker) r.small = true;
  }
  return d;
}

bool MarkerFits(const Design& design, int region, int x, int y) {
  if (region < 0 || x < 2 || y < 2 || x > Side - 2 || y > Side - 2) return false;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (design.label[Index(x + dx, y + dy)] != region) return false;
  return true;
}

std::optional<Design> MoveMarker(const Design& design, int x, int y) {
  const int r = design.RegionAt(x, y);
  if (r < 0 || !design.regions[r].marker || !MarkerFits(design, r, x, y)) return std::nullopt;
  Design out = design;
  out.regions[r].marker = Seed{x, y};
  out.regions[r].pointerClipped = y < pictures::PointerHeight;
  return out;
}

std::optional<Design> ArrangeOrder(const Design& design, const std::vector<int>& order, QString* problem) {
  auto fail = [problem](const QString& why) -> std::optional<Design> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  std::vector<int> sections = design.Order();
  {
    std::vector<int> a = sections, b = order;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    if (a != b) return fail(QCoreApplication::translate("PictureDesign", "The new order must hold every section once."));
  }
  std::vector<uint8_t> black = OutlineCells(design.lines);
  const std::vector<double> dist2 = pictures::DistanceSquared(black, Side, Side);
  // Columns in which each section has a place for its marker.
  const int k = static_cast<int>(order.size());
  std::vector<std::vector<uint8_t>> column(k, std::vector<uint8_t>(Side, 0));
  for (int i = 0; i < k; ++i) {
    const int r = order[i];
    const int minY = design.regions[r].pointerClipped ? 2 : pictures::PointerHeight;
    const QRect& b = design.regions[r].bounds;
    for (int y = std::max(minY, b.top()); y <= std::min(Side - 2, b.bottom()); ++y)
      for (int x = std::max(2, b.left()); x <= std::min(Side - 2, b.right()); ++x)
        if (design.label[Index(x, y)] == r && dist2[Index(x, y)] >= 4.0) column[i][x] = 1;
  }
  auto number = [&](int r) {  // the section's number in the current order, as the preview shows it
    return static_cast<int>(std::find(sections.begin(), sections.end(), r) - sections.begin()) + 1;
  };
  // Leftmost and rightmost columns each marker can take with the order kept.
  std::vector<int> lo(k), hi(k);
  for (int i = 0; i < k; ++i) {
    int x = i == 0 ? 0 : lo[i - 1] + 1;
    while (x < Side && !column[i][x]) ++x;
    if (x >= Side) {
      return fail(QCoreApplication::translate("PictureDesign", "Section %1 cannot be coloured after section %2: Brushwell colours from left to "
                                 "right, and all of section %1 lies too far to the left.")
                      .arg(number(order[i]))
                      .arg(number(order[i - 1])));
    }
    lo[i] = x;
  }
  for (int i = k - 1; i >= 0; --i) {
    int x = i == k - 1 ? Side - 1 : hi[i + 1] - 1;
    while (x >= 0 && !column[i][x]) --x;
    hi[i] = x;  // at least lo[i], since the forward pass found a placing
  }
  Design out = design;
  int previous = -1;
  for (int i = 0; i < k; ++i) {
    Region& r = out.regions[order[i]];
    const int from = previous + 1, to = hi[i];
    if (r.marker && r.marker->x >= from && r.marker->x <= to) {
      previous = r.marker->x;
      continue;
    }
    const int minY = r.pointerClipped ? 0 : pictures::PointerHeight;
    r.marker = pictures::BestMarker(out.label, order[i], r.bounds, dist2, {from, to, minY});
    if (!r.marker) return fail(QCoreApplication::translate("PictureDesign", "No place was found for the marker of section %1.").arg(number(order[i])));
    previous = r.marker->x;
  }
  return out;
}

Design WithLines(const Design& design, const QImage& lines, int first, const std::vector<int>& joined) {
  std::vector<QPoint> white;
  for (const QPoint& p : design.leftWhite)
    if (std::find(joined.begin(), joined.end(), design.RegionAt(p.x(), p.y())) == joined.end()) white.push_back(p);
  return AnalyseLines(lines, Markers(design, first), white);
}

QImage ComposePicture(const Design& design) {
  QImage out = design.lines;
  for (int r : design.Order()) out.setPixel(design.regions[r].marker->x, design.regions[r].marker->y, Black);
  return out;
}

QImage RenderPreview(const Design& design, int selectedRegion) {
  QImage out = pictures::MakePreview(design.lines, Markers(design));
  for (int y = 0; y < Side; ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < Side; ++x) {
      const int l = design.label[Index(x, y)];
      if (l < 0) continue;
      if (design.regions[l].small) {
        row[x] = qRgb(235, 40, 40);
      } else if (l == selectedRegion) {
        const QRgb c = row[x];
        row[x] = qRgb((qRed(c) + 255) / 2, (qGreen(c) + 200) / 2, qBlue(c) / 3);
      }
    }
  }
  return out;
}

QString CheckWithProgram(const QImage& picture, const Design& design, const QString& pictureName) {
  const pictures::PictureCheck check = pictures::CheckPicture(picture, pictureName);
  if (!check.scan.message.isEmpty()) return check.scan.message;
  if (check.scan.seeds != Markers(design)) {
    return QCoreApplication::translate("PictureDesign", "Brushwell would find %1 section(s) in %2, not the %3 shown here.")
        .arg(check.scan.sectionCount)
        .arg(pictureName)
        .arg(design.Order().size());
  }
  // Each fill must cover exactly its section: a large section may well
  // cover most of the picture, but never a pixel more than the preview shows.
  const std::vector<int> order = design.Order();
  for (size_t k = 0; k < check.sections.size(); ++k) {
    if (!check.sections[k].reaches.empty() || check.sections[k].area != design.regions[order[k]].area) {
      return QCoreApplication::translate("PictureDesign", "The paint of section %1 would spread beyond it. Close the gap in its outline.").arg(k + 1);
    }
  }
  return QString();
}

QStringList Remarks(const Design& design, bool photo) {
  QStringList out;
  const int sections = static_cast<int>(design.Order().size());
  if (sections == 0) {
    out << (photo ? QCoreApplication::translate("PictureDesign", "No area to colour was found. Try more detail.")
                  : QCoreApplication::translate("PictureDesign", "No closed area to colour was found. Are the outlines closed? Move \"Close gaps\" "
                                   "to the right."));
  } else if (sections > MaxSections) {
    out << (photo ? QCoreApplication::translate("PictureDesign", "%1 sections: Brushwell colours at most %2. Use \"Merge Down to 25 "
                                                                 "Sections\", or lower the detail.")
                  : QCoreApplication::translate("PictureDesign", "%1 sections: Brushwell colours at most %2. Use \"Merge Down to 25 "
                                                                 "Sections\", or join two at a time with \"Two clicks join two "
                                                                 "regions\"."))
               .arg(sections)
               .arg(MaxSections);
  } else {
    out << QCoreApplication::translate("PictureDesign", "%n section(s), coloured in the numbered order.", nullptr, sections);
  }
  if (const int small = design.SmallCount()) {
    out << QCoreApplication::translate("PictureDesign", "%1 region(s) in red are too small to see or to point at. Join each to a neighbour (\"Merge "
                          "Small Regions\", or \"Two clicks join two regions\"), or leave them white with \"Drop "
                          "Small Regions\".")
               .arg(small);
  }
  const auto white = std::count_if(design.regions.begin(), design.regions.end(), [](const Region& r) { return r.leftWhite; });
  if (white) out << QCoreApplication::translate("PictureDesign", "%n small region(s) are left white and not coloured.", nullptr, white);
  const auto clipped = std::count_if(design.regions.begin(), design.regions.end(),
                                     [](const Region& r) { return r.marker && r.pointerClipped; });
  if (clipped) out << QCoreApplication::translate("PictureDesign", "%n section(s) lie so near the top that the pointer is partly hidden.", nullptr, clipped);
  return out;
}

}  // namespace workshop
