#include "input/keys.h"

#include "input/input_flags.h"

namespace input {

KeyOutcome KeyDown(int key, Qt::KeyboardModifiers modifiers, int16_t coloringPhase, int16_t& exitRequested) {
  if (KeyReleased == False) return KeyOutcome::Ignored;
  KeyReleased = False;
  exitRequested = 0;
  if (key == Qt::Key_Escape) return KeyOutcome::Escape;

  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  // Both Enter keys count; the keypad's digits have codes of their own on
  // the original keyboard and do nothing here.
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    EnterPressed = 1;
    return KeyOutcome::Acted;
  }
  if (keypad) return KeyOutcome::Acted;
  switch (key) {
    case Qt::Key_0: SwitchPressed = 1; break;
    case Qt::Key_1: EnterPressed = 1; break;
    case Qt::Key_2: ClearLastPressed = 1; break;
    case Qt::Key_3: SkipPicturePressed = 1; break;
    case Qt::Key_Space: SwitchPressed = 1; break;
    case Qt::Key_A:
      if (coloringPhase == 1) SkipPicturePressed = 1;
      break;
    case Qt::Key_C: ClearLastPressed = 1; break;
    default: break;
  }
  return KeyOutcome::Acted;
}

void KeyUp(bool autoRepeat) {
  if (!autoRepeat) KeyReleased = True;
}

}  // namespace input
