// The picture tool's check: a picture as the colouring window will see it,
// its fills, and the pointer at every size where the session puts it.

#include "picture_maker.h"

#include "pictures/pointer_placement.h"
#include "platform/raster.h"
#include "pointer_shapes.h"

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

constexpr int N = 400;

QString At(const Seed& s) { return QStringLiteral("(%1, %2)").arg(s.x).arg(s.y); }

// The widest disc inside the section, in pixels across: twice the distance
// from its innermost pixel to the nearest pixel outside it, less that
// pixel's half.
int WidestDisc(const std::vector<uint8_t>& inside, int w, int h) {
  std::vector<uint8_t> outside(inside.size());
  for (size_t i = 0; i < inside.size(); ++i) outside[i] = !inside[i];
  const std::vector<double> d2 = DistanceSquared(outside, w, h);
  double most = 0;
  for (size_t i = 0; i < inside.size(); ++i)
    if (inside[i]) most = std::max(most, d2[i]);
  return static_cast<int>(std::floor(2.0 * (std::sqrt(most) - 0.5)));
}

// The pointer at scale 1 as the session places it: whether all of it lies
// inside the picture, and the part of it over the section.
void CheckPointerAtItsSize(const std::vector<QImage>& masks, const std::vector<uint8_t>& inside, int w, int h,
                           SectionSpread& spread) {
  spread.pointerInPicture = true;
  spread.pointerCover = 1.0;
  for (const QImage& mask : masks) {
    const PointerPlace at = PlacePointer(QImage(), spread.seed, mask, 1);
    const PointerCover cover(mask, inside, w, h);
    spread.pointerInPicture = spread.pointerInPicture && cover.InPicture(at.left, at.top) == cover.MaskPixels();
    spread.pointerCover =
        std::min(spread.pointerCover, static_cast<double>(cover.Covered(at.left, at.top)) / cover.MaskPixels());
  }
}

// An enlarged pointer where the session places it: whole inside the picture,
// every pixel of its tip in the section.
bool ScaledPointerFits(const QImage& shown, const QImage& mask, int scale, const std::vector<uint8_t>& inside,
                       const Seed& seed) {
  const QImage big = ScalePointerImage(mask, scale);
  const PointerPlace at = PlacePointer(shown, seed, big, scale);
  const QSize size = TurnPointer(big, at.turn).size();
  if (!QRect(0, 0, shown.width(), shown.height()).contains(QRect(QPoint(at.left, at.top), size))) return false;
  const std::vector<QPoint> tip = PointerTipPixels(big, scale, at);
  return !tip.empty() && std::all_of(tip.begin(), tip.end(), [&](const QPoint& p) {
    return inside[static_cast<size_t>(p.y()) * shown.width() + p.x()] != 0;
  });
}

}  // namespace

bool PictureCheck::Leaks() const {
  return std::any_of(sections.begin(), sections.end(), [](const SectionSpread& s) { return s.coversMost || !s.reaches.empty(); });
}

PictureCheck CheckPicture(const QImage& image, const QString& pictureName, const std::vector<QImage>& pointerMasks) {
  PictureCheck check;
  QImage shown = image;
  check.scan = ScanPicture(shown, pictureName);
  if (!check.scan.message.isEmpty()) return check;
  const std::vector<QImage> masks = pointerMasks.empty() ? StandInPointerMasks() : pointerMasks;
  const int w = shown.width(), h = shown.height();
  const auto& seeds = check.scan.seeds;
  for (size_t k = 0; k < seeds.size(); ++k) {
    SectionSpread spread;
    spread.seed = seeds[k];
    const auto region = platform::FindFillRegion(shown, seeds[k].x, seeds[k].y, qRgb(0, 0, 0));
    spread.area = region.pixelCount();
    std::vector<uint8_t> inside(static_cast<size_t>(w) * h, 0);
    for (const platform::Span& s : region.spans) {
      spread.bounds = spread.bounds.united(QRect(s.x0, s.y, s.x1 - s.x0 + 1, 1));
      std::fill_n(inside.begin() + static_cast<long>(s.y) * w + s.x0, s.x1 - s.x0 + 1, 1);
    }
    for (size_t j = 0; j < seeds.size(); ++j)
      if (j != k && inside[static_cast<size_t>(seeds[j].y) * w + seeds[j].x]) spread.reaches.push_back(static_cast<int>(j) + 1);
    spread.coversMost = spread.area * 2 > static_cast<long long>(w) * h;
    spread.width = WidestDisc(inside, w, h);
    CheckPointerAtItsSize(masks, inside, w, h, spread);
    for (int scale = 2; scale <= 3; ++scale) {
      spread.scaledPointerFits[scale - 2] = std::all_of(masks.begin(), masks.end(), [&](const QImage& mask) {
        return ScaledPointerFits(shown, mask, scale, inside, seeds[k]);
      });
    }
    check.sections.push_back(spread);
  }
  check.preview = MakePreview(shown, seeds);
  return check;
}

