#pragma once
// Where the section pointer goes on the picture. The colouring session draws
// it there and the picture tool's check tests the same places, so one
// function decides for both.
//
// At its own size the pointer stands with its tip on the section's seed,
// centred on it, and may be cut off by the picture's top edge. An enlarged
// pointer (PointerScale 2 or 3 in brushwell.ini) is always drawn whole inside
// the picture with its tip in the section: upright above the seed where it
// fits, else above the nearest point of the section where it fits, else
// turned (pointing up, left or right) over the nearest such point. Its body
// may then lie over other sections; only the tip must be in its own.

#include "pictures/section_scan.h"

#include <QImage>
#include <QPoint>
#include <vector>

namespace pictures {

// The way the pointer's tip points. The images are drawn pointing down.
enum class PointerTurn { Down, Up, Left, Right };

struct PointerPlace {
  int left = 0;  // top-left corner of the (turned) pointer on the picture
  int top = 0;
  PointerTurn turn = PointerTurn::Down;
  QPoint tip;                 // the pixel the tip points at (the seed when it could stay there)
  bool tipInSection = true;   // false only when no place in the picture has the tip in the section
};

// The pointer image or mask enlarged `scale` times, each pixel a square, so a
// mask stays pure black and white.
QImage ScalePointerImage(const QImage& image, int scale);

// A pointer image or mask (pointing down) turned to point `turn`.
QImage TurnPointer(const QImage& image, PointerTurn turn);

// The pixels of the tip of `mask` (drawn pointing down, enlarged `scale`
// times) as it lies on the picture at `place`: the mask's pixels in its last
// `scale` rows, turned with it.
std::vector<QPoint> PointerTipPixels(const QImage& mask, int scale, const PointerPlace& place);

// Where the pointer with the (enlarged, pointing down) mask `mask` marks the
// section whose seed is `seed` on `picture` (outlines pure black, the pointer
// not drawn on it). At `scale` 1 the place is the described one and never
// turned: left = seed x - width / 2 rounded half to even, at least 1;
// top = seed y - height (may be negative).
PointerPlace PlacePointer(const QImage& picture, const Seed& seed, const QImage& mask, int scale);

}  // namespace pictures
