// The image files shipped in content/: they exist, decode, fit the screen
// layout of the colouring window, and every pointer's mask agrees with its
// image pixel for pixel.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>

#include "pictures/session_tables.h"

namespace {

// An image of content/, whose size must lie within [min, max].
QImage LoadSized(const QString& name, QSize min, QSize max) {
  const QImage image = QImage(QStringLiteral(BRUSHWELL_SOURCE_DIR "/content/") + name).convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(QRect(QPoint(min.width(), min.height()), QPoint(max.width(), max.height())).contains(image.width(), image.height()))
      << name.toStdString() << " is " << image.width() << " x " << image.height();
  return image;
}

int Brightness(QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3; }
bool IsBlack(QRgb c) { return (c & 0xffffff) == 0; }

// Rows where the nozzle shows at the tube's left edge (JPEG leaves the
// black background a little noisy, so "lit" means clearly brighter).
double NozzleCentreRow(const QImage& tube) {
  int first = -1, last = -1;
  for (int y = 0; y < tube.height(); ++y)
    for (int x = 0; x < 3; ++x)
      if (Brightness(tube.pixel(x, y)) > 60) {
        if (first < 0) first = y;
        last = y;
      }
  return first < 0 ? -1.0 : (first + last) / 2.0;
}

TEST(ImageFiles, TubesFitTheColumnAndPourFromTheNozzleHeight) {
  pictures::FillSessionTables();
  // The nozzle rows: where the paint stripe leaves the tube.
  const struct { QString prefix; int maxWidth, maxHeight; double nozzleMin, nozzleMax; } sizes[] = {
      {QStringLiteral("aobj_tube_"), 150, 57, 17, 27}, {QStringLiteral("aobj_small_tube_"), 120, 40, 11, 18}};
  for (const auto& s : sizes) {
    for (int c = 1; c <= 10; ++c) {
      const QString name = s.prefix + pictures::ColorName[c] + QStringLiteral(".jpg");
      SCOPED_TRACE(name.toStdString());
      const QImage tube = LoadSized(name, {s.maxWidth / 2, 1}, {s.maxWidth, s.maxHeight});
      ASSERT_FALSE(tube.isNull());
      const double nozzle = NozzleCentreRow(tube);
      EXPECT_GE(nozzle, s.nozzleMin);
      EXPECT_LE(nozzle, s.nozzleMax);
      // The colouring window is black, and so is the tube's background.
      for (QPoint corner : {QPoint(0, 0), QPoint(tube.width() - 1, 0), QPoint(0, tube.height() - 1)})
        EXPECT_LT(Brightness(tube.pixel(corner)), 30);
      // The body in the middle carries the paint colour (its hue, not grey).
      const QColor paint(pictures::ColorRGB[c][1], pictures::ColorRGB[c][2], pictures::ColorRGB[c][3]);
      const QColor body = tube.pixelColor(tube.width() * 30 / 100, tube.height() * 3 / 4);
      if (paint.saturation() > 100) {
        const int diff = std::abs(body.hue() - paint.hue());
        EXPECT_LT(std::min(diff, 360 - diff), 20);
      }
    }
  }
}

TEST(ImageFiles, EaselLogoAndCalibrationObjectFitTheScreen) {
  // The easel spans the picture; the logo stands above the menu on a
  // 1024 x 768 screen; the calibration object travels 200 pixels right of
  // the centred slider.
  LoadSized(QStringLiteral("aobj_easel_bot.jpg"), {400, 20}, {440, 40});
  LoadSized(QStringLiteral("aobj_logo.jpg"), {400, 1}, {1024, 200});
  LoadSized(QStringLiteral("aobj_tube_calibrate.jpg"), {1, 1}, {200, 100});
}

TEST(ImageFiles, EachPointerMaskMatchesItsImageAndCoversTheTip) {
  for (const char* n : {"", "2", "3"}) {
    SCOPED_TRACE(n);
    const QImage image = LoadSized(QStringLiteral("aobj_pb%1.bmp").arg(QLatin1String(n)), {1, 1}, {64, 64});
    const QImage mask = LoadSized(QStringLiteral("aobj_pbm%1.bmp").arg(QLatin1String(n)), {1, 1}, {64, 64});
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), mask.size());
    int covered = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb m = mask.pixel(x, y) & 0xffffff;
        ASSERT_TRUE(m == 0 || m == 0xffffff) << "mask is not pure black/white at " << x << "," << y;
        // Drawn with AND of the mask, then OR of the image: the pointer
        // shows exactly where the mask is black, and shows no pure black
        // that would vanish on the picture's outlines.
        EXPECT_EQ(m == 0, !IsBlack(image.pixel(x, y))) << "at " << x << "," << y;
        covered += m == 0;
      }
    EXPECT_GT(covered, image.width() * image.height() / 8);
    // The pointer stands on the seed: its tip is at the bottom centre, and
    // nowhere else on the bottom row.
    const int cx = image.width() / 2, bottom = image.height() - 1;
    bool tip = false;
    for (int x = cx - 2; x <= cx + 1; ++x) tip = tip || IsBlack(mask.pixel(x, bottom));
    EXPECT_TRUE(tip);
    for (int x = 0; x < image.width(); ++x) {
      if (x < cx - 3 || x > cx + 2) {
        EXPECT_FALSE(IsBlack(mask.pixel(x, bottom))) << x;
      }
    }
  }
}

}  // namespace
