// A memory error that another thread makes while the process ends, as SDL's
// audio thread once did: a sanitized build must end such a process with a
// failure, not with the status main returned. Registered as a test that is
// expected to fail; it fails, that is passes, only if the report wins.

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {
int* volatile buffer = nullptr;
}

int main() {
  buffer = new int[4]();
  std::thread([] {
    for (;;) {
      volatile int value = buffer[0];
      static_cast<void>(value);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }).detach();
  std::atexit([] { delete[] buffer; });
  return 0;
}
