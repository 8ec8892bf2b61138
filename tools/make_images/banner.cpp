// The logo over the main menu: the name in round, sticker-like letters,
// each in a paint colour, a brush with splashes on the left and three
// tubes on the right.

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "drawings.h"

namespace art {
namespace {

constexpr int BannerWidth = 640;
constexpr int BannerHeight = 160;

void Splash(QPainter& p, QPointF centre, double radius, QColor colour, int seed) {
  // A blob with soft lobes and a few loose drops around it.
  QPainterPath blob;
  const int lobes = 9;
  for (int i = 0; i <= lobes * 4; ++i) {
    const double a = 2.0 * std::numbers::pi * i / (lobes * 4);
    const double r = radius * (1.0 + 0.18 * std::sin(a * lobes + seed) + 0.08 * std::sin(a * 3 + seed * 2));
    const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0) blob.moveTo(pt);
    else blob.lineTo(pt);
  }
  blob.closeSubpath();
  QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
  g.setColorAt(0.0, colour.lighter(135));
  g.setColorAt(1.0, colour);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(blob);
  for (int d = 0; d < 4; ++d) {
    const double a = seed * 1.7 + d * 1.9;
    const double dist = radius * (1.45 + 0.25 * ((seed + d) % 3));
    p.setBrush(colour);
    p.drawEllipse(QPointF(centre.x() + dist * std::cos(a), centre.y() + dist * std::sin(a)),
                  radius * 0.16, radius * 0.16);
  }
}

void Brush(QPainter& p, QPointF tip, double angleDeg) {
  p.save();
  p.translate(tip);
  p.rotate(angleDeg);
  // Pointing along -y from the tip; handle last.
  QLinearGradient wood(-6, 0, 6, 0);
  wood.setColorAt(0.0, QColor(125, 45, 20));
  wood.setColorAt(0.35, QColor(230, 110, 55));
  wood.setColorAt(1.0, QColor(120, 40, 18));
  QPainterPath handle;
  handle.moveTo(-6, -48);
  handle.cubicTo(-5, -75, -3.5, -100, -4, -118);
  handle.arcTo(QRectF(-4.5, -123, 9, 9), 180, -180);
  handle.cubicTo(3.5, -100, 5, -75, 6, -48);
  handle.closeSubpath();
  p.setPen(QPen(QColor(70, 30, 15), 1.5));
  p.setBrush(wood);
  p.drawPath(handle);
  QLinearGradient tin(-8, 0, 8, 0);
  tin.setColorAt(0.0, QColor(110, 115, 125));
  tin.setColorAt(0.4, QColor(240, 242, 246));
  tin.setColorAt(1.0, QColor(95, 100, 108));
  p.setBrush(tin);
  p.setPen(QPen(QColor(70, 72, 80), 1.5));
  p.drawRoundedRect(QRectF(-8, -50, 16, 20), 2, 2);
  QPainterPath hair;
  hair.moveTo(-2, 0);
  hair.cubicTo(-6, -8, -10, -18, -8.5, -31);
  hair.lineTo(8.5, -31);
  hair.cubicTo(10, -18, 6, -8, 2, 0);
  hair.closeSubpath();
  QLinearGradient hg(0, -31, 0, 0);
  hg.setColorAt(0.0, QColor(220, 180, 115));
  hg.setColorAt(0.45, QColor(205, 155, 95));
  hg.setColorAt(0.6, QColor(230, 30, 60));
  hg.setColorAt(1.0, QColor(200, 0, 40));
  p.setBrush(hg);
  p.setPen(QPen(QColor(90, 40, 30), 1.5));
  p.drawPath(hair);
  p.restore();
}

void Title(QPainter& p, const QRectF& area) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(100);
  const QString text = QStringLiteral("Brushwell");
  const QColor letters[] = {QColor(232, 30, 40),  QColor(255, 140, 0),  QColor(245, 200, 0),
                            QColor(40, 175, 70),  QColor(30, 110, 235), QColor(160, 60, 210),
                            QColor(245, 90, 150), QColor(0, 170, 190),  QColor(232, 30, 40)};
  // Lay the letters out at a nominal size, then scale the whole word into
  // the area; each letter bobs a little for a hand-made look.
  QFontMetricsF fm(f);
  QPainterPath word[9];
  double x = 0;
  for (int i = 0; i < text.size(); ++i) {
    word[i].addText(x, (i % 2 ? -3.0 : 3.0), f, QString(text[i]));
    x += fm.horizontalAdvance(text[i]) + 2;
  }
  QRectF bounds;
  for (const auto& w : word) bounds = bounds.united(w.boundingRect());
  const double scale = std::min(area.width() / (bounds.width() + 20), area.height() / (bounds.height() + 20));
  QTransform t;
  t.translate(area.center().x(), area.center().y());
  t.scale(scale, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());

