// Joining, splitting and erasing regions on tiled and nested drawings: a
// grid, a house with a window of four panes, concentric rings. Whatever is
// joined, no paper becomes outline, no region is cut up, no other region
// loses a pixel and no piece of outline is left standing alone.

#include "region_edit.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace workshop;

namespace {

template <typename F>
Design Drawn(F draw) {
  QImage img(Side, Side, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setPen(QPen(Qt::black, 2));
  draw(p);
  p.end();
  return AnalyseLines(CleanDrawing(img, {}).lines);
}

// A 6 x 6 grid of 48-pixel cells: 36 sections.
Design Grid() {
  return Drawn([](QPainter& p) {
    for (int k = 0; k <= 6; ++k) {
      p.drawLine(50 + 50 * k, 50, 50 + 50 * k, 350);
      p.drawLine(50, 50 + 50 * k, 350, 50 + 50 * k);
    }
  });
}

// A house: roof, wall, door, a window of two panes and one of four small panes.
Design House() {
  return Drawn([](QPainter& p) {
    p.drawRect(80, 170, 240, 190);
    p.drawPolyline(QPolygon({QPoint(60, 170), QPoint(200, 60), QPoint(340, 170)}));
    p.drawLine(60, 170, 340, 170);
    p.drawRect(120, 210, 50, 50);  // four panes, each too small
    p.drawLine(145, 210, 145, 260);
    p.drawLine(120, 235, 170, 235);
    p.drawRect(230, 260, 50, 100);  // the door
    p.drawRect(220, 205, 70, 40);   // two panes
    p.drawLine(255, 205, 255, 245);
  });
}

// Rings round a small disc, two of them so close that the strip between
// them is too thin to point at.
Design Rings() {
  return Drawn([](QPainter& p) {
    for (int r : {13, 40, 60, 100, 104, 140}) p.drawEllipse(QPoint(200, 200), r, r);
  });
}

// The regions of `before` each region of `after` holds.
std::map<int, std::set<int>> Parts(const Design& before, const Design& after) {
  std::map<int, std::set<int>> parts;
  for (int i = 0; i < Side * Side; ++i)
    if (before.label[i] >= 0 && after.label[i] >= 0) parts[after.label[i]].insert(before.label[i]);
  return parts;
}

// `after` is `before` with regions joined, and nothing else changed.
void ExpectOnlyJoined(const Design& before, const Design& after) {
  int blackened = 0;
  std::map<int, std::set<int>> into;  // the regions of `after` each region of `before` went to
  for (int i = 0; i < Side * Side; ++i) {
    if (before.label[i] < 0) continue;
    if (after.label[i] < 0) ++blackened;
    else into[before.label[i]].insert(after.label[i]);
  }
  EXPECT_EQ(blackened, 0) << "paper became outline";
  for (const auto& [r, to] : into) EXPECT_EQ(to.size(), 1u) << "region " << r << " was cut up";
  // No outline standing alone: every piece of outline still divides
  // regions (or touches the page's edge), as every piece did before.
  const std::vector<uint8_t> black = OutlineCells(after.lines);
  std::vector<int> piece;
  std::vector<uint8_t> seen(black.size(), 0);
  int alone = 0;
  for (int start = 0; start < Side * Side; ++start) {
    if (!black[start] || seen[start]) continue;
    piece.assign(1, start);
    seen[start] = 1;
    std::set<int> touches;
    for (size_t k = 0; k < piece.size(); ++k) {
      const int x = piece[k] % Side, y = piece[k] / Side;
      if (x == 0 || y == 0 || x == Side - 1 || y == Side - 1) touches.insert(-2);
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= Side || ny >= Side) continue;
          const int j = ny * Side + nx;
          if (!black[j]) touches.insert(after.label[j]);
          else if (!seen[j]) seen[j] = 1, piece.push_back(j);
        }
    }
    alone += touches.size() < 2;
  }
  EXPECT_EQ(alone, 0) << "pieces of outline standing alone";
}

}  // namespace

TEST(WorkshopRegionEdit, MergingDownAGridJoinsNeighbouringCellsInPairs) {
  const Design grid = Grid();
  ASSERT_EQ(grid.Order().size(), 36u);
  const TidyResult down = MergeSmallestSection(grid);
  EXPECT_EQ(down.design.Order().size(), 25u);
  EXPECT_EQ(down.joined, 11);
  ExpectOnlyJoined(grid, down.design);
  for (const auto& [r, parts] : Parts(grid, down.design)) EXPECT_LE(parts.size(), 2u) << "a blob of cells";
  EXPECT_EQ(CheckWithProgram(ComposePicture(down.design), down.design, QStringLiteral("grid.bmp")), QString());
}

