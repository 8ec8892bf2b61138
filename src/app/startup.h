#pragma once
// The load step of the main window: display check and placement arithmetic.

#include <QPointF>
#include <QSizeF>
#include <QString>

namespace app {

// 2 to the power (planes x bits per pixel), in double precision.
double ColorDepthCount(int planes, int bitsPerPixel);

struct DisplayVerdict {
  bool stop = false;   // too few colours: the program ends when the box is closed
  QString message;     // "" when no message is shown
};
// What the display check says for a display of `colorDepthCount` colours.
DisplayVerdict CheckDisplay(double colorDepthCount);

// The logo centred across and at one sixth of the free height.
QPointF LogoPosition(QSizeF screen, QSizeF logo);
// A settings frame centred on the screen.
QPointF CenteredFramePosition(QSizeF screen, QSizeF frame);
// The menu frame under the logo, 15 pixels left of true centre.
QPointF MenuFramePosition(QSizeF screen, QSizeF frame, QPointF logoPos, QSizeF logo);

// The program's own folder (where the executable and its data files are),
// ending in "/".
QString ProgramFolder();

}  // namespace app
