#pragma once
// Movement seen by a camera, as the level of two switches. Pure: frames in
// (small grey images), levels and switch states out, so it is tested on
// frames a test draws and runs the same on a camera and on a video file.
//
// Each frame is compared with the one before. The whole image's change of
// brightness (a light switched on, the camera's own exposure) is fitted as
// grey' = gain * grey + offset over all of the image and taken away; what
// is left beyond the sensor's noise is movement. The level of a switch is
// the part of its rectangle that moved, in per cent. The switch goes down
// when the level reaches its threshold and up again when it has stayed
// below seven tenths of it for two frames, so a level hovering at the
// threshold does not chatter and a frame the camera sends twice (no change
// at all) does not split one movement into two presses.

#include <QImage>
#include <array>
#include <cstdint>

#include "settings/options_file.h"

namespace camera {

// The size a frame is reduced to before it is compared (about; the factor
// is a whole number, so 640 x 480 gives exactly this).
inline constexpr int GreyWidth = 160;
inline constexpr int GreyHeight = 120;

// A grey image of about GreyWidth x GreyHeight from the luma (or any one
// byte per pixel channel) of a frame: every block of pixels averaged.
// `pixelStep` is the distance in bytes between two pixels of a row (1 for
// a luma plane, 2 for packed YUYV...), `rowStride` between two rows.
QImage ShrinkToGrey(const uchar* bytes, int width, int height, int rowStride, int pixelStep);
// The same from any image (used when a frame's bytes are no luma plane).
QImage ShrinkToGrey(const QImage& image);

// The level (per cent of the rectangle moved) at which a switch of this
// sensitivity (1..100) goes down.
double ThresholdFor(int sensitivity);

class MotionDetector {
public:
  static constexpr int Switches = 2;
  // A grey step a pixel must change by, beyond the whole image's change,
  // to count as moved.
  static constexpr int PixelNoise = 18;
  static constexpr double ReleasePart = 0.7;
  static constexpr int ReleaseFrames = 2;
  // Pixels outside this range (clipped by the sensor) are left out of the
  // fit of the brightness change.
  static constexpr int Dark = 6, Bright = 249;

  void SetRegion(int sw, const settings::CameraRegion& region) { regions_[sw] = region; }
  void SetSensitivity(int sw, int sensitivity) { threshold_[sw] = ThresholdFor(sensitivity); }
  const settings::CameraRegion& region(int sw) const { return regions_[sw]; }

  // The next frame (Format_Grayscale8). The first, or one of another size,
  // only becomes the frame to compare with.
  void Feed(const QImage& grey);
  // Forgets the frame before (a new source) and lets both switches up.
  void Reset();

  double level(int sw) const { return level_[sw]; }
  double threshold(int sw) const { return threshold_[sw]; }
  bool down(int sw) const { return down_[sw]; }

private:
  QImage previous_;
  std::array<settings::CameraRegion, Switches> regions_{};
  std::array<double, Switches> threshold_{ThresholdFor(50), ThresholdFor(50)};
  std::array<double, Switches> level_{};
  std::array<bool, Switches> down_{};
  std::array<int, Switches> still_{};  // frames in a row below the release level
};

}  // namespace camera
