// ColorPicture and the small steps its stages share.

#include "session/color_picture.h"

#include <QVariant>
#include <algorithm>
#include <cmath>

#include "input/input_flags.h"
#include "media/killtime.h"
#include "pictures/mainform.h"
#include "platform/host.h"
#include "session/picture_run.h"
#include "settings/settings_record.h"

namespace session {

namespace {
const char* const FillStyleProperty = "brushwellFillStyle";
}  // namespace

void ColorPicture(pictures::Mainform& window) {
  PictureRun run(window);
  run.CountedBefore = PressesCounted();
  run.IgnoredBefore = PressesIgnored();
  if (!SetUpPicture(run)) {
    window.HideExitLink();
    RecordPictureProgress(run);
    return;
  }
  const bool finished = RunSectionLoop(run) && FinishPicture(run);
  KeepInGallery(run);
  RecordPictureProgress(run);
  if (!finished) window.HideExitLink();
}

bool ExitWanted(pictures::Mainform& w) {
  if (w.UnloadRequested()) w.ExitRequested = 1;
  return w.ExitRequested == 1;
}

bool LeaveWanted(pictures::Mainform& w) { return ExitWanted(w) || input::SkipPicturePressed == 1; }

bool FinishStep(pictures::Mainform& w, double delay) {
  media::killtime(delay);
  platform::DoEvents();
  return !LeaveWanted(w);
}

bool SlideTubeOut(PictureRun& run, int t) {
  pictures::Mainform& w = run.w;
  platform::PictureBox* tube = w.pb_tube[t];
  const double delay = settings::SettingsRecord.AnimationDelay;
  run.TubeHome = static_cast<int16_t>(tube->x());
  while (w.PB1->x() + w.PB1->width() < tube->x()) {
    w.MoveNow(tube, tube->x() - 1, tube->y());
    if (!FinishStep(w, delay)) return false;
  }
  return true;
}

bool SlideTubeHome(PictureRun& run, int t) {
  pictures::Mainform& w = run.w;
  w.ShowDwellRing(0, 0);  // a hold ring's flash goes with the tube
  platform::PictureBox* tube = w.pb_tube[t];
  const double delay = settings::SettingsRecord.AnimationDelay;
  while (tube->x() < run.TubeHome) {
    w.MoveNow(tube, tube->x() + 1, tube->y());
    if (!FinishStep(w, delay)) return false;
  }
  return true;
}

platform::BrushStyle PictureFillStyle(pictures::Mainform& w) {
  const QVariant v = w.PB1->property(FillStyleProperty);
  return v.isValid() ? static_cast<platform::BrushStyle>(v.toInt()) : platform::BrushStyle::Solid;
}

void SetPictureFillStyle(pictures::Mainform& w, platform::BrushStyle style) {
  w.PB1->setProperty(FillStyleProperty, static_cast<int>(style));
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

void CountUp(int16_t& counter) {
  if (counter < INT16_MAX) ++counter;
}

}  // namespace session
