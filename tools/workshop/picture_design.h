#pragma once
// A picture being made in the workshop: its outlines, its regions (as the
// colouring window's fill will see them), which of them are sections, where
// their markers stand and so in which order they are coloured. All pure
// functions on values, so every step can be undone by keeping the old value.
//
// The colouring window colours the sections in the order it finds their
// markers: column by column from the left, top to bottom within a column.
// So the order is a consequence of where the markers stand; changing the
// order means finding marker places whose left-to-right order is the one
// asked for.

#include "image_pipeline.h"
#include "pictures/section_scan.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace workshop {

// Regions smaller than this are too small to see when coloured, or to point at.
constexpr int SmallArea = 600;
// The colouring window accepts 1 to this many sections.
constexpr int MaxSections = 25;
// Enclosed specks of white up to this size (where lines meet at a sharp
// angle) become part of the outline.
constexpr int SpeckArea = 24;

struct Region {
  int area = 0;
  QRect bounds;
  bool background = false;  // touches the page's edge: never coloured
  bool small = false;       // enclosed, but under SmallArea: shown in red, no marker
  bool leftWhite = false;   // small, and the carer chose to leave it white
  std::optional<pictures::Seed> marker;  // set for a section
  bool pointerClipped = false;  // no marker place shows the whole pointer
};

struct Design {
  QImage lines;               // Side x Side, pure black on white, no markers
  std::vector<int> label;     // region of each pixel, -1 on the outlines
  std::vector<Region> regions;
  std::vector<QPoint> leftWhite;  // a point in each region left white
  int specksFilled = 0;

  // The sections (indices into `regions`) in colouring order.
  std::vector<int> Order() const;
  // The region under a pixel, or -1.
  int RegionAt(int x, int y) const;
  int SmallCount() const;
};

// Finds the regions of an outline picture and places the markers. A marker
// of `keep` that lies in a section-to-be at a place a marker may stand is
// kept there; the other sections get the most interior point that shows the
// whole pointer (or, in a region too near the top for that, the most
// interior point).
// A small region holding a point of `leftWhite` is left white.
Design AnalyseLines(const QImage& lines, const std::vector<pictures::Seed>& keep = {},
                    const std::vector<QPoint>& leftWhite = {});

// The design analysed again with new outlines, keeping every marker and
// every region left white that is still where it was; the marker of region
// `first` wins where regions were joined, and the regions of `joined` are
// no longer left white.
Design WithLines(const Design& design, const QImage& lines, int first = -1, const std::vector<int>& joined = {});

// The outline cells of a picture: 1 where it is black.
std::vector<uint8_t> OutlineCells(const QImage& lines);

// Whether a marker may stand at (x, y) in region `region`: paper all round,
// inside the part of the picture the colouring window scans.
bool MarkerFits(const Design& design, int region, int x, int y);

// Moves the marker of the section under (x, y) there. Nothing when (x, y)
// is in no section or a marker cannot stand there.
std::optional<Design> MoveMarker(const Design& design, int x, int y);

// Puts the markers so that the sections are coloured in `order` (region
// indices of every section, each once). Markers that already fit stay.
// Nothing, with the reason in `problem`, when no placing gives that order.
std::optional<Design> ArrangeOrder(const Design& design, const std::vector<int>& order, QString* problem = nullptr);

// Joining, splitting and erasing are in region_edit.h.

// The picture as it will be saved: the outlines with one marker dot per section.
QImage ComposePicture(const Design& design);

// The preview: sections tinted and numbered in colouring order, small
// regions red, regions no section colours grey.
QImage RenderPreview(const Design& design, int selectedRegion = -1);

// The colouring window's own scan and fill run on the picture: empty when
// it accepts the picture with exactly the design's sections in the design's
// order and each fill covers exactly its section; otherwise what is wrong.
QString CheckWithProgram(const QImage& picture, const Design& design, const QString& pictureName);

// What a carer should know about the design, one sentence each; the hints
// name only the controls there are for a drawing, or for a photo.
QStringList Remarks(const Design& design, bool photo = false);

}  // namespace workshop
