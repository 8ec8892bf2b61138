#include "line_drawing.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pictures {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

struct Point {
  double x = 0;
  double y = 0;
};
using Path = std::vector<Point>;

// Paints every pixel whose centre lies within `radius` of the segment a-b.
void StrokeSegment(QImage& img, Point a, Point b, double radius) {
  const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - radius)));
  const int x1 = std::min(img.width() - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + radius)));
  const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - radius)));
  const int y1 = std::min(img.height() - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + radius)));
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  const double r2 = radius * radius + 1e-9;
  for (int y = y0; y <= y1; ++y) {
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = x0; x <= x1; ++x) {
      double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0.0;
      t = std::clamp(t, 0.0, 1.0);
      const double ex = a.x + t * dx - x;
      const double ey = a.y + t * dy - y;
      if (ex * ex + ey * ey <= r2) row[x] = kBlack;
    }
  }
}

void StrokePath(QImage& img, const Path& path, bool closed, double width) {
  const double radius = width / 2.0;
  if (path.size() == 1) StrokeSegment(img, path[0], path[0], radius);
  for (size_t i = 1; i < path.size(); ++i) StrokeSegment(img, path[i - 1], path[i], radius);
  if (closed && path.size() > 2) StrokeSegment(img, path.back(), path.front(), radius);
}

// Even-odd fill of a closed path, sampled at pixel centres.
void FillPath(QImage& img, const Path& path, QRgb colour) {
  if (path.size() < 3) return;
  double top = path[0].y, bottom = path[0].y;
  for (const Point& p : path) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const int y0 = std::max(0, static_cast<int>(std::ceil(top)));
  const int y1 = std::min(img.height() - 1, static_cast<int>(std::floor(bottom)));
  std::vector<double> xs;
  for (int y = y0; y <= y1; ++y) {
    xs.clear();
    for (size_t i = 0; i < path.size(); ++i) {
      const Point& a = path[i];
      const Point& b = path[(i + 1) % path.size()];
      if ((a.y <= y && b.y > y) || (b.y <= y && a.y > y)) {
        xs.push_back(a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x));
      }
    }
    std::sort(xs.begin(), xs.end());
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int from = std::max(0, static_cast<int>(std::ceil(xs[i])));
      const int to = std::min(img.width() - 1, static_cast<int>(std::floor(xs[i + 1])));
      for (int x = from; x <= to; ++x) row[x] = colour;
    }
  }
}

Path EllipsePath(Point c, double rx, double ry, double fromDeg, double toDeg) {
  while (toDeg <= fromDeg) toDeg += 360.0;
  const double sweep = (toDeg - fromDeg) * std::numbers::pi / 180.0;
  const double around = sweep * std::max(rx, ry);
  const int steps = std::max(12, static_cast<int>(around / 1.5));
  Path p;
  for (int i = 0; i <= steps; ++i) {
    const double a = fromDeg * std::numbers::pi / 180.0 + sweep * i / steps;
    p.push_back({c.x + rx * std::cos(a), c.y + ry * std::sin(a)});
  }
  return p;
}

// Catmull-Rom curve through the points.
Path SmoothPath(const Path& pts, bool closed) {
  const size_t n = pts.size();
  auto at = [&](long i) -> Point {
    if (closed) return pts[static_cast<size_t>((i % static_cast<long>(n) + static_cast<long>(n)) % static_cast<long>(n))];
    return pts[static_cast<size_t>(std::clamp(i, 0L, static_cast<long>(n) - 1))];
  };
  Path out;
  const long segments = closed ? static_cast<long>(n) : static_cast<long>(n) - 1;
  for (long i = 0; i < segments; ++i) {
    const Point p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    const double len = std::hypot(p2.x - p1.x, p2.y - p1.y);
    const int steps = std::max(6, static_cast<int>(len / 1.5));
    for (int s = 0; s < steps; ++s) {
      const double t = static_cast<double>(s) / steps, t2 = t * t, t3 = t2 * t;
      auto f = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
      };
      out.push_back({f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)});
    }
  }
  if (!closed) out.push_back(pts.back());
  return out;
}

