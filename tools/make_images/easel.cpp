// The easel's ledge under the picture: a wooden tray with a front lip and
// the tops of the two front legs, on black.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "drawings.h"

namespace art {
namespace {

constexpr int BarWidth = 420;
constexpr int BarHeight = 30;

// Wood: warm base with long, gently wavering grain lines.
void Grain(QPainter& p, const QRectF& r, QColor base, int seed) {
  QLinearGradient g(0, r.top(), 0, r.bottom());
  g.setColorAt(0.0, base.lighter(118));
  g.setColorAt(0.5, base);
  g.setColorAt(1.0, base.darker(135));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(r);
  p.save();
  p.setClipRect(r);
  const int lines = std::max(2, static_cast<int>(r.height() / 2.5));
  for (int i = 0; i < lines; ++i) {
    QPainterPath path;
    const double y0 = r.top() + (i + 0.5) * r.height() / lines;
    for (double x = r.left(); x <= r.right(); x += 4) {
      const double y = y0 + 0.9 * std::sin(x / (37.0 + 7 * ((i + seed) % 5)) + i * 1.3 + seed) +
                       0.5 * std::sin(x / 9.0 + i);
      if (x == r.left()) path.moveTo(x, y);
      else path.lineTo(x, y);
    }
    QColor c = base.darker(i % 3 == 0 ? 150 : 125);
    c.setAlpha(150);
    p.setPen(QPen(c, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.restore();
}

}  // namespace

QImage DrawEaselBar() {
  QImage img(BarWidth, BarHeight, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor wood(176, 112, 60);
  // Legs first, behind the ledge.
  for (double x : {52.0, BarWidth - 72.0}) {
    QRectF leg(x, 14, 20, BarHeight - 14);
    Grain(p, leg, wood.darker(115), static_cast<int>(x));
    QLinearGradient side(leg.left(), 0, leg.right(), 0);
    side.setColorAt(0.0, QColor(0, 0, 0, 0));
    side.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillRect(leg, side);
  }
  // The tray: a thin top edge catching the light, then the front face.
  const QRectF top(2, 1, BarWidth - 4, 5);
  const QRectF face(0, 6, BarWidth, 12);
  Grain(p, top, wood.lighter(125), 1);
  Grain(p, face, wood, 2);
  p.setPen(QPen(wood.darker(220), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  p.drawLine(QPointF(2, 6), QPointF(BarWidth - 2, 6));
  // A few dabs of paint left on the ledge.
  const QColor dabs[] = {QColor(232, 30, 40), QColor(30, 110, 235), QColor(245, 200, 0), QColor(40, 175, 70)};
  const double at[] = {96, 171, 268, 333};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    p.setBrush(dabs[i]);
    p.drawEllipse(QPointF(at[i], 3.2), 4.5, 1.8);
  }
  p.end();
  return img;
}

}  // namespace art
