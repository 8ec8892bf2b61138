// The loop over the sections: the pointer marks the section, a tube is
// chosen, the section is painted; the clear key undoes the last section.

#include <algorithm>

#include "input/input_flags.h"
#include "pictures/mainform.h"
#include "pictures/pointer_placement.h"
#include "pictures/session_tables.h"
#include "platform/raster.h"
#include "session/picture_run.h"
#include "session/session_state.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"

namespace session {

using pictures::CurrentSection;
using pictures::SectionSeedX;
using pictures::SectionSeedY;

// The pointer stands on the seed, centred on it (an enlarged one is kept
// whole inside the picture, its tip in the section); the part of the
// picture under it is kept in pbwork3.
void DrawSectionPointer(PictureRun& run) {
  pictures::Mainform& w = run.w;
  const int s = CurrentSection;
  const pictures::PointerPlace place = pictures::PlacePointer(
      w.PB1->image(), pictures::Seed{SectionSeedX[s], SectionSeedY[s]}, w.pbwork2->image(), run.PointerScale);
  PointerLeft = static_cast<int16_t>(place.left);
  PointerTop = static_cast<int16_t>(place.top);
  w.PutPointer(PointerLeft, PointerTop, place.turn);
  w.PB1->Refresh();
  w.Refresh();
}

bool SectionColouredBefore(const PictureRun& run) {
  return run.ChoosingSections ? !run.Coloured.empty() : CurrentSection >= 2;
}

bool RunSectionLoop(PictureRun& run) {
  const int last = std::min<int>(pictures::SectionCount, pictures::MaxSections);
  run.ChoosingSections = settings::SessionOptionsRecord.ChooseSection == 1;
  run.Coloured.clear();
  run.SectionColour.assign(last + 1, 0);
  CurrentSection = 1;
  TakeUpUnfinished(run);
  for (;;) {
    if (run.ChoosingSections) {
      if (static_cast<int>(run.Coloured.size()) >= last) break;
      const Choice part = ChooseSectionToColour(run, last);
      if (part == Choice::Left) return false;
      if (part == Choice::Cleared) continue;
    } else {
      // Sections coloured before the picture was taken up again are passed.
      while (CurrentSection <= last && run.SectionColour[CurrentSection] != 0) ++CurrentSection;
      if (CurrentSection > last) break;
    }
    DrawSectionPointer(run);
    switch (ChooseTube(run)) {
      case Choice::Left: return false;
      case Choice::Cleared: continue;  // CurrentSection was lowered
      case Choice::Chosen: break;
    }
    if (!PaintSection(run)) return false;
    if (run.ChoosingSections)
      run.Coloured.push_back(CurrentSection);
    else
      ++CurrentSection;
  }
  return true;
}

Choice ClearLastSection(PictureRun& run, bool tubeOut) {
  pictures::Mainform& w = run.w;
  QImage& picture = w.PB1->image();
  ++run.Clears;
  w.TakePointerOff();
  if (!run.ChoosingSections) {
    CurrentSection = static_cast<int16_t>(std::max(1, CurrentSection - 1));
  } else if (!run.Coloured.empty()) {
    // The part coloured last; with none yet, the part pointed at.
    CurrentSection = run.Coloured.back();
    run.Coloured.pop_back();
  }
  // White in the fill style the last painting left on the picture, so a
  // hatched section is undone by the same hatch.
  platform::FloodFill(picture, SectionSeedX[CurrentSection], SectionSeedY[CurrentSection], qRgb(0, 0, 0),
                      platform::Brush{qRgb(255, 255, 255), PictureFillStyle(w)});
  if (CurrentSection >= 0 && CurrentSection < static_cast<int>(run.SectionColour.size()))
    run.SectionColour[CurrentSection] = 0;
  w.PB1->Refresh();
  if (tubeOut && !SlideTubeHome(run, run.ScanTube)) return Choice::Left;
  input::ClearLastPressed = 0;
  return Choice::Cleared;
}

}  // namespace session
