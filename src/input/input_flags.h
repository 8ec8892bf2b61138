#pragma once
// The input flags that key, mouse and switch handlers raise and the waiting
// loops of the session test. Command flags hold 0 or 1; the two latches hold
// True (-1) or False (0).

#include <cstdint>

namespace input {

inline constexpr int16_t True = -1;
inline constexpr int16_t False = 0;

extern int16_t SwitchPressed;       // main switch: space, "0", click (device 6), adapter
extern int16_t EnterPressed;        // second switch: Enter, "1"
extern int16_t ClearLastPressed;    // "c", "2"
extern int16_t SkipPicturePressed;  // "a" (once colouring began), "3"
extern int16_t ClickedTubeIndex;    // 1..10, 0 = none
extern int16_t KeyReleased;         // latch
extern int16_t MouseReleased;       // latch

}  // namespace input
