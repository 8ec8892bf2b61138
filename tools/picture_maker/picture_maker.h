#pragma once
// The carers' picture tool, without its command line: turns a line drawing
// into a picture the colouring window accepts (pure black outlines on white,
// 400 by 400, one marker dot per section), says what may be wrong with it,
// and checks an existing picture the way the colouring window will see it.

#include "pictures/section_scan.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pictures {

// A section smaller than this is hard to see and to tell from its neighbours
// when the pointer marks it; the check refuses it.
constexpr int MinSectionArea = 600;

struct MakerOptions {
  bool markBackground = false;  // regions touching the picture's edge get a marker too
  bool keepMarkers = true;      // keep marker dots already in the drawing
  int minArea = 150;            // smaller regions are too small to see: no marker
  int gapRadius = 3;            // necks up to about twice this wide count as gaps
  int speckArea = 24;           // enclosed white specks up to this size become outline
  bool smallAreDetails = false; // regions under minArea are meant as details that stay white:
                                // no warning about them
  std::vector<QImage> pointerMasks;  // the program's pointer masks; none: a 40 x 48 rectangle
  bool pointerMustFit = false;  // a region the pointer cannot stand in gets no marker (a detail)
};

// The options the shipped pictures are made with: no section under
// MinSectionArea; smaller regions (eyes, windows, buttons) stay white;
// markers placed for the program's pointers (`pointerMasks`).
inline MakerOptions ShippedPictureOptions(std::vector<QImage> pointerMasks = {}) {
  MakerOptions o;
  o.minArea = MinSectionArea;
  o.smallAreDetails = true;
  o.pointerMasks = std::move(pointerMasks);
  o.pointerMustFit = true;
  return o;
}

// A section must hold a disc this many pixels across, or it is a sliver
// that is hard to see and to point at; the check refuses it.
constexpr int MinSectionWidth = 12;

// One white region of the picture, 4-connected like the fill.
struct PictureRegion {
  int area = 0;
  QRect bounds;
  bool touchesEdge = false;
  Seed inner;            // its most interior point
  bool marked = false;   // it is a section
  bool byHand = false;   // its marker was in the drawing already
  bool narrow = false;   // no marker: the pointer cannot stand in it
  Seed marker;
};

// A narrow neck inside one region: most likely a gap in an outline that
// should have kept two sections apart.
struct OutlineGap {
  Seed at;        // the middle of the neck
  int width = 0;  // about how wide it is, in pixels
  Seed sideA;     // a point inside each of the two parts it joins
  Seed sideB;
};

struct MadePicture {
  QImage picture;                      // 400 x 400 RGB32, marker dots in place
  std::vector<Seed> seeds;             // the markers in the order the colouring window finds them
  std::vector<PictureRegion> regions;  // every white region
  std::vector<OutlineGap> gaps;
  std::vector<Seed> droppedMarkers;    // hand-placed dots that could not be kept
  bool scaled = false;                 // the drawing was not 400 x 400
  int thickened = 0;                   // pixels added to one-pixel outlines
  int specksFilled = 0;                // tiny enclosed specks made black

  // The problems a carer should hear about, one sentence each.
  QStringList Warnings(const MakerOptions& options) const;
  // Whether the colouring window will refuse the picture (no or too many sections).
  bool Refused() const;
};

// The building blocks, for the carers' Picture Workshop as well.

// The session's pointer: it stands with its bottom edge on the seed, centred
// on it; a seed at least this far from the top shows the whole pointer.
constexpr int PointerWidth = 40;
constexpr int PointerHeight = 48;

// Labels the 4-connected components (the way the fill spreads) of the cells
// where `inside` is true. Returns the number of labels; `label` gets each
// cell's label, -1 outside.
int LabelComponents(const std::vector<uint8_t>& inside, int w, int h, std::vector<int>& label);
// The same for areas of equal tone: cells of one tone that touch side by
// side share a label; cells of tone -1 belong to none.
int LabelAreas(const std::vector<int>& tone, int w, int h, std::vector<int>& area);

