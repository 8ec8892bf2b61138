#pragma once
// Choosing the next picture ([session] ChoosePicture).

#include <vector>

namespace pictures {
class Mainform;
struct PictureList;
}  // namespace pictures

namespace session {

// Where the session waits for a press between pictures: offers up to six
// pictures of `list`, from CurrentPictureIndex on those not `finished` in
// this session (all of them once every one is), with the session's own
// scanning method and timing. Returns the chosen picture's place in the
// list (from 1), or 0 when the user left (ExitRequested is 1).
int ChooseNextPicture(pictures::Mainform& w, const pictures::PictureList& list, const std::vector<bool>& finished);

}  // namespace session
