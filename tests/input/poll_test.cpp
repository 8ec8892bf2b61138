// The poll of the waiting loops: which flags it clears, and which reading
// wins when a key and a switch adapter both report.

#include <gtest/gtest.h>

#include "input/input_flags.h"
#include "input/poll.h"
#include "settings/settings_record.h"
#include "support/scripted_host.h"

namespace {

class PollTest : public ::testing::Test {
protected:
  void SetUp() override {
    settings::SettingsRecord = settings::DefaultSettings();
    input::SwitchPressed = input::EnterPressed = input::ClearLastPressed = input::SkipPicturePressed = 1;
    input::ClickedTubeIndex = 4;
  }
  testing_support::ScriptedHost host;
  int16_t exitRequested = 1;
};

TEST_F(PollTest, ClearsTheCommandFlagsAndTheExitRequestButNotTheTubeClick) {
  input::ClearAndPollInputs(exitRequested);
  EXPECT_EQ(exitRequested, 0);
  EXPECT_EQ(input::SwitchPressed, 0);
  EXPECT_EQ(input::EnterPressed, 0);
  EXPECT_EQ(input::ClearLastPressed, 0);
  EXPECT_EQ(input::SkipPicturePressed, 0);
  EXPECT_EQ(input::ClickedTubeIndex, 4);
  EXPECT_EQ(host.passes, 1);
}

TEST_F(PollTest, AKeyPressedDuringThePollIsKeptWithoutAnAdapter) {
  settings::SettingsRecord.InputDevice = 6;
  host.when([] { return true; }, [this] {
    input::SwitchPressed = 1;
    input::EnterPressed = 1;
    exitRequested = 1;
  });
  input::ClearAndPollInputs(exitRequested);
  EXPECT_EQ(input::SwitchPressed, 1);
  EXPECT_EQ(input::EnterPressed, 1);
  EXPECT_EQ(exitRequested, 1);
}

TEST_F(PollTest, AnAdaptersReadingReplacesTheSwitchAKeySet) {
  // COM 4 with nothing attached reads open; the game port without a
  // joystick reads open too.
  for (int16_t device : {int16_t(4), int16_t(5)}) {
    settings::SettingsRecord.InputDevice = device;
    host.when([] { return true; }, [] {
      input::SwitchPressed = 1;
      input::EnterPressed = 1;
    });
    input::ClearAndPollInputs(exitRequested);
    EXPECT_EQ(input::SwitchPressed, 0) << device;
    EXPECT_EQ(input::EnterPressed, 1) << "only the main switch is the adapter's";
  }
}

}  // namespace
