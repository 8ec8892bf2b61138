#include "menu/placement.h"

namespace menu {

QPointF LogoPosition(QSizeF screen, QSizeF logo) {
  return {(screen.width() - logo.width()) / 2, (screen.height() - logo.height()) / 6};
}

QPointF CenteredFramePosition(QSizeF screen, QSizeF frame) {
  return {(screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2};
}

QPointF MenuFramePosition(QSizeF screen, QSizeF frame, QPointF logoPos, QSizeF logo) {
  return {(screen.width() - (frame.width() + 30)) / 2, logoPos.y() + logo.height() + 5};
}

}  // namespace menu
