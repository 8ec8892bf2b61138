#pragma once
// The program's images, drawn with QPainter. Each function returns a
// finished image; main.cpp names and saves them.

#include <QColor>
#include <QImage>
#include <QString>

namespace art {

// Geometry of a tube image: the paint leaves the nozzle, on the left edge,
// in a band whose centre is nozzleCentreY below the top.
struct TubeSize {
  int width;
  int height;
  double nozzleCentreY() const { return height / 2.0; }
};
inline constexpr TubeSize NormalTube{150, 44};
inline constexpr TubeSize SmallTube{120, 29};
inline constexpr TubeSize CalibrationTube{150, 50};

// A paint tube lying on its side, metal nozzle and cap to the left, on the
// background (black for the colouring window; transparent for the logo).
QImage DrawTube(TubeSize size, QColor paint, const QString& label,
                QColor background = QColor(0, 0, 0));

// A pointer and its mask: mask white where the picture shows through and
// black under the shape; image black outside the shape. The tip is at the
// bottom centre.
struct Pointer {
  QImage image;
  QImage mask;
};
inline constexpr int PointerWidth = 40;
inline constexpr int PointerHeight = 48;
Pointer DrawPaintbrush();
Pointer DrawRedArrow();
Pointer DrawColoredCones();

QImage DrawBanner();     // "Brushwell" logo for the main menu
QImage DrawEaselBar();   // bottom bar of the easel, on black

}  // namespace art
