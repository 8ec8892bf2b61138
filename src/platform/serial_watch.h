#pragma once
// A helper thread per open switch line that waits in the kernel for a
// change of carrier detect and then wakes the main thread's wait for input
// (WakeInputWait: one posted event, nothing else crosses the threads). The
// main thread still reads the line itself at the moment of its test.
//
// A driver that cannot wait for line changes (a pty, some USB adapters)
// ends the thread; the owner then has the wait look at the line every
// millisecond instead.

#include <atomic>
#include <thread>

namespace platform {

class SerialLine;

class LineWatcher {
public:
  enum class State { Watching, CannotWait, Ended };

  // Starts the thread; main thread only.
  explicit LineWatcher(SerialLine& line);
  // Stops the thread (see stop()).
  ~LineWatcher();
  LineWatcher(const LineWatcher&) = delete;
  LineWatcher& operator=(const LineWatcher&) = delete;

  State state() const { return state_.load(); }
  // Ends the thread and waits for it. False when it did not end within a
  // second (a driver that ignores signals): the thread is then left
  // running, and the line must not be destroyed.
  bool stop();

private:
  void run();

  SerialLine& line_;
  std::atomic<State> state_{State::Watching};
  std::atomic<bool> stopping_{false};
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

}  // namespace platform
