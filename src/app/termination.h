#pragma once
// Ending the program from outside: a logout, a shutdown or `kill` sends
// SIGTERM or SIGHUP (a terminal Ctrl+C sends SIGINT). Each is turned into a
// call on the user-interface thread, so the program can save its settings
// first, as "Exit" does.

#include <functional>

namespace app {

// From now on, each of the three signals calls `onSignal` the next time the
// program lets window events run. Call once, with a QCoreApplication alive.
void CallOnTerminationSignal(std::function<void()> onSignal);

}  // namespace app
