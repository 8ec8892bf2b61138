#pragma once
#include <QString>

namespace platform {

// A plain message window drawn with Xlib alone, for displays that the
// toolkit cannot paint on (fewer than 16 bits per pixel). Returns when the
// carer presses OK, Enter, Escape or the space bar; returns false when there
// is no X display to show it on.
bool ShowPlainX11Message(const QString& title, const QString& text);

}  // namespace platform
