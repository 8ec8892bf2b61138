#include "platform/printing.h"

#include <QPainter>
#include <QPrinter>

namespace platform {

void paintPicturePage(QPrinter& printer, const QImage& image) {
  QPainter painter(&printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  // Printable area in device pixels, origin at its top-left corner.
  const double maxW = page.width() * 0.9;
  const double maxH = page.height() * 0.9;
  double scale = maxW / image.width();
  if (image.height() * scale > maxH) scale = maxH / image.height();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
  painter.end();
}

}  // namespace platform
