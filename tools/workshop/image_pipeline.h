#pragma once
// The Picture Workshop's image pipeline, with no widgets in it: reading a
// drawing or a photo safely, turning a drawing into clean outlines, and
// tracing a photo into outlines. Every result is a 400 x 400 picture of pure
// black lines on pure white, with no marker dots yet (picture_design.h adds
// the regions and the markers).

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace workshop {

constexpr int Side = 400;  // pictures are Side x Side

// A black-and-white grid: 1 = outline (black), 0 = paper (white).
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> cells;
  bool at(int x, int y) const { return cells[static_cast<size_t>(y) * width + x] != 0; }
};

// An image opened for the workshop, or why it could not be.
struct SourceImage {
  QImage image;     // ARGB32; null when `problem` is set
  QString problem;  // a sentence for a carer
  QSize original;   // the size of the file's picture
};

// Reads a PNG, JPEG, BMP, GIF or SVG file. Large photos are decoded at a
// reduced size (at most `workingSide` pixels on the longer side); damaged,
// truncated, empty or enormous files are refused with a reason.
SourceImage LoadSourceImage(const QString& path, int workingSide = 1600);

// Whether an image looks like a photo rather than a line drawing (many
// different colours rather than ink on paper).
bool LooksLikePhoto(const QImage& image);

// Dark pixels of an image laid on white paper: grey level below `level`.
Mask Threshold(const QImage& image, int level);

// The mask placed in a Side x Side page, as large as it fits inside
// `Side - 2 * margin` without stretching, centred (letterbox). A page pixel
// is outline when any source pixel under it is, so thin lines of a large
// drawing stay closed when it is shrunk. `placed` gets where it went.
Mask FitLetterbox(const Mask& mask, int margin = 0, QRect* placed = nullptr);

// Closes gaps in the outlines up to about 2 * radius pixels wide (a
// morphological closing with a disc); lines get one pixel thicker each side.
Mask CloseGaps(const Mask& mask, int radius);

// The mask as a pure black-and-white RGB32 image.
QImage ToImage(const Mask& mask);
Mask FromImage(const QImage& image);

struct DrawingOptions {
  int threshold = 160;  // grey levels below it are ink (0..255)
  int gapRadius = 0;    // gaps up to about twice this wide are closed (0: none)
};

struct CleanResult {
  QImage lines;        // Side x Side, pure black on white; null for an empty image
  int thickened = 0;   // pixels added to outlines one pixel thin
  int dustRemoved = 0; // lone dark pixels taken out
};

// A drawing made clean: threshold, letterbox, gaps closed, thin lines
// thickened to at least two pixels, lone specks of dust removed.
CleanResult CleanDrawing(const QImage& drawing, const DrawingOptions& options);

// A photo traced into outlines. `detail` 1..10: low detail gives a few large
// areas, high detail more and smaller ones. The photo is smoothed, its
// colours are grouped into a few tones, the edges between tones become the
// outlines, areas too small to colour are joined to their neighbour, and a
// frame closes the areas along the photo's edges.
QImage TracePhoto(const QImage& photo, int detail);

}  // namespace workshop
