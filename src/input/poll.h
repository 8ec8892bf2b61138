#pragma once
// The one way the waiting loops read the user's inputs: clear the flags, let
// pending window events run once, then read the switch adapter.

#include <cstdint>

namespace input {

// SwitchPressed := 0; lets pending window events run once (so queued keys,
// clicks and double clicks raise their flags now); then, with a switch
// adapter (InputDevice 1..5), SwitchPressed := the adapter's reading, which
// replaces whatever a key or click set during those events. The polled
// contacts (adapter, assigned joystick buttons) go through the press
// filter, and a press that has just counted (a switch held until the
// acceptance time) raises its flag here.
void PollSwitch();

// Clears the window's exit request and the four command flags
// (SkipPicturePressed, ClearLastPressed, EnterPressed, SwitchPressed), then
// polls once (PollSwitch). A flag set afterwards reports an event that
// arrived during that poll.
void ClearAndPollInputs(int16_t& exitRequested);

}  // namespace input
