// Choosing a tube: the three scanning methods bring the tubes to the Scan
// Position one after another; without scanning the user clicks a tube.
//
// The waits poll without a pause: each pass clears the flags, reads the
// switch once, lets events run once more and tests the flags.

#include "input/input_flags.h"
#include "input/poll.h"
#include "media/sound.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "session/picture_run.h"
#include "session/session_state.h"
#include "settings/settings_record.h"

namespace session {

namespace {

using input::ClearLastPressed;
using input::EnterPressed;
using input::SkipPicturePressed;
using input::SwitchPressed;

// How a tube's stay in the Scan Position ended.
enum class Dwell { Chosen, Next, Cleared, Left };

double Clock() { return platform::host().monotonicSeconds(); }

void PollOnce(pictures::Mainform& w) {
  input::ClearAndPollInputs(w.ExitRequested);
  platform::DoEvents();
}

Dwell FromClear(PictureRun& run) {
  return ClearLastSection(run, true) == Choice::Left ? Dwell::Left : Dwell::Cleared;
}

// Timed scanning: a press while the tube waits chooses it.
Dwell TimedDwell(PictureRun& run) {
  pictures::Mainform& w = run.w;
  const int16_t seconds = settings::SettingsRecord.ScanSeconds;
  SwitchPressed = 0;
  const double start = Clock();
  double elapsed = 0;
  while (elapsed < seconds) {
    PollOnce(w);
    if (ExitWanted(w) || SkipPicturePressed == 1) return Dwell::Left;
    if (ClearLastPressed == 1) return FromClear(run);
    if (SwitchPressed == 1) return Dwell::Chosen;
    elapsed = Clock() - start;
  }
  return Dwell::Next;
}

// Step scanning: the switch brings the next tube. With one switch a tube
// left alone for more than ScanSpeed seconds is chosen; with two the
// second switch chooses.
Dwell StepDwell(PictureRun& run, bool twoSwitches) {
  pictures::Mainform& w = run.w;
  const int16_t speed = settings::SettingsRecord.ScanSpeed;
  SwitchPressed = 0;
  const double start = Clock();
  double elapsed = 0;
  for (;;) {
    PollOnce(w);
    if (ExitWanted(w)) return Dwell::Left;
    if (ClearLastPressed == 1) return FromClear(run);
    if (SkipPicturePressed == 1) return Dwell::Left;
    if (SwitchPressed == 1) {
      SwitchPressed = 0;
      return Dwell::Next;
    }
    elapsed = Clock() - start;
    if (!twoSwitches && elapsed > speed) {
      SwitchPressed = 1;
      return Dwell::Chosen;
    }
    if (twoSwitches && EnterPressed == 1) {
      SwitchPressed = 1;
      return Dwell::Chosen;
    }
  }
}

Choice ScanTheTubes(PictureRun& run, int scanType) {
  pictures::Mainform& w = run.w;
  for (;;) {
    for (int t = 1; t <= run.TubeCount; ++t) {
      if (pictures::CurrentSection >= 2 && run.FirstCycle == 1) {
        // Begin with the tube that painted the section before.
        t = SelectedTube + 1;
        if (t > run.TubeCount || t < 1) t = 1;
        run.FirstCycle = 0;
      }
      platform::DoEvents();
      SwitchPressed = 0;
      run.ScanTube = static_cast<int16_t>(t);
      if (!SlideTubeOut(run, t)) return Choice::Left;
      if (settings::SettingsRecord.SoundOption == 1) media::play_wave(run.VoiceName[t], QStringLiteral("DONT_LOOP"));

      Dwell dwell = Dwell::Next;
      if (scanType == 2 || scanType == 3)
        dwell = StepDwell(run, scanType == 3);
      else
        dwell = TimedDwell(run);
      if (dwell == Dwell::Left) return Choice::Left;
      if (dwell == Dwell::Cleared) return Choice::Cleared;

      w.pb_tube[t]->SetBorder(platform::PictureBox::Border::None);
      w.Refresh();
      if (dwell == Dwell::Chosen) {
        run.TubeChosen = 1;
        return Choice::Chosen;
      }
      w.pb_tube[t]->Refresh();
      w.Refresh();
      if (!SlideTubeHome(run, t)) return Choice::Left;
      SwitchPressed = 0;
    }
  }
}

// No scanning: a click on a tube chooses it. The clear key is not cleared
// when the wait begins, so one pressed during the painting acts now.
Choice WaitForTubeClick(PictureRun& run) {
  pictures::Mainform& w = run.w;
  w.ExitRequested = 0;
  SwitchPressed = 0;
  SkipPicturePressed = 0;
  EnterPressed = 0;
  input::ClickedTubeIndex = 0;
  while (input::ClickedTubeIndex == 0) {
    platform::host().idleWait();
    platform::DoEvents();
    if (ExitWanted(w) || SkipPicturePressed == 1) return Choice::Left;
    if (ClearLastPressed == 1) return ClearLastSection(run, false);
    // Only the tubes on offer can be clicked; anything else is no choice.
    if (input::ClickedTubeIndex > run.TubeCount || input::ClickedTubeIndex < 0) input::ClickedTubeIndex = 0;
  }
  const int t = input::ClickedTubeIndex;
  run.ScanTube = static_cast<int16_t>(t);
  SwitchPressed = 1;
  run.TubeChosen = 1;
  if (!SlideTubeOut(run, t)) return Choice::Left;
  if (settings::SettingsRecord.SoundOption == 1) media::play_wave_wait(run.VoiceName[t]);
  return Choice::Chosen;
}

}  // namespace

Choice ChooseTube(PictureRun& run) {
  run.w.ColoringPhase = 1;
  SwitchPressed = 0;
  run.FirstCycle = 1;
  run.TubeChosen = 0;
  const int scanType = settings::SettingsRecord.ScanType;
  // A method outside 1..4 (a hand-edited settings file) scans as timed.
  if (scanType == 4) return WaitForTubeClick(run);
  return ScanTheTubes(run, scanType);
}

}  // namespace session
