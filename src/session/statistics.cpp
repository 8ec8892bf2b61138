#include "session/statistics.h"

namespace session {

int32_t SessionStartTime = 0;
int32_t SessionElapsedSeconds = 0;
int16_t PicturesCompleted = 0;
int16_t SegmentsColored = 0;

}  // namespace session
