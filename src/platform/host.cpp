#include "platform/host.h"

#include "platform/qt_host.h"

#include <algorithm>

namespace platform {
namespace {
QtHost realHost;
Host* current = &realHost;
}  // namespace

Host& host() { return *current; }

void installHost(Host* h) { current = h ? h : &realHost; }

void message(const QString& text, MessageIcon icon) { host().messageBox(text, icon, AppTitle); }

QString NameForMessage(const QString& name, int most) {
  if (name.size() <= most) return name;
  const qsizetype keep = std::max(most - 3, 2);
  const qsizetype tail = keep / 2;
  // Broken after the "...": a name without blanks is not wrapped by the box,
  // and 200 characters on one line are wider than a small screen.
  return name.left(keep - tail) + QStringLiteral("...\n") + name.right(tail);
}

}  // namespace platform
