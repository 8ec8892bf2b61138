#include "platform/key_repeat.h"

// Qt before Xlib, whose macros (Bool, Status, None) clash with Qt's names.
#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace platform {

namespace {
// The Xlib display the toolkit's own connection uses; null on other window
// systems (Wayland, offscreen).
Display* ToolkitDisplay() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->display() : nullptr;
}
}  // namespace

bool UseDetectableKeyRepeat() {
  Display* display = ToolkitDisplay();
  if (!display) return false;
  Bool supported = False;
  XkbSetDetectableAutoRepeat(display, True, &supported);
  return supported == True;
}

bool KeyDownNow(quint32 code) {
  Display* display = ToolkitDisplay();
  if (!display || code > 255) return false;
  char keys[32] = {};
  XQueryKeymap(display, keys);
  return (static_cast<unsigned char>(keys[code / 8]) >> (code % 8)) & 1;
}

KeyRepeatTiming ServerKeyRepeatTiming() {
  Display* display = ToolkitDisplay();
  unsigned int delay = 0, interval = 0;
  if (!display || !XkbGetAutoRepeatRate(display, XkbUseCoreKbd, &delay, &interval)) return {};
  return {static_cast<int>(delay), static_cast<int>(interval)};
}

}  // namespace platform
