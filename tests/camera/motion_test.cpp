// Movement as switch presses, on frames drawn here: movement inside a
// rectangle presses its switch (once per movement, through the press
// filter's timing), movement outside both, a change of the whole picture's
// brightness and sensor noise press nothing.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "camera/motion.h"
#include "input/press_filter.h"

using camera::MotionDetector;
using settings::CameraRegion;

namespace {

constexpr double FrameSeconds = 1.0 / 30;
const CameraRegion Left{0.05, 0.2, 0.3, 0.5};   // switch 1
const CameraRegion Right{0.65, 0.2, 0.3, 0.5};  // switch 2

// What one frame shows: a hand (a dark square) at (x, y) in fractions, or
// none; the picture's brightness as gain and offset; sensor noise.
struct Look {
  double handX = -1, handY = 0;
  double gain = 1, offset = 0;
  double noise = 0;
};

// A textured room: a gradient with a pattern, so that a brightness change
// is not the same step on every pixel.
QImage Draw(const Look& look, std::mt19937& random) {
  QImage img(camera::GreyWidth, camera::GreyHeight, QImage::Format_Grayscale8);
  std::normal_distribution<double> noise(0, look.noise > 0 ? look.noise : 1);
  for (int y = 0; y < img.height(); ++y) {
    uchar* row = img.scanLine(y);
    for (int x = 0; x < img.width(); ++x) {
      double v = 60 + x * 0.6 + ((x / 8 + y / 8) % 2) * 40;
      if (look.handX >= 0 && x >= look.handX * img.width() && x < (look.handX + 0.12) * img.width() &&
          y >= look.handY * img.height() && y < (look.handY + 0.2) * img.height())
        v = 20;
      v = v * look.gain + look.offset + (look.noise > 0 ? noise(random) : 0);
      row[x] = static_cast<uchar>(std::clamp(v, 0.0, 255.0));
    }
  }
  return img;
}

// A hand waving inside `r` (moving to and fro each frame).
Look Wave(const CameraRegion& r, int frame) {
  return {r.x + 0.03 + (frame % 2) * 0.1, r.y + 0.15};
}

struct Presses {
  int counted[2] = {0, 0};
  int framesDown[2] = {0, 0};
};

// Feeds the frames to a detector and its switch states to a press filter
// with the given acceptance time, as the camera does.
Presses Watch(const std::vector<Look>& film, int acceptanceMs = 0) {
  MotionDetector d;
  d.SetRegion(0, Left);
  d.SetRegion(1, Right);
  input::PressFilter filter;
  filter.SetTiming({acceptanceMs, 0});
  std::mt19937 random(7);
  Presses out;
  bool was[2] = {false, false};
  for (size_t i = 0; i < film.size(); ++i) {
    const double t = static_cast<double>(i) * FrameSeconds;
    d.Feed(Draw(film[i], random));
    for (int sw = 0; sw < 2; ++sw) {
      out.framesDown[sw] += d.down(sw);
      if (d.down(sw) != was[sw]) (d.down(sw) ? filter.Down(sw, 1, t) : filter.Up(sw, 1, t));
      was[sw] = d.down(sw);
    }
    filter.Advance(t);
  }
  for (int sw = 0; sw < 2; ++sw) out.counted[sw] = filter.counts(sw).counted;
  return out;
}

std::vector<Look> Still(int frames, Look look = {}) { return std::vector<Look>(static_cast<size_t>(frames), look); }

void Append(std::vector<Look>& film, const std::vector<Look>& more) { film.insert(film.end(), more.begin(), more.end()); }

std::vector<Look> Waving(const CameraRegion& r, int frames) {
  std::vector<Look> out;
  for (int i = 0; i < frames; ++i) out.push_back(Wave(r, i));
  return out;
}

}  // namespace

