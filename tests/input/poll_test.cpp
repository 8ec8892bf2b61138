// The poll of the waiting loops: which flags it clears, and which reading
// wins when a key and a switch adapter both report.

#include <gtest/gtest.h>

#include "input/input_flags.h"
#include "input/poll.h"
#include "settings/settings_record.h"
#include "support/scripted_host.h"

using namespace input;

TEST(Poll, ClearsTheCommandFlagsAndTheExitRequestButNotTheTubeClick) {
  testing_support::ScriptedHost host;
  settings::SettingsRecord = settings::DefaultSettings();
  SwitchPressed = EnterPressed = ClearLastPressed = SkipPicturePressed = 1;
  ClickedTubeIndex = 4;
  int16_t exitRequested = 1;
  ClearAndPollInputs(exitRequested);
  EXPECT_EQ(exitRequested + SwitchPressed + EnterPressed + ClearLastPressed + SkipPicturePressed, 0);
  EXPECT_EQ(ClickedTubeIndex, 4);
  EXPECT_EQ(host.passes, 1);

  // A key pressed during the poll is kept without an adapter (6). COM 4 with
  // nothing attached reads open, and so does the game port (5) without a
  // joystick: the adapter's reading replaces the switch a key set, and only
  // the main switch is the adapter's.
  for (int16_t device : {6, 4, 5}) {
    settings::SettingsRecord.InputDevice = device;
    host.when([] { return true; }, [&] { SwitchPressed = EnterPressed = exitRequested = 1; });
    ClearAndPollInputs(exitRequested);
    EXPECT_EQ(SwitchPressed, device == 6 ? 1 : 0) << device;
    EXPECT_EQ(EnterPressed, 1) << device;
    EXPECT_EQ(exitRequested, 1) << device;
  }
}
