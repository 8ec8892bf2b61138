#pragma once
// The key commands of the colouring window. The handlers only raise the
// input flags; the session's loops test them.

#include <Qt>
#include <cstdint>

namespace input {

enum class KeyOutcome {
  Ignored,   // the latch was closed: a key is still held
  Acted,     // the latch closed; a command flag may have been raised
  Escape,    // the caller leaves the session
};

// Key-down on the colouring window: the latch, ExitRequested and the key
// table. `key` is a Qt key code; keypad keys carry Qt::KeypadModifier and,
// apart from Enter, only close the latch. Shift and Caps Lock make no
// difference. "A" counts only once `coloringPhase` is 1.
KeyOutcome KeyDown(int key, Qt::KeyboardModifiers modifiers, int16_t coloringPhase, int16_t& exitRequested);

// Key-up on the colouring window. An auto-repeat release is not a release:
// X11 sends a held key as release/press pairs, which must count as one press.
void KeyUp(bool autoRepeat);

}  // namespace input
