#include "platform/window_front.h"

#include <QGuiApplication>
#include <QWidget>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace platform {

namespace {

// A window manager that follows the desktop conventions names its check
// window on the root window.
bool HasWindowManager(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  const bool found = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                        &format, &items, &after, &data) == Success &&
                     type == XA_WINDOW && items == 1;
  if (data) XFree(data);
  return found;
}

}  // namespace

void BringToTheFront(QWidget* window) {
  if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->raise();
  window->activateWindow();
  if (QGuiApplication::platformName() != QStringLiteral("xcb")) return;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return;
  if (!HasWindowManager(display)) {
    // The toolkit's raise went out on its own connection: send it first.
    QGuiApplication::sync();
    XSetInputFocus(display, static_cast<Window>(window->winId()), RevertToParent, CurrentTime);
  }
  XCloseDisplay(display);
}

}  // namespace platform
