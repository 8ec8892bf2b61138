// The key table and the key latch of the colouring window.

#include <gtest/gtest.h>

#include "input/input_flags.h"
#include "input/keys.h"

using namespace input;

namespace {
void resetFlags() {
  SwitchPressed = EnterPressed = ClearLastPressed = SkipPicturePressed = 0;
  KeyReleased = True;
}
// One press and release of a key.
KeyOutcome tap(int key, int16_t phase = 1, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  int16_t exitRequested = 0;
  const KeyOutcome out = KeyDown(key, mods, phase, exitRequested);
  KeyUp(key, false);
  return out;
}
}  // namespace

TEST(KeyTable, EachKeyRaisesItsFlagWhateverTheCase) {
  struct Row { int key; Qt::KeyboardModifiers mods; int16_t* flag; };
  const Row rows[] = {
      {Qt::Key_0, Qt::NoModifier, &SwitchPressed},       {Qt::Key_Space, Qt::NoModifier, &SwitchPressed},
      {Qt::Key_1, Qt::NoModifier, &EnterPressed},        {Qt::Key_Return, Qt::NoModifier, &EnterPressed},
      {Qt::Key_Enter, Qt::KeypadModifier, &EnterPressed},{Qt::Key_2, Qt::NoModifier, &ClearLastPressed},
      {Qt::Key_C, Qt::ShiftModifier, &ClearLastPressed}, {Qt::Key_C, Qt::NoModifier, &ClearLastPressed},
      {Qt::Key_3, Qt::NoModifier, &SkipPicturePressed},  {Qt::Key_A, Qt::ShiftModifier, &SkipPicturePressed},
  };
  for (const Row& row : rows) {
    resetFlags();
    EXPECT_EQ(tap(row.key, 1, row.mods), KeyOutcome::Acted);
    EXPECT_EQ(*row.flag, 1) << "key " << row.key;
    const int raised = SwitchPressed + EnterPressed + ClearLastPressed + SkipPicturePressed;
    EXPECT_EQ(raised, 1) << "key " << row.key << " raised more than its own flag";
  }
}

TEST(KeyTable, KeysThatOnlyCloseTheLatch) {
  for (int key : {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3}) {  // the numeric keypad
    resetFlags();
    EXPECT_EQ(tap(key, 1, Qt::KeypadModifier), KeyOutcome::Acted);
    EXPECT_EQ(SwitchPressed + EnterPressed + ClearLastPressed + SkipPicturePressed, 0);
  }
  resetFlags();
  tap(Qt::Key_A, 0);  // "a" before colouring has begun
  EXPECT_EQ(SkipPicturePressed, 0);
  tap(Qt::Key_3, 0);  // "3" skips at once
  EXPECT_EQ(SkipPicturePressed, 1);
  resetFlags();
  tap(Qt::Key_F5);
  EXPECT_EQ(SwitchPressed + EnterPressed + ClearLastPressed + SkipPicturePressed, 0);
}

TEST(KeyLatch, AHeldKeyCountsOnceEvenWithAutoRepeat) {
  resetFlags();
  int16_t exitRequested = 0;
  EXPECT_EQ(KeyDown(Qt::Key_Space, Qt::NoModifier, 1, exitRequested), KeyOutcome::Acted);
  SwitchPressed = 0;  // the session took the press
  for (int i = 0; i < 5; ++i) {  // X11 auto-repeat: release/press pairs
    KeyUp(Qt::Key_Space, true);
    EXPECT_EQ(KeyDown(Qt::Key_Space, Qt::NoModifier, 1, exitRequested), KeyOutcome::Ignored);
  }
  EXPECT_EQ(SwitchPressed, 0);
  // While one key is held, another does nothing either.
  EXPECT_EQ(KeyDown(Qt::Key_Return, Qt::NoModifier, 1, exitRequested), KeyOutcome::Ignored);
  EXPECT_EQ(EnterPressed, 0);
  KeyUp(Qt::Key_Return, false);
  EXPECT_EQ(KeyDown(Qt::Key_Space, Qt::NoModifier, 1, exitRequested), KeyOutcome::Acted);
  EXPECT_EQ(SwitchPressed, 1);
}

TEST(KeyLatch, ModifierKeysNeitherActNorCloseOrOpenTheLatch) {
  resetFlags();
  int16_t exitRequested = 1;
  // Shift, then 0 (typed as ")"), then Shift released while 0 is held.
  EXPECT_EQ(KeyDown(Qt::Key_Shift, Qt::ShiftModifier, 1, exitRequested), KeyOutcome::Ignored);
  EXPECT_EQ(exitRequested, 1);
  EXPECT_EQ(KeyDown(Qt::Key_0, Qt::ShiftModifier, 1, exitRequested), KeyOutcome::Acted);
  EXPECT_EQ(SwitchPressed, 1);
  SwitchPressed = 0;
  KeyUp(Qt::Key_Shift, false);
  EXPECT_EQ(KeyDown(Qt::Key_0, Qt::NoModifier, 1, exitRequested), KeyOutcome::Ignored);
  EXPECT_EQ(SwitchPressed, 0);
}

TEST(KeyLatch, AKeyActedOnCancelsAPendingExitAndEscapeIsReported) {
  resetFlags();
  int16_t exitRequested = 1;  // a double click on the exit link came first
  KeyDown(Qt::Key_X, Qt::NoModifier, 1, exitRequested);
  EXPECT_EQ(exitRequested, 0);
  exitRequested = 1;
  KeyDown(Qt::Key_X, Qt::NoModifier, 1, exitRequested);  // still held: ignored, request stands
  EXPECT_EQ(exitRequested, 1);
  KeyUp(Qt::Key_X, false);
  EXPECT_EQ(KeyDown(Qt::Key_Escape, Qt::NoModifier, 0, exitRequested), KeyOutcome::Escape);
  EXPECT_EQ(SwitchPressed + EnterPressed + ClearLastPressed + SkipPicturePressed, 0);
}
