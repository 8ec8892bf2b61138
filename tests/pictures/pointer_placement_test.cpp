// Where the section pointer goes: at its own size exactly on the seed, and
// enlarged always whole inside the picture with its tip in the section.

#include "pictures/pointer_placement.h"
#include "platform/raster.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace pictures;
using namespace platform;

namespace {

const QRgb Black = qRgb(0, 0, 0);

QImage Mask(const char* name) {
  return QImage(QStringLiteral(BRUSHWELL_SOURCE_DIR "/content/") + QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
}

// A picture framed in black with the given boxes outlined.
QImage Boxes(std::initializer_list<QRect> boxes) {
  QImage img = MakeSurface(400, 400);
  DrawRectangleOutline(img, QRect(0, 0, 400, 400), Black);
  for (const QRect& r : boxes) DrawRectangleOutline(img, r, Black);
  return img;
}

// The placed pointer lies whole inside the picture and every pixel of its
// tip is in the seed's section.
void ExpectWholeWithTipIn(const QImage& picture, const Seed& seed, const QImage& mask, int scale, const PointerPlace& at) {
  const QSize size = TurnPointer(mask, at.turn).size();
  EXPECT_TRUE(QRect(0, 0, 400, 400).contains(QRect(QPoint(at.left, at.top), size)))
      << at.left << "," << at.top << " " << size.width() << "x" << size.height();
  const FillRegion region = FindFillRegion(picture, seed.x, seed.y, Black);
  QImage section = MakeSurface(400, 400);
  PaintRegion(section, region, {Black, BrushStyle::Solid});
  const std::vector<QPoint> tip = PointerTipPixels(mask, scale, at);
  ASSERT_FALSE(tip.empty());
  for (const QPoint& p : tip) EXPECT_EQ(section.pixel(p), Black) << "tip pixel " << p.x() << "," << p.y();
  EXPECT_TRUE(at.tipInSection);
}

TEST(PointerPlacement, AtItsOwnSizeThePointerStandsOnTheSeedAndMayBeCutOffAtTheTop) {
  const QImage mask = Mask("aobj_pbm.bmp");
  const QImage picture = Boxes({});
  const PointerPlace mid = PlacePointer(picture, {200, 200}, mask, 1);
  EXPECT_EQ(std::make_tuple(mid.left, mid.top, mid.turn), std::make_tuple(180, 152, PointerTurn::Down));
  // Near the left edge it is kept at column 1; near the top it is cut off.
  const PointerPlace corner = PlacePointer(picture, {10, 30}, mask, 1);
  EXPECT_EQ(std::make_tuple(corner.left, corner.top, corner.turn), std::make_tuple(1, -18, PointerTurn::Down));
  // A mask of odd width rounds half the width to even: 7 - 2.5 = 4.5 -> 4.
  const PointerPlace odd = PlacePointer(picture, {7, 100}, mask.copy(0, 0, 5, 48), 1);
  EXPECT_EQ(odd.left, 4);
}

TEST(PointerPlacement, AnEnlargedPointerLiesWholeInsideThePictureWithItsTipInTheSection) {
  // A band at the top (a guitar head), a strip along the right edge (a
  // teapot handle), a narrow band across the middle (a rainbow band), a big
  // box where the pointer fits over its seed, and a tiny corner box.
  const QImage picture = Boxes({QRect(150, 5, 100, 90), QRect(355, 100, 40, 200), QRect(20, 200, 300, 18),
                                QRect(60, 240, 280, 150), QRect(3, 3, 30, 30)});
  for (const char* name : {"aobj_pbm.bmp", "aobj_pbm2.bmp"}) {
    for (int scale = 2; scale <= 3; ++scale) {
      SCOPED_TRACE(testing::Message() << name << " at " << scale);
      const QImage mask = ScalePointerImage(Mask(name), scale);
      ASSERT_EQ(mask.size(), QSize(40, 48) * scale);
      for (const Seed seed : {Seed{200, 50}, Seed{375, 200}, Seed{100, 209}, Seed{200, 300}}) {
        SCOPED_TRACE(testing::Message() << seed.x << "," << seed.y);
        const PointerPlace at = PlacePointer(picture, seed, mask, scale);
        ExpectWholeWithTipIn(picture, seed, mask, scale, at);
      }
      // Room above the seed: upright on the seed itself, as at its own size.
      const PointerPlace big = PlacePointer(picture, {200, 385}, mask, scale);
      EXPECT_EQ(std::make_tuple(big.left, big.top, big.turn, big.tip),
                std::make_tuple(200 - 20 * scale, 385 - 48 * scale, PointerTurn::Down, QPoint(200, 385)));
      // The head is too high for an upright pointer: it points up at it.
      EXPECT_EQ(PlacePointer(picture, {200, 50}, mask, scale).turn, PointerTurn::Up);
      // In the corner box no place has the tip inside; it still stays whole
      // inside the picture.
      const PointerPlace corner = PlacePointer(picture, {15, 15}, mask, scale);
      EXPECT_FALSE(corner.tipInSection);
      EXPECT_TRUE(QRect(0, 0, 400, 400).contains(QRect(QPoint(corner.left, corner.top), mask.size())));
    }
  }
}

TEST(PointerPlacement, TurningKeepsTheShapeAndTheTipFacesTheTurn) {
  const QImage mask = ScalePointerImage(Mask("aobj_pbm2.bmp"), 2);
  for (const PointerTurn turn : {PointerTurn::Up, PointerTurn::Left, PointerTurn::Right}) {
    const QImage turned = TurnPointer(mask, turn);
    const bool across = turn != PointerTurn::Up;
    EXPECT_EQ(turned.size(), across ? mask.size().transposed() : mask.size());
    PointerPlace at;
    at.turn = turn;
    // The tip's pixels are mask pixels of the turned image, on the edge it points to.
    for (const QPoint& p : PointerTipPixels(mask, 2, at)) {
      EXPECT_EQ(turned.pixel(p) & 0xFFFFFF, 0u);
      const int fromEdge = turn == PointerTurn::Up     ? p.y()
                           : turn == PointerTurn::Left ? p.x()
                                                       : turned.width() - 1 - p.x();
      EXPECT_LT(fromEdge, 2);
    }
  }
}

}  // namespace
