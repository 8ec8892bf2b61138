#include "platform/x11_message.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <QStringList>
#include <algorithm>
#include <vector>

namespace platform {

bool ShowPlainX11Message(const QString& title, const QString& text) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  const int screen = DefaultScreen(display);
  const unsigned long black = BlackPixel(display, screen);
  const unsigned long white = WhitePixel(display, screen);

  XFontStruct* font = XLoadQueryFont(display, "-*-helvetica-medium-r-*-*-14-*-*-*-*-*-*-*");
  if (!font) font = XLoadQueryFont(display, "fixed");

  QString normalised = text;
  normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  std::vector<QByteArray> lines;
  for (const QString& line : normalised.split(QLatin1Char('\n'))) lines.push_back(line.toLatin1());

  const int lineHeight = font ? font->ascent + font->descent + 4 : 16;
  int textWidth = 200;
  for (const QByteArray& line : lines) {
    const int w = font ? XTextWidth(font, line.constData(), static_cast<int>(line.size()))
                       : static_cast<int>(line.size()) * 8;
    textWidth = std::max(textWidth, w);
  }
  const int margin = 20;
  const int buttonW = 80, buttonH = 28;
  const int width = textWidth + 2 * margin;
  const int height = static_cast<int>(lines.size()) * lineHeight + 3 * margin + buttonH;
  const int x = std::max(0, (DisplayWidth(display, screen) - width) / 2);
  const int y = std::max(0, (DisplayHeight(display, screen) - height) / 2);

  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y, static_cast<unsigned>(width),
                                      static_cast<unsigned>(height), 2, black, white);
  const QByteArray titleBytes = title.toLatin1();
  XStoreName(display, window, titleBytes.constData());
  XSelectInput(display, window, ExposureMask | KeyPressMask | ButtonPressMask);
  Atom deleteAtom = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, window, &deleteAtom, 1);
  XMapRaised(display, window);
  GC gc = XCreateGC(display, window, 0, nullptr);
  XSetForeground(display, gc, black);
  XSetBackground(display, gc, white);
  if (font) XSetFont(display, gc, font->fid);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);

  const int buttonX = (width - buttonW) / 2;
  const int buttonY = height - margin - buttonH;
  bool done = false;
  while (!done) {
    XEvent event;
    XNextEvent(display, &event);
    switch (event.type) {
      case Expose: {
        int baseline = margin + (font ? font->ascent : 12);
        for (const QByteArray& line : lines) {
          XDrawString(display, window, gc, margin, baseline, line.constData(), static_cast<int>(line.size()));
          baseline += lineHeight;
        }
        XDrawRectangle(display, window, gc, buttonX, buttonY, buttonW, buttonH);
        const int okWidth = font ? XTextWidth(font, "OK", 2) : 16;
        XDrawString(display, window, gc, buttonX + (buttonW - okWidth) / 2,
                    buttonY + buttonH / 2 + (font ? font->ascent / 2 : 6), "OK", 2);
        break;
      }
      case KeyPress: {
        const KeySym key = XLookupKeysym(&event.xkey, 0);
        if (key == XK_Return || key == XK_KP_Enter || key == XK_Escape || key == XK_space) done = true;
        break;
      }
      case ButtonPress:
        if (event.xbutton.x >= buttonX && event.xbutton.x <= buttonX + buttonW && event.xbutton.y >= buttonY &&
            event.xbutton.y <= buttonY + buttonH)
          done = true;
        break;
      case ClientMessage:
        if (static_cast<Atom>(event.xclient.data.l[0]) == deleteAtom) done = true;
        break;
      default: break;
    }
  }
  XFreeGC(display, gc);
  if (font) XFreeFont(display, font);
  XDestroyWindow(display, window);
  XCloseDisplay(display);
  return true;
}

}  // namespace platform
