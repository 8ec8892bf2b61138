// Choosing a tube: the three scanning methods bring the tubes to the Scan
// Position one after another; without scanning the user clicks a tube.
//
// Each pass of a wait clears the flags, reads the switch once, lets events
// run once more and tests the flags. The first pass does so at once; the
// later ones first block until an input can have changed or the wait's
// next deadline (the end of the dwell) has come.

#include <algorithm>
#include <cmath>

#include "input/input_flags.h"
#include "input/poll.h"
#include "input/switch_inputs.h"
#include "media/sound.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/input_wait.h"
#include "session/picture_run.h"
#include "session/session_state.h"
#include "settings/options_file.h"
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

// How often the dwell ring is redrawn while it fills: one display frame.
constexpr double RingFrameSeconds = 1.0 / 60;

constexpr double NoDeadline = platform::NoDeadline;

void PollOnce(pictures::Mainform& w, double waitUntil) {
  input::ClearAndPollInputs(w.ExitRequested, waitUntil);
  platform::DoEvents();
}

Dwell FromClear(PictureRun& run) {
  return ClearLastSection(run, true) == Choice::Left ? Dwell::Left : Dwell::Cleared;
}

// With an acceptance time, a ring on the tube in the Scan Position fills
// while a press is held and flashes when it counts; the flash stays until
// the tube moves on.
class HoldRing {
public:
  HoldRing(pictures::Mainform& w, int tube)
      : w_(w), tube_(tube),
        on_(settings::SwitchOptionsRecord.AcceptanceMs > 0 && settings::SwitchOptionsRecord.HoldRing == 1) {}
  HoldRing(const HoldRing&) = delete;
  HoldRing& operator=(const HoldRing&) = delete;
  // A ring still filling goes when the wait ends without a count.
  ~HoldRing() { Hide(); }
  // Draws the ring for the press held now; returns when it must be drawn
  // again (its next frame), NoDeadline while nothing is held.
  double Update() {
    if (!on_) return NoDeadline;
    const double part = input::HoldProgress();
    if (part < 0) {
      if (shown_) w_.ShowDwellRing(0, 0);
      shown_ = false;
      return NoDeadline;
    }
    w_.ShowDwellRing(tube_, part);
    shown_ = true;
    return Clock() + RingFrameSeconds;
  }
  void Counted() {
    if (on_) w_.ShowDwellRing(tube_, 1, true);
    shown_ = false;  // the flash stays until the tube moves
  }
  void Hide() {
    if (shown_) w_.ShowDwellRing(0, 0);
    shown_ = false;
  }

private:
  pictures::Mainform& w_;
  int tube_;
  bool on_;
  bool shown_ = false;
};

// A press chose the tube that arrived at `arrived`: the time it took goes
// to the progress record.
void TimeChoice(PictureRun& run, double arrived) {
  run.ChoiceMs.push_back(static_cast<int>(std::lround((Clock() - arrived) * 1000.0)));
}

// How many times longer the tube now in the Scan Position waits: the first
// tube offered for a section waits FirstTubeFactor times longer.
double WaitFactor(const PictureRun& run) {
  return run.TubesOffered == 1 ? settings::SwitchOptionsRecord.FirstTubeFactor : 1.0;
}

// Timed scanning: a press while the tube waits chooses it.
Dwell TimedDwell(PictureRun& run) {
  pictures::Mainform& w = run.w;
  const double seconds = settings::SettingsRecord.ScanSeconds * WaitFactor(run);
  SwitchPressed = 0;
  const double start = Clock();
  double elapsed = 0;
  input::PassWait wait;
  HoldRing ring(w, run.ScanTube);
  double frame = NoDeadline;
  while (elapsed < seconds) {
    PollOnce(w, wait.Before(std::min(start + seconds, frame)));
    if (ExitWanted(w) || SkipPicturePressed == 1) return Dwell::Left;
    if (ClearLastPressed == 1) {
      ring.Hide();
      return FromClear(run);
    }
    if (SwitchPressed == 1) {
      ring.Counted();
      TimeChoice(run, start);
      return Dwell::Chosen;
    }
    frame = ring.Update();
    elapsed = Clock() - start;
  }
  ring.Hide();
  return Dwell::Next;
}

// Step scanning: the switch brings the next tube. With one switch a tube
// left alone for more than ScanSpeed seconds is chosen; with two the
// second switch chooses.
Dwell StepDwell(PictureRun& run, bool twoSwitches) {
  pictures::Mainform& w = run.w;
  const double speed = settings::SettingsRecord.ScanSpeed * (twoSwitches ? 1.0 : WaitFactor(run));
  SwitchPressed = 0;
  const double start = Clock();
  double elapsed = 0;
  input::PassWait wait;
  HoldRing ring(w, run.ScanTube);
  double frame = NoDeadline;
  for (;;) {
    // With two switches the tube waits without a time limit.
    PollOnce(w, wait.Before(std::min(twoSwitches ? NoDeadline : start + speed, frame)));
    if (ExitWanted(w)) return Dwell::Left;
    if (ClearLastPressed == 1) {
      ring.Hide();
      return FromClear(run);
    }
    if (SkipPicturePressed == 1) return Dwell::Left;
    if (SwitchPressed == 1) {
      SwitchPressed = 0;
      ring.Counted();
      return Dwell::Next;
    }
    elapsed = Clock() - start;
    if (!twoSwitches && elapsed > speed) {
      ring.Hide();
      SwitchPressed = 1;
      return Dwell::Chosen;
    }
    if (twoSwitches && EnterPressed == 1) {
      ring.Counted();
      TimeChoice(run, start);
      SwitchPressed = 1;
      return Dwell::Chosen;
    }
    frame = ring.Update();
  }
}

