// The game port switch over an SDL virtual joystick: button 1 is the switch (bit 4
// of port 0x201), other buttons are ignored, and a joystick plugged in again is followed.

#include "input/input_flags.h"
#include "input/switch_adapter.h"
#include "platform/port_io.h"
#include "settings/settings_record.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class GamePort : public ::testing::Test {
protected:
  void SetUp() override {
    // Only the virtual joystick: no probing of HID devices on the test machine.
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    attach();
    if (SDL_NumJoysticks() != 1) GTEST_SKIP() << "a real joystick is connected";
    settings::SettingsRecord = settings::DefaultSettings();
    settings::SettingsRecord.InputDevice = 5;
  }
  void TearDown() override {
    platform::ClosePorts();
    detach();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
  void attach() {
    index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 0);
    ASSERT_GE(index_, 0) << SDL_GetError();
    pad_ = SDL_JoystickOpen(index_);
    ASSERT_NE(pad_, nullptr) << SDL_GetError();
  }
  void detach() {
    if (pad_) { SDL_JoystickDetachVirtual(index_); SDL_JoystickClose(pad_); }
    pad_ = nullptr;
  }
  // Sets one button, then checks the switch and the port register.
  void expect(int button, bool down, int16_t pressed, int port) {
    SDL_JoystickSetVirtualButton(pad_, button, down ? 1 : 0);
    input::SwitchPressed = int16_t(1 - pressed);
    EXPECT_EQ(input::ReadSwitch(), pressed) << button;
    EXPECT_EQ(input::SwitchPressed, pressed) << button;
    EXPECT_EQ(platform::agInp(0x201), port) << button;
  }

  int index_ = -1;
  SDL_Joystick* pad_ = nullptr;
};

TEST_F(GamePort, FirstButtonIsTheSwitch) {
  input::ResetGamePort();
  expect(0, true, 1, 0xEF);
  expect(0, false, 0, 0xFF);
  expect(1, true, 0, 0xDF);  // another button alone is no switch press
  expect(0, true, 1, 0xCF);
  expect(3, true, 1, 0x4F);
  EXPECT_TRUE(platform::PortProblem(5).isEmpty());
  EXPECT_NE(input::SwitchDeviceDescription(5), QStringLiteral("no joystick"));
}

TEST_F(GamePort, UnpluggedJoystickReadsReleasedAndIsFoundAgain) {
  expect(0, true, 1, 0xEF);
  detach();
  EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_EQ(platform::agInp(0x201), 0xFF);
  EXPECT_EQ(platform::PortProblem(5), QStringLiteral("no joystick is connected"));
  EXPECT_EQ(input::SwitchDeviceDescription(5), QStringLiteral("no joystick"));
  attach();
  expect(0, true, 1, 0xEF);
  EXPECT_TRUE(platform::PortProblem(5).isEmpty());
}

}  // namespace
