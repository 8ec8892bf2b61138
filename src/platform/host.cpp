#include "platform/host.h"

#include "platform/qt_host.h"

namespace platform {
namespace {
QtHost realHost;
Host* current = &realHost;
}  // namespace

Host& host() { return *current; }

void installHost(Host* h) { current = h ? h : &realHost; }

void message(const QString& text, MessageIcon icon) { host().messageBox(text, icon, AppTitle); }

}  // namespace platform
