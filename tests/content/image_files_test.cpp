// The image files shipped in content/: they exist, decode, fit the screen
// layout of the colouring window, and every pointer's mask agrees with its
// image pixel for pixel.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>

#include "pictures/session_tables.h"

namespace {

QString ContentPath(const QString& name) {
  return QDir(QStringLiteral(BRUSHWELL_SOURCE_DIR "/content")).filePath(name);
}

QImage LoadImage(const QString& name) {
  QImage image(ContentPath(name));
  return image.convertToFormat(QImage::Format_RGB32);
}

bool IsBlack(QRgb c) { return (c & 0xffffff) == 0; }
int Brightness(QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3; }

// Rows where the nozzle shows at the tube's left edge (JPEG leaves the
// black background a little noisy, so "lit" means clearly brighter).
double NozzleCentreRow(const QImage& tube) {
  int first = -1, last = -1;
  for (int y = 0; y < tube.height(); ++y) {
    bool lit = false;
    for (int x = 0; x < 3; ++x) lit = lit || Brightness(tube.pixel(x, y)) > 60;
    if (lit) {
      if (first < 0) first = y;
      last = y;
    }
  }
  return first < 0 ? -1.0 : (first + last) / 2.0;
}

TEST(ImageFiles, TubesFitTheColumnAndPourFromTheNozzleHeight) {
  pictures::FillSessionTables();
  struct Size {
    QString prefix;
    int maxWidth, maxHeight;
    double nozzleMin, nozzleMax;  // where the paint stripe leaves the tube
  } sizes[] = {{QStringLiteral("aobj_tube_"), 150, 57, 17, 27},
               {QStringLiteral("aobj_small_tube_"), 120, 40, 11, 18}};
  for (const Size& s : sizes) {
    for (int c = 1; c <= 10; ++c) {
      const QString name = s.prefix + pictures::ColorName[c] + QStringLiteral(".jpg");
      SCOPED_TRACE(name.toStdString());
      const QImage tube = LoadImage(name);
      ASSERT_FALSE(tube.isNull());
      EXPECT_LE(tube.width(), s.maxWidth);
      EXPECT_LE(tube.height(), s.maxHeight);
      EXPECT_GE(tube.width(), s.maxWidth / 2);
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
  const struct {
    const char* name;
    QSize min, max;
  } images[] = {{"aobj_easel_bot.jpg", {400, 20}, {440, 40}},
                {"aobj_logo.jpg", {400, 1}, {1024, 200}},
                {"aobj_tube_calibrate.jpg", {1, 1}, {200, 100}}};
  for (const auto& i : images) {
    const QImage image = LoadImage(QString::fromLatin1(i.name));
    ASSERT_FALSE(image.isNull()) << i.name;
    EXPECT_GE(image.width(), i.min.width()) << i.name;
    EXPECT_GE(image.height(), i.min.height()) << i.name;
    EXPECT_LE(image.width(), i.max.width()) << i.name;
    EXPECT_LE(image.height(), i.max.height()) << i.name;
  }
}

TEST(ImageFiles, EachPointerMaskMatchesItsImageAndCoversTheTip) {
  const char* pairs[][2] = {{"aobj_pb.bmp", "aobj_pbm.bmp"},
                            {"aobj_pb2.bmp", "aobj_pbm2.bmp"},
                            {"aobj_pb3.bmp", "aobj_pbm3.bmp"}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair[0]);
    const QImage image = LoadImage(QString::fromLatin1(pair[0]));
    const QImage mask = LoadImage(QString::fromLatin1(pair[1]));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), mask.size());
    EXPECT_LE(image.width(), 64);
    EXPECT_LE(image.height(), 64);
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb m = mask.pixel(x, y) & 0xffffff;
        ASSERT_TRUE(m == 0 || m == 0xffffff) << "mask is not pure black/white at " << x << "," << y;
        // Drawn with AND of the mask, then OR of the image: the pointer
        // shows exactly where the mask is black, and shows no pure black
        // that would vanish on the picture's outlines.
        EXPECT_EQ(m == 0, !IsBlack(image.pixel(x, y))) << "at " << x << "," << y;
        if (m == 0) ++covered;
      }
    }
    EXPECT_GT(covered, image.width() * image.height() / 8);
    // The pointer stands on the seed: its tip is at the bottom centre.
    const int cx = image.width() / 2;
    bool tip = false;
    for (int x = cx - 2; x <= cx + 1; ++x) tip = tip || (mask.pixel(x, image.height() - 1) & 0xffffff) == 0;
    EXPECT_TRUE(tip);
    // ...and nowhere else on the bottom row.
    for (int x = 0; x < image.width(); ++x) {
      if (x < cx - 3 || x > cx + 2) {
        EXPECT_NE(mask.pixel(x, image.height() - 1) & 0xffffff, 0u) << x;
      }
    }
  }
}

}  // namespace
