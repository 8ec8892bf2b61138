#include "menu/statistics.h"

namespace menu {

int32_t SessionStartTime = 0;
int32_t SessionElapsedSeconds = 0;
int16_t PicturesCompleted = 0;
int16_t SegmentsColored = 0;
int16_t ReturnFromCalibration = 0;

}  // namespace menu
