#include "session/session_state.h"

namespace session {

int16_t PointerLeft = 0;
int16_t PointerTop = 0;
int16_t PictureFinished = 1;
int16_t SelectedTube = 0;
int16_t GoodJobIndex = 0;

}  // namespace session