// Timed scanning after ScanCycles unattended cycles: the tube is home and
// nothing moves until the next press, which only starts the scan again.
Dwell PauseScanning(PictureRun& run) {
  pictures::Mainform& w = run.w;
  SwitchPressed = 0;
  input::PassWait wait;
  for (;;) {
    PollOnce(w, wait.Before(NoDeadline));
    if (ExitWanted(w) || SkipPicturePressed == 1) return Dwell::Left;
    if (ClearLastPressed == 1) return ClearLastSection(run, false) == Choice::Left ? Dwell::Left : Dwell::Cleared;
    if (SwitchPressed == 1) {
      SwitchPressed = 0;
      return Dwell::Next;
    }
  }
}

Choice ScanTheTubes(PictureRun& run, int scanType) {
  pictures::Mainform& w = run.w;
  const bool timed = scanType != 2 && scanType != 3;
  const int cycles = settings::SwitchOptionsRecord.ScanCycles;
  int unchosen = 0;  // tubes offered in a row without a choice
  for (;;) {
    for (int t = 1; t <= run.TubeCount; ++t) {
      if (SectionColouredBefore(run) && run.FirstCycle == 1) {
        // Begin with the tube that painted the section before.
        t = SelectedTube + 1;
        if (t > run.TubeCount || t < 1) t = 1;
        run.FirstCycle = 0;
      }
      platform::DoEvents();
      SwitchPressed = 0;
      run.ScanTube = static_cast<int16_t>(t);
      if (!SlideTubeOut(run, t)) return Choice::Left;
      ++run.TubesOffered;
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
      if (timed && cycles > 0 && ++unchosen >= cycles * run.TubeCount) {
        unchosen = 0;
        const Dwell pause = PauseScanning(run);
        if (pause == Dwell::Left) return Choice::Left;
        if (pause == Dwell::Cleared) return Choice::Cleared;
      }
    }
  }
}

// Dwell selection (DwellMs > 0): resting the pointer on a tube that long
// chooses it, while a ring on the tube fills. A tube the pointer is already
// on when the wait begins (the one just chosen, say) must be left and
// entered again first.
class TubeDwell {
public:
  TubeDwell(pictures::Mainform& w, int tubeCount)
      : w_(w), tubes_(tubeCount), ms_(settings::SwitchOptionsRecord.DwellMs), on_(w.TubeUnderPointer(tubeCount)) {}

  // The tube chosen by resting on it now, or 0.
  int Update() {
    if (ms_ <= 0) return 0;
    const int t = w_.TubeUnderPointer(tubes_);
    const double now = Clock();
    if (t != on_) {
      on_ = t;
      armed_ = true;
      since_ = now;
    }
    if (!armed_ || t == 0) {
      w_.ShowDwellRing(0, 0);
      return 0;
    }
    const double part = (now - since_) * 1000.0 / ms_;
    if (part < 1.0) {
      w_.ShowDwellRing(t, part);
      return 0;
    }
    Stop();
    return t;
  }
  void Stop() { w_.ShowDwellRing(0, 0); }
  // When Update has something to do without an event: the ring's next
  // frame while it fills. A pointer that moves wakes the wait by itself.
  double NextDeadline() const {
    if (ms_ <= 0 || !armed_ || on_ == 0) return NoDeadline;
    return std::min(since_ + ms_ / 1000.0, Clock() + RingFrameSeconds);
  }

private:
  pictures::Mainform& w_;
  int tubes_;
  int ms_;
  int on_;
  bool armed_ = false;
  double since_ = 0;
};

// No scanning: a click on a tube chooses it. The clear key is not cleared
// when the wait begins, so one pressed during the painting acts now.
Choice WaitForTubeClick(PictureRun& run) {
  pictures::Mainform& w = run.w;
  w.ExitRequested = 0;
  SwitchPressed = 0;
  SkipPicturePressed = 0;
  EnterPressed = 0;
  input::ClickedTubeIndex = 0;
  TubeDwell dwell(w, run.TubeCount);
  input::PassWait wait;
  while (input::ClickedTubeIndex == 0) {
    const double until = wait.Before(dwell.NextDeadline());
    if (until != input::NoWait) input::WaitForInput(until);
    platform::DoEvents();
    if (ExitWanted(w) || SkipPicturePressed == 1) return Choice::Left;
    if (ClearLastPressed == 1) return ClearLastSection(run, false);
    // Only the tubes on offer can be clicked; anything else is no choice.
    if (input::ClickedTubeIndex > run.TubeCount || input::ClickedTubeIndex < 0) input::ClickedTubeIndex = 0;
    if (input::ClickedTubeIndex == 0) input::ClickedTubeIndex = static_cast<int16_t>(dwell.Update());
  }
  dwell.Stop();
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
  run.TubesOffered = 0;
  const int scanType = settings::SettingsRecord.ScanType;
  // A method outside 1..4 (a hand-edited settings file) scans as timed.
  if (scanType == 4) return WaitForTubeClick(run);
  return ScanTheTubes(run, scanType);
}

}  // namespace session
