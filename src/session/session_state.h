#pragma once
// State of the picture being coloured that outlives one step of the session
// and is read by printing: where the pointer stands, whether the picture is
// finished, the tube last chosen, and the compliment played last.

#include <cstdint>

namespace session {

extern int16_t PointerLeft;      // pointer's top-left corner in PB1, pixels
extern int16_t PointerTop;
extern int16_t PictureFinished;  // 0 while the pointer is drawn on the picture, 1 once finished
extern int16_t SelectedTube;     // one below the tube that painted last
extern int16_t GoodJobIndex;     // compliment played last, 1..9; 0 at program start

}  // namespace session
