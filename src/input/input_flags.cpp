#include "input/input_flags.h"

namespace input {

int16_t SwitchPressed = 0;
int16_t EnterPressed = 0;
int16_t ClearLastPressed = 0;
int16_t SkipPicturePressed = 0;
int16_t ClickedTubeIndex = 0;
int16_t KeyReleased = True;
int16_t MouseReleased = True;

}  // namespace input
