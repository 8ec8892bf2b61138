#pragma once
// Bringing a window of the program to the front when another program has
// the screen and the keyboard.

class QWidget;

namespace platform {

// Raises `window` and gives it the keyboard. A window manager decides
// itself whether to follow; without one (a kiosk, a bare X server), the
// X keyboard focus is set directly, since the toolkit's request carries the
// time of the program's last event and the X server ignores a request older
// than the last change of focus.
void BringToTheFront(QWidget* window);

}  // namespace platform
