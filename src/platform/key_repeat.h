#pragma once
// What the window system says about a key that is held down.
//
// An X server repeats a held key, by default as a release followed by a
// press every few tens of milliseconds. The toolkit marks such a pair as a
// repeat only when both events have already arrived when it looks, which a
// busy machine easily defeats, so a held switch key could look like many
// short presses. The server's key state lets the input layer know a
// repeat from a real release.

#include <QtGlobal>

namespace platform {

// Whether the key of X key code `code` (QKeyEvent::nativeScanCode) is down
// now, as the X server knows it. False where that cannot be asked.
bool KeyDownNow(quint32 code);

}  // namespace platform
