// The key table and the key latch of the colouring window.

#include <gtest/gtest.h>

#include "input/input_flags.h"
#include "input/keys.h"

using namespace input;

namespace {
int16_t exitRequested = 0;
int raisedFlags() { return SwitchPressed + EnterPressed + ClearLastPressed + SkipPicturePressed; }
void resetFlags() {
  SwitchPressed = EnterPressed = ClearLastPressed = SkipPicturePressed = 0;
  KeyReleased = True;
}
KeyOutcome down(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, int16_t phase = 1) {
  return KeyDown(key, mods, phase, exitRequested);
}
}  // namespace

// Each key raises its own flag and no other, whatever the case; keypad digits,
// "a" before colouring has begun and keys outside the table only close the latch.
TEST(KeyTable, EachKeyRaisesItsFlagOrOnlyClosesTheLatch) {
  struct Row { int key; Qt::KeyboardModifiers mods; int16_t phase; int16_t* flag; };
  const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
  const Row rows[] = {
      {Qt::Key_0, none, 1, &SwitchPressed},       {Qt::Key_Space, none, 1, &SwitchPressed},
      {Qt::Key_1, none, 1, &EnterPressed},        {Qt::Key_Return, none, 1, &EnterPressed},
      {Qt::Key_Enter, keypad, 1, &EnterPressed},  {Qt::Key_2, none, 1, &ClearLastPressed},
      {Qt::Key_C, shift, 1, &ClearLastPressed},   {Qt::Key_C, none, 1, &ClearLastPressed},
      {Qt::Key_3, none, 1, &SkipPicturePressed},  {Qt::Key_A, shift, 1, &SkipPicturePressed},
      {Qt::Key_3, none, 0, &SkipPicturePressed},  {Qt::Key_A, none, 0, nullptr},
      {Qt::Key_0, keypad, 1, nullptr},            {Qt::Key_1, keypad, 1, nullptr},
      {Qt::Key_2, keypad, 1, nullptr},            {Qt::Key_3, keypad, 1, nullptr},
      {Qt::Key_F5, none, 1, nullptr},
  };
  for (const Row& row : rows) {
    resetFlags();
    EXPECT_EQ(down(row.key, row.mods, row.phase), KeyOutcome::Acted) << row.key;
    EXPECT_EQ(KeyReleased, False) << row.key;
    KeyUp(row.key, false);
    EXPECT_EQ(raisedFlags(), row.flag ? 1 : 0) << "key " << row.key << " phase " << row.phase;
    if (row.flag) {
      EXPECT_EQ(*row.flag, 1) << "key " << row.key;
    }
  }
}

TEST(KeyLatch, AHeldKeyCountsOnceAndAnActedKeyCancelsAPendingExit) {
  resetFlags();
  exitRequested = 1;  // a double click on the exit link came first
  EXPECT_EQ(down(Qt::Key_X), KeyOutcome::Acted);
  EXPECT_EQ(exitRequested, 0);
  KeyUp(Qt::Key_X, false);
  EXPECT_EQ(down(Qt::Key_Space), KeyOutcome::Acted);
  SwitchPressed = 0;  // the session took the press
  exitRequested = 1;
  for (int i = 0; i < 5; ++i) {  // X11 auto-repeat: release/press pairs
    KeyUp(Qt::Key_Space, true);
    EXPECT_EQ(down(Qt::Key_Space), KeyOutcome::Ignored);
  }
  // While one key is held, another does nothing either, and the request stands.
  EXPECT_EQ(down(Qt::Key_Return), KeyOutcome::Ignored);
  EXPECT_EQ(raisedFlags(), 0);
  EXPECT_EQ(exitRequested, 1);
  KeyUp(Qt::Key_Return, false);
  EXPECT_EQ(down(Qt::Key_Space), KeyOutcome::Acted);
  EXPECT_EQ(SwitchPressed, 1);
  SwitchPressed = 0;
  KeyUp(Qt::Key_Space, false);
  EXPECT_EQ(down(Qt::Key_Escape, Qt::NoModifier, 0), KeyOutcome::Escape);
  EXPECT_EQ(raisedFlags(), 0);
}

TEST(KeyLatch, ModifierKeysNeitherActNorCloseOrOpenTheLatch) {
  resetFlags();
  exitRequested = 1;
  // Shift, then 0 (typed as ")"), then Shift released while 0 is held.
  EXPECT_EQ(down(Qt::Key_Shift, Qt::ShiftModifier), KeyOutcome::Ignored);
  EXPECT_EQ(exitRequested, 1);
  EXPECT_EQ(down(Qt::Key_0, Qt::ShiftModifier), KeyOutcome::Acted);
  EXPECT_EQ(SwitchPressed, 1);
  SwitchPressed = 0;
  KeyUp(Qt::Key_Shift, false);
  EXPECT_EQ(down(Qt::Key_0), KeyOutcome::Ignored);
  EXPECT_EQ(SwitchPressed, 0);
}
