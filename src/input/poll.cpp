#include "input/poll.h"

#include "input/input_flags.h"
#include "input/switch_adapter.h"
#include "platform/host.h"
#include "settings/settings_record.h"

namespace input {

void PollSwitch() {
  SwitchPressed = 0;
  platform::host().idleWait();
  platform::DoEvents();
  const int16_t device = settings::SettingsRecord.InputDevice;
  if (device >= 1 && device <= 5) ReadSwitch();
}

void ClearAndPollInputs(int16_t& exitRequested) {
  exitRequested = 0;
  SkipPicturePressed = 0;
  ClearLastPressed = 0;
  EnterPressed = 0;
  SwitchPressed = 0;
  PollSwitch();
}

}  // namespace input
