#pragma once
// The colouring session of one activation of the colouring window.

#include "pictures/mainform.h"

namespace session {

// The pictures of the active list, one after another from
// CurrentPictureIndex, with a switch press between them, until the user
// leaves; then the main menu is shown again.
void RunColoringSession(pictures::Mainform& w);

}  // namespace session
