#pragma once
#include <QImage>

class QPrinter;

namespace platform {

// Draws the picture on one page at the origin of the printable area. A
// 400-pixel picture would be a postage stamp at printer resolution, so it is
// scaled up to fill most of the page width (never beyond the page), keeping
// its proportions and its hard pixel edges.
void paintPicturePage(QPrinter& printer, const QImage& image);

}  // namespace platform
