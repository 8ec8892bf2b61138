#pragma once
// Session statistics: counted by the session, shown by the main menu.

#include <cstdint>

namespace session {

extern int32_t SessionStartTime;       // seconds since midnight at Start; 0 = none yet
extern int32_t SessionElapsedSeconds;
extern int16_t PicturesCompleted;
extern int16_t SegmentsColored;

}  // namespace session
