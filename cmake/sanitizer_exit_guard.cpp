// Linked into every program of a sanitized build (BRUSHWELL_SANITIZE).
//
// A memory error that another thread (SDL's audio thread, a Qt thread) makes
// while the process ends races the clean exit: the main thread finishes its
// exit handlers and ends the process with status 0 while the report is still
// being written, and the test looks green. This registers the very last exit
// handler: it gives other threads a moment to touch what the exit handlers
// freed, and when a report has begun it waits for the sanitizer to end the
// process with its failure instead of exiting cleanly.

#include <dirent.h>
#include <sanitizer/asan_interface.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

std::atomic<bool> reportBegun{false};

int threadCount() {
  DIR* dir = opendir("/proc/self/task");
  if (!dir) return 1;
  int n = 0;
  while (const dirent* entry = readdir(dir)) n += entry->d_name[0] != '.';
  closedir(dir);
  return n;
}

void awaitLateReports() {
  // One audio period of the program's device is 23 ms.
  if (threadCount() > 1) std::this_thread::sleep_for(std::chrono::milliseconds(60));
  if (!reportBegun.load()) return;
  // The reporting thread ends the process when its report is written.
  for (int i = 0; i < 300; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::_Exit(1);
}

// Registered before any static object is constructed, so it runs after
// every destructor and every other exit handler.
__attribute__((constructor(101))) void registerGuard() { std::atexit(awaitLateReports); }

}  // namespace

// Called by AddressSanitizer when it begins a report, on the reporting thread.
extern "C" void __asan_on_error() { reportBegun.store(true); }