Path BezierPath(Point a, Point b, Point c, Point d) {
  const double len = std::hypot(b.x - a.x, b.y - a.y) + std::hypot(c.x - b.x, c.y - b.y) + std::hypot(d.x - c.x, d.y - c.y);
  const int steps = std::max(8, static_cast<int>(len / 1.5));
  Path out;
  for (int s = 0; s <= steps; ++s) {
    const double t = static_cast<double>(s) / steps, u = 1 - t;
    out.push_back({u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
                   u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y});
  }
  return out;
}

struct Renderer {
  QImage img;
  double pen = 3;
  Point origin;
  double zoom = 1;
  std::vector<Point> markers;

  Point Map(double x, double y) const { return {origin.x + zoom * x, origin.y + zoom * y}; }

  void ClosedShape(const Path& path, bool white) {
    if (white) FillPath(img, path, kWhite);
    StrokePath(img, path, true, pen);
  }
};

}  // namespace

LineDrawingResult RenderLineDrawing(const QString& text) {
  Renderer r;
  r.img = QImage(400, 400, QImage::Format_RGB32);
  r.img.fill(kWhite);
  bool drawn = false;

  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int ln = 0; ln < lines.size(); ++ln) {
    QString line = lines[ln];
    const int hash = line.indexOf(QLatin1Char('#'));
    if (hash >= 0) line.truncate(hash);
    QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) continue;
    auto fail = [&](const QString& why) {
      return LineDrawingResult{QImage(), QStringLiteral("line %1: %2").arg(ln + 1).arg(why)};
    };
    const QString cmd = words.takeFirst().toLower();
    bool white = false;
    if (!words.isEmpty() && words.last().toLower() == QStringLiteral("white")) {
      white = true;
      words.removeLast();
    }
    std::vector<double> v;
    for (const QString& w : words) {
      bool ok = false;
      const double d = w.toDouble(&ok);
      if (!ok || !std::isfinite(d)) return fail(QStringLiteral("\"%1\" is not a number").arg(w));
      v.push_back(d);
    }
    const size_t n = v.size();
    auto need = [&](size_t count) { return n == count; };
    auto points = [&]() {
      Path p;
      for (size_t i = 0; i + 1 < n; i += 2) p.push_back(r.Map(v[i], v[i + 1]));
      return p;
    };
    const bool closable = cmd == QStringLiteral("polygon") || cmd == QStringLiteral("rect") || cmd == QStringLiteral("circle") ||
                          cmd == QStringLiteral("ellipse") || cmd == QStringLiteral("blob");
    if (white && !closable) return fail(QStringLiteral("\"white\" only goes with closed shapes"));

    if (cmd == QStringLiteral("size")) {
      if (!need(2) || v[0] < 1 || v[1] < 1 || v[0] > 4000 || v[1] > 4000) return fail(QStringLiteral("size needs a width and a height from 1 to 4000"));
      if (drawn) return fail(QStringLiteral("size must come before the first shape"));
      r.img = QImage(static_cast<int>(v[0]), static_cast<int>(v[1]), QImage::Format_RGB32);
      r.img.fill(kWhite);
    } else if (cmd == QStringLiteral("pen")) {
      if (!need(1) || v[0] < 1 || v[0] > 40) return fail(QStringLiteral("pen needs a width from 1 to 40"));
      r.pen = v[0];
    } else if (cmd == QStringLiteral("origin")) {
      if (!need(2)) return fail(QStringLiteral("origin needs X and Y"));
      r.origin = {v[0], v[1]};
    } else if (cmd == QStringLiteral("zoom")) {
      if (!need(1) || v[0] <= 0) return fail(QStringLiteral("zoom needs a number above 0"));
      r.zoom = v[0];
    } else if (cmd == QStringLiteral("line")) {
      if (n < 4 || n % 2) return fail(QStringLiteral("line needs at least two X Y points"));
      StrokePath(r.img, points(), false, r.pen);
    } else if (cmd == QStringLiteral("polygon")) {
      if (n < 6 || n % 2) return fail(QStringLiteral("polygon needs at least three X Y points"));
      r.ClosedShape(points(), white);
    } else if (cmd == QStringLiteral("rect")) {
      if (!need(4)) return fail(QStringLiteral("rect needs X Y W H"));
      r.ClosedShape({r.Map(v[0], v[1]), r.Map(v[0] + v[2], v[1]), r.Map(v[0] + v[2], v[1] + v[3]), r.Map(v[0], v[1] + v[3])}, white);
    } else if (cmd == QStringLiteral("circle") || cmd == QStringLiteral("ellipse")) {
      const bool circle = cmd == QStringLiteral("circle");
      if (!need(circle ? 3 : 4)) return fail(circle ? QStringLiteral("circle needs CX CY R") : QStringLiteral("ellipse needs CX CY RX RY"));
      const double rx = v[2] * r.zoom, ry = (circle ? v[2] : v[3]) * r.zoom;
      Path p = EllipsePath(r.Map(v[0], v[1]), rx, ry, 0, 360);
      p.pop_back();
      r.ClosedShape(p, white);
    } else if (cmd == QStringLiteral("arc")) {
      if (!need(6)) return fail(QStringLiteral("arc needs CX CY RX RY FROM TO"));
      StrokePath(r.img, EllipsePath(r.Map(v[0], v[1]), v[2] * r.zoom, v[3] * r.zoom, v[4], v[5]), false, r.pen);
    } else if (cmd == QStringLiteral("curve") || cmd == QStringLiteral("blob")) {
      if (n < 6 || n % 2) return fail(QStringLiteral("%1 needs at least three X Y points").arg(cmd));
      if (cmd == QStringLiteral("curve")) {
        StrokePath(r.img, SmoothPath(points(), false), false, r.pen);
      } else {
        r.ClosedShape(SmoothPath(points(), true), white);
      }
    } else if (cmd == QStringLiteral("bezier")) {
      if (!need(8)) return fail(QStringLiteral("bezier needs four X Y points"));
      const Path p = points();
      StrokePath(r.img, BezierPath(p[0], p[1], p[2], p[3]), false, r.pen);
    } else if (cmd == QStringLiteral("dot")) {
      if (!need(3)) return fail(QStringLiteral("dot needs CX CY R"));
      const Point c = r.Map(v[0], v[1]);
      StrokeSegment(r.img, c, c, v[2] * r.zoom);
    } else if (cmd == QStringLiteral("solid")) {
      if (n < 6 || n % 2) return fail(QStringLiteral("solid needs at least three X Y points"));
      const Path p = points();
      FillPath(r.img, p, kBlack);
      StrokePath(r.img, p, true, 1);
    } else if (cmd == QStringLiteral("marker")) {
      if (!need(2)) return fail(QStringLiteral("marker needs X Y"));
      r.markers.push_back(r.Map(v[0], v[1]));
    } else {
      return fail(QStringLiteral("unknown command \"%1\"").arg(cmd));
    }
    if (cmd != QStringLiteral("pen") && cmd != QStringLiteral("origin") && cmd != QStringLiteral("zoom")) drawn = true;
  }
  for (const Point& m : r.markers) {
    const int x = static_cast<int>(std::lround(m.x)), y = static_cast<int>(std::lround(m.y));
    if (r.img.rect().contains(x, y)) r.img.setPixel(x, y, kBlack);
  }
  return {r.img, QString()};
}

LineDrawingResult RenderLineDrawingFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {QImage(), QStringLiteral("cannot open %1: %2").arg(path, f.errorString())};
  if (f.size() > 4 * 1024 * 1024) return {QImage(), QStringLiteral("%1 is too large for a drawing").arg(path)};
  LineDrawingResult r = RenderLineDrawing(QString::fromUtf8(f.readAll()));
  if (!r.problem.isEmpty()) r.problem = path + QStringLiteral(", ") + r.problem;
  return r;
}

}  // namespace pictures
