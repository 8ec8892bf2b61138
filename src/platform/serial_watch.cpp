#include "platform/serial_watch.h"

#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <cstdio>

#include "platform/input_wait.h"
#include "platform/serial_backend.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

// The signal that ends a watcher's wait in the kernel. Its handler does
// nothing; installed without SA_RESTART, so the wait returns with EINTR.
int interruptSignal() { return SIGRTMIN + 7; }

void ignoreInterrupt(int) {}

void installInterruptHandler() {
  static const bool installed = [] {
    struct sigaction action {};
    action.sa_handler = ignoreInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    return sigaction(interruptSignal(), &action, nullptr) == 0;
  }();
  (void)installed;
}

// A driver that reports a change again and again without one would keep
// the thread busy: this many in a row, each within this time of the one
// before, count as a driver that cannot wait.
constexpr int FastReturnsLimit = 200;
constexpr auto FastReturn = std::chrono::microseconds(200);

}  // namespace

LineWatcher::LineWatcher(SerialLine& line) : line_(line) {
  installInterruptHandler();
  PrepareInputWake();
  thread_ = std::thread([this] { run(); });
}

LineWatcher::~LineWatcher() {
  if (!stop() && thread_.joinable()) thread_.detach();
}

void LineWatcher::run() {
  // Only the interrupt reaches this thread; the program's own signals go to
  // the main thread.
  sigset_t mask;
  sigfillset(&mask);
  sigdelset(&mask, interruptSignal());
  pthread_sigmask(SIG_SETMASK, &mask, nullptr);

  int fastReturns = 0;
  Clock::time_point last = Clock::now();
  while (!stopping_.load()) {
    const LineWait result = line_.waitForCarrierChange();
    if (stopping_.load()) break;
    if (result == LineWait::Interrupted) continue;
    if (result == LineWait::Changed) {
      const Clock::time_point now = Clock::now();
      fastReturns = now - last < FastReturn ? fastReturns + 1 : 0;
      last = now;
      WakeInputWait();
      if (fastReturns < FastReturnsLimit) continue;
    }
    state_.store(result == LineWait::Failed ? State::Ended : State::CannotWait);
    WakeInputWait();
    break;
  }
  finished_.store(true);
}

bool LineWatcher::stop() {
  if (!thread_.joinable()) return true;
  stopping_.store(true);
  // The thread may be just about to enter the kernel's wait when a signal
  // comes, so the signal is sent again until the thread has ended.
  const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(1);
  while (!finished_.load() && Clock::now() < giveUp) {
    line_.interruptWait();
    pthread_kill(thread_.native_handle(), interruptSignal());
    for (int i = 0; i < 20 && !finished_.load(); ++i) std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  if (!finished_.load()) {
    std::fprintf(stderr, "Brushwell: a serial line's watcher did not stop; the line is left open.\n");
    return false;
  }
  thread_.join();
  return true;
}

}  // namespace platform