TEST(WorkshopRegionEdit, SmallPanesJoinEachOtherAndTheWindowStays) {
  const Design house = House();
  ASSERT_EQ(house.SmallCount(), 4);
  const int wall = house.RegionAt(100, 300);
  ASSERT_TRUE(house.regions[wall].marker);
  const TidyResult merged = MergeSmallRegions(house);
  EXPECT_EQ(merged.left, 0);
  const Design& d = merged.design;
  EXPECT_EQ(d.SmallCount(), 0);
  ExpectOnlyJoined(house, d);
  // The wall, the door and the other window are as they were; the panes
  // became larger panes of the same window, not part of the wall.
  const int wallNow = d.RegionAt(100, 300);
  EXPECT_EQ(d.regions[wallNow].area, house.regions[wall].area);
  for (QPoint pane : {QPoint(130, 220), QPoint(160, 220), QPoint(130, 250), QPoint(160, 250)}) {
    EXPECT_NE(d.RegionAt(pane.x(), pane.y()), wallNow);
    EXPECT_TRUE(d.regions[d.RegionAt(pane.x(), pane.y())].marker);
  }
  EXPECT_EQ(d.regions[d.RegionAt(250, 300)].area, house.regions[house.RegionAt(250, 300)].area);
  EXPECT_EQ(d.Order().size(), house.Order().size() + 2);  // four panes too small to colour became two
  EXPECT_EQ(CheckWithProgram(ComposePicture(d), d, QStringLiteral("house.bmp")), QString());

  // A small region whose only neighbour is the paper round the picture is
  // left for the carer: joining it would take its outline away.
  const Design lone = Drawn([](QPainter& p) { p.drawRect(190, 190, 16, 16); });
  const TidyResult kept = MergeSmallRegions(lone);
  EXPECT_EQ(kept.joined, 0);
  EXPECT_EQ(kept.left, 1);
  EXPECT_EQ(kept.design.SmallCount(), 1);
}

TEST(WorkshopRegionEdit, NestedRingsLoseOnlyTheCircleBetweenTwoOfThem) {
  const Design rings = Rings();
  ASSERT_EQ(rings.SmallCount(), 2);  // the disc, and the strip too thin for a marker
  const int disc = rings.RegionAt(200, 200);
  ASSERT_TRUE(rings.regions[disc].small);
  const TidyResult merged = MergeSmallRegions(rings);
  // The strip joins a ring beside it; the disc would vanish, so it is left
  // for the carer.
  EXPECT_EQ(merged.joined, 1);
  EXPECT_EQ(merged.left, 1);
  const Design& d = merged.design;
  EXPECT_TRUE(d.regions[d.RegionAt(200, 200)].small);
  EXPECT_EQ(d.regions.size(), rings.regions.size() - 1);
  ExpectOnlyJoined(rings, d);
  // The rings that were not joined keep every pixel.
  for (QPoint p : {QPoint(200, 150), QPoint(200, 280)}) {
    EXPECT_EQ(d.regions[d.RegionAt(p.x(), p.y())].area, rings.regions[rings.RegionAt(p.x(), p.y())].area);
  }
  EXPECT_EQ(CheckWithProgram(ComposePicture(d), d, QStringLiteral("rings.bmp")), QString());
  // The carer joins it by hand: only its circle goes.
  const auto joined = JoinRegions(d, d.RegionAt(200, 200), d.RegionAt(200, 175));
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->SmallCount(), 0);
  ExpectOnlyJoined(d, *joined);

  // Dropping leaves the small regions white: nothing is painted black.
  const Design dropped = DropSmallRegions(rings);
  EXPECT_EQ(dropped.SmallCount(), 0);
  EXPECT_EQ(OutlineCells(dropped.lines), OutlineCells(rings.lines));
  EXPECT_TRUE(dropped.regions[dropped.RegionAt(200, 200)].leftWhite);
  EXPECT_FALSE(dropped.regions[dropped.RegionAt(200, 200)].marker);
}

TEST(WorkshopRegionEdit, TheCarerJoinsSplitsAndErases) {
  const Design grid = Grid();
  const int a = grid.RegionAt(75, 75), b = grid.RegionAt(125, 75), c = grid.RegionAt(175, 175);
  const auto joined = JoinRegions(grid, a, b);
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->RegionAt(75, 75), joined->RegionAt(125, 75));
  EXPECT_EQ(joined->Order().size(), 35u);
  ExpectOnlyJoined(grid, *joined);
  QString problem;
  EXPECT_FALSE(JoinRegions(grid, a, c, &problem));
  EXPECT_EQ(problem, QStringLiteral("These two regions do not touch."));

  // A line drawn across the joined pair, short of the outlines at both
  // ends, is carried on to them and splits it again.
  const auto split = SplitRegion(*joined, QPoint(100, 60), QPoint(100, 92), &problem);
  ASSERT_TRUE(split) << problem.toStdString();
  EXPECT_EQ(split->Order().size(), 36u);
  EXPECT_NE(split->RegionAt(75, 75), split->RegionAt(125, 75));
  EXPECT_FALSE(SplitRegion(*joined, QPoint(60, 60), QPoint(70, 62), &problem));  // divides nothing

  // A stray dot goes whole with one click; a stroke along a line rubs it out
  // and the regions it divided become one.
  QImage dotted = grid.lines;
  for (int y = 70; y < 73; ++y)
    for (int x = 70; x < 73; ++x) dotted.setPixel(x, y, qRgb(0, 0, 0));
  const Design withDot = AnalyseLines(dotted);
  const auto clean = EraseLines(withDot, {QPoint(74, 71)});
  ASSERT_TRUE(clean);
  EXPECT_EQ(OutlineCells(clean->lines), OutlineCells(grid.lines));
  const auto rubbed = EraseLines(grid, {QPoint(100, 55), QPoint(100, 95)});
  ASSERT_TRUE(rubbed);
  EXPECT_EQ(rubbed->RegionAt(75, 75), rubbed->RegionAt(125, 75));
  EXPECT_FALSE(EraseLines(grid, {QPoint(75, 75)}, &problem));  // no line there
}
