#pragma once
// What the window system says about a key that is held down.
//
// An X server repeats a held key, by default as a release followed by a
// press every few tens of milliseconds. The toolkit marks such a pair as a
// repeat only when both events have already arrived when it looks, which a
// busy machine easily defeats, so a held switch key could look like many
// short presses. These functions let the input layer know a repeat from
// the server itself.

#include <QtGlobal>

namespace platform {

// Asks the X server to repeat a held key as presses alone, sending its
// release only when the key is let go (XKB's detectable auto-repeat, a
// setting of this program's own connection). True when the server granted
// it; false on other window systems and where the server cannot.
bool UseDetectableKeyRepeat();

// Whether the key of X key code `code` (QKeyEvent::nativeScanCode) is down
// now, as the X server knows it. False where that cannot be asked.
bool KeyDownNow(quint32 code);

// The server's repeat timing: how long a key is held before it repeats,
// and the time between repeats, in milliseconds. {0, 0} where unknown.
struct KeyRepeatTiming {
  int delayMs = 0;
  int intervalMs = 0;
};
KeyRepeatTiming ServerKeyRepeatTiming();

}  // namespace platform