// Squared Euclidean distance of every cell to the nearest feature cell.
std::vector<double> DistanceSquared(const std::vector<uint8_t>& feature, int w, int h);

// Where a marker may go, besides the region itself.
struct MarkerLimits {
  int minX = 0;
  int maxX = 399;
  int minY = 0;
};

// The markers whose pointer (any of the three pointer images, at its size)
// lies wholly inside a 400 x 400 picture, with two pixels to spare.
constexpr MarkerLimits WholePointerLimits{PointerWidth / 2 + 2, 400 - PointerWidth / 2 - 3, PointerHeight + 2};

// The rectangle the pointer covers when it marks `seed`: centred on it, its
// bottom edge just above it.
QRect PointerRect(const Seed& seed);

// The marker of one region of a 400 x 400 label map. A place where the whole
// pointer (`pointerMask`, pointing down; null: the 40 x 48 rectangle) lies
// over the region itself comes first; among the others, the place well
// inside (far from the outline) with as much of the pointer over the region
// as possible. Nothing when no point of the region within `limits` will do.
std::optional<Seed> BestMarker(const std::vector<int>& label, int region, const QRect& bounds,
                               const std::vector<double>& dist2, const MarkerLimits& limits = {},
                               const QImage& pointerMask = QImage());

// Pure black and white, 400 x 400, outlines at least two pixels thick.
// Marker dots of a 400 x 400 drawing (isolated dark pixels) are taken out
// and returned; in a drawing of any other size they count as dirt and go.
QImage CleanDrawing(const QImage& drawing, std::vector<Seed>* markers, bool* scaled, int* thickened);

MadePicture MakePicture(const QImage& drawing, const MakerOptions& options = {});

// A picture with each section lightly tinted and numbered in colouring order.
// `picture` has its marker dots erased; regions of no section are shown grey,
// and the gaps are ringed in red.
QImage MakePreview(const QImage& picture, const std::vector<Seed>& seeds,
                   const std::vector<OutlineGap>& gaps = {});

// Where the fill from one section's seed will spread, and how the pointer
// marks it.
struct SectionSpread {
  Seed seed;
  long long area = 0;
  QRect bounds;
  std::vector<int> reaches;  // other sections (numbered from 1) whose seed it covers
  bool coversMost = false;   // more than half of the picture
  int width = 0;             // the widest disc the section holds, in pixels across
  // At PointerScale 1, every pointer lies wholly inside the picture, and
  // the part of it over the section (0..1; below 1 it covers an outline or
  // another section, so the user cannot tell which part is meant).
  bool pointerInPicture = false;
  double pointerCover = 0;
  // At PointerScale 2 and 3 (index 0: scale 2), every pointer where the
  // program places it lies whole inside the picture with its tip in the section.
  std::array<bool, 2> scaledPointerFits{};
};

struct PictureCheck {
  ScanResult scan;                     // exactly what the colouring window's validation says
  std::vector<SectionSpread> sections; // when accepted
  QImage preview;                      // when accepted
  bool Leaks() const;                  // some fill reaches another seed or most of the picture
  // Everything a shipped picture must not have, one sentence each: the
  // refusal, leaks, sections under MinSectionArea or narrower than
  // MinSectionWidth, a pointer cut off by the picture's edge or covering
  // more than its section at scale 1, an enlarged pointer that cannot lie
  // whole inside the picture with its tip in the section.
  QStringList Problems() const;
};

// Runs the colouring window's own scan on a copy of `image`, follows every
// section's fill and places the pointers (`pointerMasks`, pointing down; none:
// the 40 x 48 rectangle) at scales 1 to 3 as the colouring session does.
PictureCheck CheckPicture(const QImage& image, const QString& pictureName,
                          const std::vector<QImage>& pointerMasks = {});

// The check as lines of text for a carer.
QStringList DescribeCheck(const PictureCheck& check);

}  // namespace pictures
