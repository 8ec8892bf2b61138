#pragma once
// ColorPicture: colours the picture named by PictureName on the colouring
// window, from the set-up to the framed, finished picture.
//
// It returns when the picture is finished, skipped, refused, or when the
// user asks to leave. A finished picture leaves the exit link shown; every
// other return hides it. The caller reads the outcome from the flags:
// ExitRequested = 1 ends the session, SkipPicturePressed = 1 goes on to the
// next picture at once.

namespace pictures {
class Mainform;
}

namespace session {

void ColorPicture(pictures::Mainform& window);

}  // namespace session