TEST(CameraMotion, MovementInsideARectanglePressesItsSwitchOnceAndOutsideNothing) {
  std::vector<Look> film = Still(20);
  Append(film, Waving(Left, 10));   // frames 20..29: switch 1
  Append(film, Still(20));
  Append(film, Waving(Right, 5));   // switch 2, a short movement
  Append(film, Still(20));
  Append(film, Waving({0.4, 0.75, 0.2, 0.2}, 15));  // below and between the rectangles
  Append(film, Still(10));
  auto longer = Waving(Right, 12);  // switch 2 again, longer, with one frame the camera sent twice
  longer.insert(longer.begin() + 6, longer[5]);
  Append(film, longer);
  Append(film, Still(10));

  const Presses now = Watch(film);
  EXPECT_EQ(now.counted[0], 1);
  EXPECT_EQ(now.counted[1], 2);
  // Held down while the hand moves: its 10 frames, the frame it leaves in
  // (that is movement too) and one still frame before the switch goes up.
  EXPECT_EQ(now.framesDown[0], 12);

  // With a hold time of 300 ms the 10-frame (333 ms) and 12-frame movements
  // count; the 5-frame one (167 ms) is too short, as a tap on a switch is.
  const Presses held = Watch(film, 300);
  EXPECT_EQ(held.counted[0], 1);
  EXPECT_EQ(held.counted[1], 1);
}

TEST(CameraMotion, BrightnessChangesAndNoiseAreNoMovement) {
  struct Row {
    const char* what;
    std::vector<Look> film;
  } rows[] = {
      {"a light switched on: brighter at once", [] {
         auto f = Still(15);
         Append(f, Still(15, {.gain = 1.5, .offset = 20}));
         return f;
       }()},
      {"a lamp dimmed: darker by a step", [] {
         auto f = Still(15);
         Append(f, Still(15, {.offset = -45}));
         return f;
       }()},
      {"the camera's exposure creeping", [] {
         std::vector<Look> f;
         for (int i = 0; i < 40; ++i) f.push_back({.gain = 1.0 + i * 0.02, .offset = -i * 0.5});
         return f;
       }()},
      {"sensor noise", Still(60, {.noise = 6})},
  };
  for (const Row& row : rows) {
    const Presses p = Watch(row.film);
    EXPECT_EQ(p.counted[0], 0) << row.what;
    EXPECT_EQ(p.counted[1], 0) << row.what;
  }
  // A movement through noise and a brightness jump is still seen.
  std::vector<Look> film = Still(10, {.noise = 6});
  for (int i = 0; i < 10; ++i) film.push_back({Wave(Left, i).handX, Wave(Left, i).handY, 1.3, 10, 6});
  film.push_back({.gain = 1.3, .offset = 10, .noise = 6});
  EXPECT_EQ(Watch(film).counted[0], 1);
}

TEST(CameraMotion, SensitivityAndEmptyRectangles) {
  // Higher sensitivity: a smaller movement presses.
  EXPECT_LT(camera::ThresholdFor(90), camera::ThresholdFor(50));
  EXPECT_EQ(camera::ThresholdFor(500), camera::ThresholdFor(100));
  MotionDetector d;  // no rectangles: nothing is ever down
  std::mt19937 random(1);
  for (int i = 0; i < 10; ++i) d.Feed(Draw(Wave({0, 0, 1, 1}, i), random));
  EXPECT_FALSE(d.down(0) || d.down(1));
  EXPECT_EQ(d.level(0), 0);
}

TEST(CameraMotion, ShrinksPackedAndPlanarLumaByAveragingBlocks) {
  // 640 x 480 packed YUYV: Y at every second byte, a left half of 100 and
  // a right half of 200, chroma bytes of 255 that must not count.
  std::vector<uchar> yuyv(640 * 2 * 480);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      yuyv[static_cast<size_t>(y * 1280 + x * 2)] = x < 320 ? 100 : 200;
      yuyv[static_cast<size_t>(y * 1280 + x * 2 + 1)] = 255;
    }
  const QImage g = camera::ShrinkToGrey(yuyv.data(), 640, 480, 1280, 2);
  ASSERT_EQ(g.size(), QSize(160, 120));
  EXPECT_EQ(g.pixelColor(0, 0).red(), 100);
  EXPECT_EQ(g.pixelColor(159, 119).red(), 200);
  // 1280 x 720 from an image: 8 x 6 blocks, still 160 x 120.
  QImage big(1280, 720, QImage::Format_RGB32);
  big.fill(QColor(90, 90, 90));
  EXPECT_EQ(camera::ShrinkToGrey(big).size(), QSize(160, 120));
}
