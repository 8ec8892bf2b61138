#include "input/poll.h"

#include <algorithm>

#include "input/input_flags.h"
#include "input/switch_adapter.h"
#include "input/switch_inputs.h"
#include "platform/host.h"
#include "settings/settings_record.h"

namespace input {

void WaitForInput(double deadline) { platform::host().waitForInput(std::min(deadline, NextInputDeadline())); }

void PollSwitch(double waitUntil) {
  SwitchPressed = 0;
  // Events that arrive during the wait come after the clearing, so the
  // flags they raise are seen by this pass's test.
  if (waitUntil != NoWait) WaitForInput(waitUntil);
  platform::DoEvents();
  const int16_t device = settings::SettingsRecord.InputDevice;
  const bool adapter = device >= 1 && device <= 5;
  // With an adapter its reading replaces whatever a key or click set.
  if (adapter) SwitchPressed = 0;
  const int closed = ReadPolledSwitches(adapter ? device : 0);
  // At the standard timing a closed adapter reads as pressed at every poll,
  // as it always has; with a hold or release time a press counts once.
  if (adapter && closed == 1 && Presses().Immediate()) SwitchPressed = 1;
}

void ClearAndPollInputs(int16_t& exitRequested, double waitUntil) {
  exitRequested = 0;
  SkipPicturePressed = 0;
  ClearLastPressed = 0;
  EnterPressed = 0;
  SwitchPressed = 0;
  PollSwitch(waitUntil);
}

}  // namespace input
