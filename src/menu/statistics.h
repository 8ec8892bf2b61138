#pragma once
// Session statistics, counted by the session and shown by the main menu.

#include <cstdint>

namespace menu {

extern int32_t SessionStartTime;       // seconds since midnight at Start; 0 = none yet
extern int32_t SessionElapsedSeconds;
extern int16_t PicturesCompleted;
extern int16_t SegmentsColored;
extern int16_t ReturnFromCalibration;  // 1 while the calibration runs

}  // namespace menu
