#pragma once
// The key commands of the colouring window. The handlers only raise the
// input flags; the session's loops test them.

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace input {

enum class KeyOutcome {
  Ignored,   // the latch was closed: a key is still held
  Acted,     // the latch closed; a command flag may have been raised
  Escape,    // the caller leaves the session
};

// The key table names keys of the keyboard, not the characters they type:
// Shift, Caps Lock and the keyboard layout (French, Russian, ...) change
// nothing. This is the key an X11 key code (as in QKeyEvent::nativeScanCode)
// stands for, named as on a US keyboard: the Qt key code of the US key for
// the keys the table uses, Qt::Key_unknown for every other key.
int UsKeyForScanCode(quint32 scanCode);
// The key of a key event for the table: by its physical key where the
// window system tells it, otherwise (synthesised events) by its key code.
int TableKey(const QKeyEvent& event);

// Key-down on the colouring window: the latch, ExitRequested and the key
// table. `key` is a Qt key code (see TableKey); keypad keys carry
// Qt::KeypadModifier and, apart from Enter, only close the latch. Shift,
// Ctrl, Alt and Caps Lock are no keys of their own: they neither act nor
// close the latch, so Shift+0 is the 0 key. "A" counts only once
// `coloringPhase` is 1.
// `qtKey` is the event's own key code (QKeyEvent::key), by which the keys
// the carer assigned to a switch are known; Qt::Key_unknown: as `key`.
KeyOutcome KeyDown(int key, Qt::KeyboardModifiers modifiers, int16_t coloringPhase, int16_t& exitRequested,
                   int qtKey = Qt::Key_unknown);
// The switch (1 or 2) a key stands for, 0 for none: the key table's switch
// keys and the keys the carer assigned.
int SwitchOfKey(int key, Qt::KeyboardModifiers modifiers, int qtKey = Qt::Key_unknown);

// Key-up on the colouring window. An auto-repeat release is not a release:
// X11 sends a held key as release/press pairs, which must count as one press.
// Releasing a modifier key (Shift, ...) is no release either.
void KeyUp(int key, bool autoRepeat, int qtKey = Qt::Key_unknown);

}  // namespace input
