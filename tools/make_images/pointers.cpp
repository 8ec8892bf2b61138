// The three pointers. Each is drawn twice: its outline alone, without
// anti-aliasing, which decides exactly which pixels belong to the pointer;
// and its colours, which are then kept only inside that outline. So the mask
// and the image can never disagree by a pixel.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <functional>

#include "drawings.h"

namespace art {
namespace {

const QRgb Outline = qRgb(20, 20, 20);

Pointer Compose(const QPainterPath& shape, const std::function<void(QPainter&)>& paint) {
  const int w = PointerWidth, h = PointerHeight;
  QImage inside(w, h, QImage::Format_RGB32);
  inside.fill(Qt::black);
  {
    QPainter p(&inside);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(shape);
  }
  QImage colours(w, h, QImage::Format_RGB32);
  colours.fill(QColor(128, 128, 128));
  {
    QPainter p(&colours);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
  }
  auto in = [&inside, w, h](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && qRed(inside.pixel(x, y)) != 0;
  };
  Pointer out{QImage(w, h, QImage::Format_RGB32), QImage(w, h, QImage::Format_RGB32)};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!in(x, y)) {
        out.image.setPixel(x, y, qRgb(0, 0, 0));
        out.mask.setPixel(x, y, qRgb(255, 255, 255));
        continue;
      }
      out.mask.setPixel(x, y, qRgb(0, 0, 0));
      const bool edge = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || (y + 1 < h && !in(x, y + 1));
      QRgb c = edge ? Outline : colours.pixel(x, y);
      // Pure black inside would vanish on the picture's black lines.
      if ((c & 0xffffff) == 0) c = Outline;
      out.image.setPixel(x, y, c);
    }
  }
  return out;
}

// The tip of every pointer: the two middle pixels of the bottom row.
constexpr double TipX = PointerWidth / 2.0;
constexpr double Bottom = PointerHeight;

}  // namespace

Pointer DrawPaintbrush() {
  // Built pointing straight down from the tip at the origin, then leaned
  // 18 degrees so the handle rises to the upper right.
  QTransform lean;
  lean.translate(TipX, Bottom);
  lean.rotate(18);

  QPainterPath bristles;
  bristles.moveTo(-1.2, 0);
  bristles.cubicTo(-3.5, -4, -6.0, -9, -5.5, -17);
  bristles.lineTo(5.5, -17);
  bristles.cubicTo(6.0, -9, 3.5, -4, 1.2, 0);
  bristles.closeSubpath();
  QPainterPath ferrule;
  ferrule.addRect(QRectF(-5, -26, 10, 9.5));
  QPainterPath handle;
  handle.moveTo(-4, -26);
  handle.cubicTo(-3, -33, -2.2, -40, -2.6, -44);
  handle.arcTo(QRectF(-2.6, -46.6, 5.2, 5.2), 180, -180);
  handle.cubicTo(2.2, -40, 3, -33, 4, -26);
  handle.closeSubpath();

  QPainterPath shape = lean.map(bristles.united(ferrule).united(handle));
  return Compose(shape, [&](QPainter& p) {
    p.setTransform(lean);
    p.setPen(Qt::NoPen);
    QLinearGradient wood(-4, 0, 4, 0);
    wood.setColorAt(0.0, QColor(120, 40, 20));
    wood.setColorAt(0.35, QColor(225, 95, 50));
    wood.setColorAt(1.0, QColor(130, 45, 25));
    p.setBrush(wood);
    p.drawPath(handle);
    QLinearGradient tin(-5, 0, 5, 0);
    tin.setColorAt(0.0, QColor(110, 115, 125));
    tin.setColorAt(0.4, QColor(235, 238, 242));
    tin.setColorAt(1.0, QColor(100, 105, 112));
    p.setBrush(tin);
    p.drawPath(ferrule);
    p.setPen(QPen(QColor(90, 95, 105), 1));
    p.drawLine(QPointF(-5, -22), QPointF(5, -22));
    p.setPen(Qt::NoPen);
    QLinearGradient hair(0, -17, 0, 0);
    hair.setColorAt(0.0, QColor(215, 175, 110));
    hair.setColorAt(0.45, QColor(200, 150, 90));
    hair.setColorAt(0.55, QColor(40, 120, 255));
    hair.setColorAt(1.0, QColor(20, 70, 220));
    p.setBrush(hair);
    p.drawPath(bristles);
    p.setPen(QPen(QColor(150, 110, 60), 0.8));
    p.drawLine(QPointF(-2, -16), QPointF(-1, -9));
    p.drawLine(QPointF(2, -16), QPointF(1, -9));
  });
}

Pointer DrawRedArrow() {
  // A fat arrow pointing straight down.
  QPainterPath shape;
  shape.moveTo(TipX - 1, Bottom);
  shape.lineTo(2, Bottom - 21);
  shape.lineTo(12, Bottom - 21);
  shape.lineTo(12, 1);
  shape.lineTo(PointerWidth - 12, 1);
  shape.lineTo(PointerWidth - 12, Bottom - 21);
  shape.lineTo(PointerWidth - 2, Bottom - 21);
  shape.lineTo(TipX + 1, Bottom);
  shape.closeSubpath();
  return Compose(shape, [&](QPainter& p) {
    QLinearGradient g(0, 0, PointerWidth, 0);
    g.setColorAt(0.0, QColor(255, 110, 100));
    g.setColorAt(0.45, QColor(240, 30, 30));
    g.setColorAt(1.0, QColor(160, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
    // A glint along the left of the shaft.
    p.setBrush(QColor(255, 180, 170));
    p.drawRect(QRectF(14, 3, 2.5, Bottom - 27));
  });
}

Pointer DrawColoredCones() {
  // Three cones stacked inside one another, pointing down: red, yellow,
  // then blue at the tip.
  const QColor colours[3] = {QColor(235, 40, 40), QColor(250, 215, 30), QColor(40, 110, 240)};
  const double tops[3] = {1, 15, 29};
  const double halfWidths[3] = {18, 13, 8.5};
  QPainterPath shape;
  for (int i = 0; i < 3; ++i) {
    QPainterPath cone;
    cone.moveTo(TipX - halfWidths[i], tops[i] + 4);
    cone.quadTo(TipX, tops[i] - 3, TipX + halfWidths[i], tops[i] + 4);
    cone.lineTo(TipX + 1, Bottom);
    cone.lineTo(TipX - 1, Bottom);
    cone.closeSubpath();
    shape = shape.united(cone);
  }
  return Compose(shape, [&](QPainter& p) {
    for (int i = 0; i < 3; ++i) {
      const double top = tops[i];
      const double hw = halfWidths[i];
      QPainterPath cone;
      cone.moveTo(TipX - hw, top + 4);
      cone.quadTo(TipX, top - 3, TipX + hw, top + 4);
      cone.lineTo(TipX + 1, Bottom);
      cone.lineTo(TipX - 1, Bottom);
      cone.closeSubpath();
      QLinearGradient g(TipX - hw, 0, TipX + hw, 0);
      g.setColorAt(0.0, colours[i].lighter(135));
      g.setColorAt(0.4, colours[i]);
      g.setColorAt(1.0, colours[i].darker(170));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawPath(cone);  // the next cone sits inside and covers the rest
      // Rim of the cone's open top.
      p.setPen(QPen(colours[i].darker(210), 1.2));
      p.setBrush(Qt::NoBrush);
      QPainterPath rim;
      rim.moveTo(TipX - hw + 1, top + 4.5);
      rim.quadTo(TipX, top + 9, TipX + hw - 1, top + 4.5);
      p.drawPath(rim);
    }
  });
}

}  // namespace art
