#pragma once
// The one way the waiting loops read the user's inputs: clear the flags, let
// pending window events run once, then read the switch adapter.

#include <cstdint>
#include <limits>

namespace input {

// A wait that has passed already: the pass reads its inputs at once.
inline constexpr double NoWait = -std::numeric_limits<double>::infinity();

// Blocks until an input can have changed (a window event, a switch line, a
// joystick), until `deadline` (host monotonic seconds), or until a press now
// held will count (NextInputDeadline), whichever comes first.
void WaitForInput(double deadline);

// The waits of one waiting loop. Its first pass reads the inputs at once:
// they may have changed while the program animated, and a switch held
// since then reads as pressed now. Every later pass first waits, because
// the pass before found nothing to act on.
class PassWait {
public:
  // The wait before this pass, for a loop whose next deadline is `deadline`.
  double Before(double deadline) {
    const double until = first_ ? NoWait : deadline;
    first_ = false;
    return until;
  }

private:
  bool first_ = true;
};

// SwitchPressed := 0; waits as WaitForInput(waitUntil) does (not at all
// for NoWait); lets pending window events run once (so queued keys,
// clicks and double clicks raise their flags now); then, with a switch
// adapter (InputDevice 1..5), SwitchPressed := the adapter's reading, which
// replaces whatever a key or click set during those events. The polled
// contacts (adapter, assigned joystick buttons) go through the press
// filter, and a press that has just counted (a switch held until the
// acceptance time) raises its flag here.
void PollSwitch(double waitUntil = NoWait);

// Clears the window's exit request and the four command flags
// (SkipPicturePressed, ClearLastPressed, EnterPressed, SwitchPressed), then
// polls once (PollSwitch, with its wait). A flag set afterwards reports an
// event that arrived during that poll.
void ClearAndPollInputs(int16_t& exitRequested, double waitUntil = NoWait);

}  // namespace input