  p.save();
  p.setTransform(t);
  // Shadow, then a dark rim and a white border, then the rounded letters.
  for (const auto& w : word) {
    p.setPen(QPen(QColor(0, 0, 0, 55), 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawPath(w.translated(4, 6));
  }
  for (const auto& w : word) {
    p.setPen(QPen(QColor(60, 35, 75), 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(60, 35, 75));
    p.drawPath(w);
  }
  for (const auto& w : word) {
    p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(w);
  }
  for (int i = 0; i < text.size(); ++i) {
    const QRectF b = word[i].boundingRect();
    QLinearGradient g(0, b.top(), 0, b.bottom());
    g.setColorAt(0.0, letters[i].lighter(130));
    g.setColorAt(0.5, letters[i]);
    g.setColorAt(1.0, letters[i].darker(125));
    p.setPen(QPen(QBrush(g), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(word[i]);
    // A glossy dot on each letter.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(b.left() + b.width() * 0.3, b.top() + 12), 4, 2.5);
  }
  p.restore();
}

}  // namespace

QImage DrawBanner() {
  QImage img(BannerWidth, BannerHeight, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, BannerHeight);
  sky.setColorAt(0.0, QColor(255, 253, 244));
  sky.setColorAt(1.0, QColor(214, 234, 255));
  p.fillRect(img.rect(), sky);

  // A rainbow stroke sweeping under the name.
  const QColor rainbow[] = {QColor(232, 30, 40), QColor(255, 150, 0), QColor(245, 210, 0),
                            QColor(40, 175, 70), QColor(30, 110, 235), QColor(160, 60, 210)};
  for (int i = 0; i < 6; ++i) {
    QPainterPath arc;
    const double y = 128 + i * 4.5;
    arc.moveTo(120, y + 6);
    arc.cubicTo(250, y - 14, 400, y + 18, 540, y - 4);
    QColor c = rainbow[i];
    c.setAlpha(200);
    p.setPen(QPen(c, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
  }

  Splash(p, QPointF(70, 118), 20, QColor(232, 30, 40), 1);
  Splash(p, QPointF(38, 60), 13, QColor(245, 200, 0), 2);
  Splash(p, QPointF(112, 40), 11, QColor(30, 110, 235), 3);
  Splash(p, QPointF(585, 30), 10, QColor(40, 175, 70), 4);
  Brush(p, QPointF(76, 116), 35);

  // Three tubes fanned out on the right.
  const QColor tubes[] = {QColor(30, 110, 235), QColor(245, 200, 0), QColor(232, 30, 40)};
  for (int i = 0; i < 3; ++i) {
    const QImage tube = DrawTube(TubeSize{84, 26}, tubes[i], QString(), Qt::transparent);
    p.save();
    p.translate(592, 148);
    p.rotate(62 + i * 28);
    p.drawImage(QPointF(-84, -13), tube);
    p.restore();
  }

  Title(p, QRectF(120, 6, 400, 124));
  p.end();
  return img;
}

}  // namespace art
