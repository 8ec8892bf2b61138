#include "platform/key_repeat.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace platform {

bool KeyDownNow(quint32 code) {
  // The toolkit's own connection to the X server; none on other window
  // systems (Wayland, offscreen).
  if (code > 255 || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return false;
  xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
  if (!reply) return false;
  const bool down = (reply->keys[code / 8] >> (code % 8)) & 1;
  std::free(reply);
  return down;
}

}  // namespace platform
