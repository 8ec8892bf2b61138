#pragma once
// What the real host's wait for input listens to beyond window events.
// Window events wake the wait by themselves. A switch line watched on a
// helper thread wakes it with WakeInputWait(), which only posts an event
// to the main thread. A source that cannot wake the wait (a driver without
// line-change notification, a joystick without a device node) asks for the
// wait to be cut short at an interval instead, for as long as it is in use.

#include <limits>

namespace platform {

inline constexpr double NoDeadline = std::numeric_limits<double>::infinity();

// From any thread: makes a wait under way on the main thread return, and
// the next one return at once. Only an event crosses the threads.
void WakeInputWait();

// Main thread only. The sources that need looking at: `intervalSeconds` > 0
// asks for it, 0 withdraws it. A request lapses a few seconds after it was
// last made, so a source asks again each time it is read, and one that is
// no longer read (the carer chose another device) stops costing anything.
enum class PolledSource { SerialLine, SerialSafetyNet, SerialRetry, Joystick, JoystickRetry, Count };
void SetInputPolling(PolledSource source, double intervalSeconds);
// The shortest interval asked for, or NoDeadline.
double InputPollingInterval();

// Main thread only: creates the object that receives the wake events.
// Called before a helper thread may wake the wait.
void PrepareInputWake();

}  // namespace platform