QStringList PictureCheck::Problems() const {
  QStringList out;
  if (!scan.message.isEmpty()) {
    out << QStringLiteral("The colouring window refuses the picture.");
    return out;
  }
  for (size_t k = 0; k < sections.size(); ++k) {
    const SectionSpread& s = sections[k];
    const QString n = QString::number(k + 1);
    if (!s.reaches.empty()) out << QStringLiteral("The fill of section %1 reaches other sections.").arg(n);
    if (s.coversMost) out << QStringLiteral("The fill of section %1 covers most of the picture.").arg(n);
    if (s.area < MinSectionArea)
      out << QStringLiteral("Section %1 has only %2 pixels (at least %3 are needed to see it).").arg(n).arg(s.area).arg(MinSectionArea);
    if (s.width < MinSectionWidth)
      out << QStringLiteral("Section %1 is a sliver: the widest disc it holds is %2 pixels across (at least %3 are needed).")
                 .arg(n)
                 .arg(s.width)
                 .arg(MinSectionWidth);
    if (!s.pointerInPicture)
      out << QStringLiteral("The pointer of section %1 (marker at %2) is cut off by the picture's edge.").arg(n, At(s.seed));
    else if (s.pointerCover < 1.0)
      out << QStringLiteral("The pointer of section %1 (marker at %2) covers an outline or another section, so it is "
                            "not clear which part will be painted.")
                 .arg(n, At(s.seed));
    for (int scale = 2; scale <= 3; ++scale)
      if (!s.scaledPointerFits[scale - 2])
        out << QStringLiteral("At pointer size %1 the pointer of section %2 cannot lie whole inside the picture with its "
                              "tip in the section.")
                   .arg(scale)
                   .arg(n);
  }
  return out;
}

QStringList DescribeCheck(const PictureCheck& check) {
  QStringList out;
  if (!check.scan.message.isEmpty()) {
    out << QStringLiteral("The colouring window refuses this picture with the message:");
    for (const QString& line : check.scan.message.split(QLatin1Char('\n'))) out << QStringLiteral("    ") + line;
    return out;
  }
  out << QStringLiteral("Accepted: %1 section(s), coloured in this order:").arg(check.scan.sectionCount);
  for (size_t k = 0; k < check.sections.size(); ++k) {
    const SectionSpread& s = check.sections[k];
    QString line = QStringLiteral("  %1: seed %2, the fill covers %3 pixels from (%4, %5) to (%6, %7)")
                       .arg(k + 1)
                       .arg(At(s.seed))
                       .arg(s.area)
                       .arg(s.bounds.left())
                       .arg(s.bounds.top())
                       .arg(s.bounds.right())
                       .arg(s.bounds.bottom());
    if (!s.reaches.empty()) {
      QStringList others;
      for (int j : s.reaches) others << QString::number(j);
      line += QStringLiteral("; LEAKS into section(s) %1").arg(others.join(QStringLiteral(", ")));
    }
    if (s.coversMost) line += QStringLiteral("; COVERS MOST OF THE PICTURE");
    line += QStringLiteral("; widest spot %1 pixels across; pointer %2 % over the section")
                .arg(s.width)
                .arg(std::lround(s.pointerCover * 100));
    out << line;
  }
  for (const QString& p : check.Problems()) out << QStringLiteral("PROBLEM: ") + p;
  return out;
}

}  // namespace pictures
