#pragma once
#include <functional>

namespace platform {

// Work that must happen however the program ends (closing the audio device,
// releasing serial ports). Hooks run once, newest first.
void addShutdownHook(std::function<void()> hook);
void runShutdownHooks();

}  // namespace platform
