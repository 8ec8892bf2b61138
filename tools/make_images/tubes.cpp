// Paint tubes: a cylindrical body in the paint colour with a label band, a
// crimped end on the right and a ribbed metal cap with its nozzle on the
// left, where the paint comes out.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawings.h"

namespace art {
namespace {

QColor Mix(QColor a, QColor b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Light falls from above: a bright streak in the upper third, the lower
// edge turning away into shadow.
QColor Shade(QColor base, double t) {
  const double round = 0.45 + 0.55 * std::sin(std::numbers::pi * std::clamp(t, 0.0, 1.0));
  QColor c = Mix(QColor(0, 0, 0), base, round);
  const double streak = 0.55 * std::exp(-std::pow((t - 0.27) / 0.09, 2.0));
  return Mix(c, QColor(255, 255, 255), streak);
}

QLinearGradient Cylinder(QColor base, double top, double bottom) {
  QLinearGradient g(0, top, 0, bottom);
  for (int i = 0; i <= 16; ++i) g.setColorAt(i / 16.0, Shade(base, i / 16.0));
  return g;
}

}  // namespace

QImage DrawTube(TubeSize size, QColor paint, const QString& label, QColor background) {
  const double w = size.width;
  const double h = size.height;
  const double cy = size.nozzleCentreY();
  QImage img(size.width, size.height,
             background.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  img.fill(background);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  const QColor metal(176, 180, 186);
  const double bodyHalf = h * 0.44;
  const double capHalf = h * 0.27;
  const double tipHalf = h * 0.17;
  const double tipEnd = w * 0.045;
  const double capEnd = w * 0.15;
  const double shoulderEnd = w * 0.25;
  const double crimpStart = w * 0.91;

  // Body with its shoulder narrowing towards the cap.
  QPainterPath body;
  body.moveTo(capEnd - 1, cy - capHalf);
  body.cubicTo(capEnd + (shoulderEnd - capEnd) * 0.5, cy - capHalf, capEnd + (shoulderEnd - capEnd) * 0.4,
               cy - bodyHalf, shoulderEnd, cy - bodyHalf);
  body.lineTo(crimpStart, cy - bodyHalf);
  body.lineTo(crimpStart, cy + bodyHalf);
  body.lineTo(shoulderEnd, cy + bodyHalf);
  body.cubicTo(capEnd + (shoulderEnd - capEnd) * 0.4, cy + bodyHalf, capEnd + (shoulderEnd - capEnd) * 0.5,
               cy + capHalf, capEnd - 1, cy + capHalf);
  body.closeSubpath();
  p.setPen(QPen(paint.darker(220), 1.0));
  p.setBrush(Cylinder(paint, cy - bodyHalf, cy + bodyHalf));
  p.drawPath(body);

  // Crimped end: flattened, a little taller, with pressed ridges.
  const QRectF crimp(crimpStart, cy - h * 0.48, w - 1.5 - crimpStart, h * 0.96);
  p.setBrush(Cylinder(paint.darker(125), crimp.top(), crimp.bottom()));
  p.drawRoundedRect(crimp, 1.5, 1.5);
  p.setPen(QPen(paint.darker(200), 1.0));
  for (double x = crimpStart + 3; x < w - 3; x += 3) p.drawLine(QPointF(x, crimp.top() + 2), QPointF(x, crimp.bottom() - 2));

  // Label band round the body, with the colour's name.
  const double bandLeft = w * 0.40;
  const double bandRight = w * 0.80;
  QRectF band(bandLeft, cy - bodyHalf + 0.5, bandRight - bandLeft, bodyHalf * 2 - 1);
  p.setPen(Qt::NoPen);
  p.setBrush(Cylinder(QColor(250, 246, 232), band.top(), band.bottom()));
  p.drawRect(band);
  p.setBrush(Cylinder(paint, band.top(), band.bottom()));
  const double stripe = std::max(2.0, h * 0.07);
  p.drawRect(QRectF(bandLeft, band.top(), stripe, band.height()));
  p.drawRect(QRectF(bandRight - stripe, band.top(), stripe, band.height()));
  if (!label.isEmpty()) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(static_cast<int>(std::round(h * 0.27)));
    f.setLetterSpacing(QFont::PercentageSpacing, 95);
    p.setFont(f);
    // Dark enough to read on the cream label, still recognisably the paint.
    const QColor ink = paint.saturationF() < 0.2 ? QColor(85, 85, 85)
                                                 : Mix(paint, QColor(0, 0, 0), paint.lightnessF() > 0.45 ? 0.55 : 0.3);
    p.setPen(ink);
    p.drawText(band.adjusted(stripe, 0, -stripe, 0), Qt::AlignCenter, label.toUpper());
  }

  // Ribbed screw cap.
  const QRectF cap(tipEnd, cy - capHalf, capEnd - tipEnd, capHalf * 2);
  p.setPen(QPen(metal.darker(230), 1.0));
  p.setBrush(Cylinder(metal, cap.top(), cap.bottom()));
  p.drawRoundedRect(cap, 1.5, 1.5);
  p.setPen(QPen(metal.darker(160), 1.0));
  for (double x = cap.left() + 3; x < cap.right() - 1; x += 3)
    p.drawLine(QPointF(x, cap.top() + 1.5), QPointF(x, cap.bottom() - 1.5));

  // Nozzle, open to the left.
  const QRectF tip(0.5, cy - tipHalf, tipEnd + 1, tipHalf * 2);
  p.setPen(QPen(metal.darker(230), 1.0));
  p.setBrush(Cylinder(metal.lighter(110), tip.top(), tip.bottom()));
  p.drawRect(tip);
  // A dab of paint at the opening.
  p.setPen(Qt::NoPen);
  p.setBrush(paint);
  p.drawEllipse(QPointF(1.5, cy), 1.2, tipHalf * 0.55);
  p.end();
  return img;
}

}  // namespace art
