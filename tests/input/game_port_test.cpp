// The game port switch over an SDL virtual joystick: button 1 is the
// switch, other buttons are ignored, and a joystick unplugged and plugged in
// again is followed.

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
    input::SwitchPressed = 0;
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
    if (!pad_) return;
    SDL_JoystickDetachVirtual(index_);
    SDL_JoystickClose(pad_);
    pad_ = nullptr;
  }
  void button(int b, bool down) { SDL_JoystickSetVirtualButton(pad_, b, down ? 1 : 0); }

  int index_ = -1;
  SDL_Joystick* pad_ = nullptr;
};

TEST_F(GamePort, FirstButtonIsTheSwitch) {
  input::ResetGamePort();

  button(0, true);
  EXPECT_EQ(input::ReadSwitch(), 1);
  EXPECT_EQ(platform::agInp(0x201), 0xEF);

  button(0, false);
  EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_EQ(platform::agInp(0x201), 0xFF);

  button(1, true);  // another button alone is no switch press
  EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_EQ(platform::agInp(0x201), 0xDF);

  button(0, true);
  button(3, true);
  EXPECT_EQ(input::ReadSwitch(), 1);
  EXPECT_EQ(platform::agInp(0x201), 0x4F);

  EXPECT_TRUE(platform::PortProblem(5).isEmpty());
  EXPECT_NE(input::SwitchDeviceDescription(5), QStringLiteral("no joystick"));
}

TEST_F(GamePort, UnpluggedJoystickReadsReleasedAndIsFoundAgain) {
  button(0, true);
  EXPECT_EQ(input::ReadSwitch(), 1);

  detach();
  EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_EQ(platform::agInp(0x201), 0xFF);
  EXPECT_EQ(platform::PortProblem(5), QStringLiteral("no joystick is connected"));
  EXPECT_EQ(input::SwitchDeviceDescription(5), QStringLiteral("no joystick"));

  attach();
  button(0, true);
  EXPECT_EQ(input::ReadSwitch(), 1);
  EXPECT_TRUE(platform::PortProblem(5).isEmpty());
}

}  // namespace
