#pragma once
// Where the main window places its logo and frames on the screen.

#include <QPointF>
#include <QSizeF>

namespace menu {

// The logo centred across and at one sixth of the free height.
QPointF LogoPosition(QSizeF screen, QSizeF logo);
// A settings frame centred on the screen.
QPointF CenteredFramePosition(QSizeF screen, QSizeF frame);
// The menu frame under the logo, 15 pixels left of true centre.
QPointF MenuFramePosition(QSizeF screen, QSizeF frame, QPointF logoPos, QSizeF logo);

}  // namespace menu
