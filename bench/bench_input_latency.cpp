// Latency from a switch press to the waiting loop seeing SwitchPressed, with
// the real host's wait (Host::waitForInput) between the passes. Not a test:
// run by hand (commands in the README), 200 presses each:
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/bench_input_latency key
//   QT_QPA_PLATFORM=offscreen build/bench/bench_input_latency serial
//   QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy build/bench/bench_input_latency joystick
//
// key:      a space bar press sent to the X server with XTest (the request
//           xdotool sends, without starting a process per press) reaches the
//           colouring window's own key handler.
// serial:   a serial line whose carrier detect is switched by another
//           thread; the line is a stand-in (a pty has no modem lines), the
//           rest is the program's: the watcher thread blocked in the line's
//           wait, the posted wake, the Qt wait, PollSwitch reading the line.
// joystick: a button of an SDL virtual joystick on the game port (device 5).
//           A virtual joystick has no device node, so this measures the
//           2 ms look that such joysticks get; a real joystick wakes the
//           wait through its node as a key does.
//
// Between two presses the loop waits as a tube in the Scan Position does,
// and the processor time of the whole run is reported too.

#include <QApplication>
#include <SDL.h>
#include <dlfcn.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "input/input_flags.h"
#include "input/poll.h"
#include "input/switch_adapter.h"
#include "input/switch_inputs.h"
#include "pictures/mainform.h"
#include "platform/host.h"
#include "platform/input_wait.h"
#include "platform/port_io.h"
#include "platform/serial_backend.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Presses = 200;

double Now() { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); }

// ---------------------------------------------------------------- serial
class BenchLine final : public platform::SerialLine {
public:
  bool setOutputs(bool, bool, QString&) override { return true; }
  bool readInputs(platform::ModemLines& lines, QString&) override {
    lines.dcd = dcd.load();
    return true;
  }
  // As the kernel's TIOCMIWAIT: returns when carrier detect changes after
  // the call began.
  platform::LineWait waitForCarrierChange() override {
    std::unique_lock lock(m_);
    const long seen = changes_;
    cv_.wait(lock, [&] { return changes_ != seen || interrupted_; });
    if (interrupted_) {
      interrupted_ = false;
      return platform::LineWait::Interrupted;
    }
    return platform::LineWait::Changed;
  }
  void interruptWait() override {
    std::lock_guard lock(m_);
    interrupted_ = true;
    cv_.notify_all();
  }
  void set(bool closed) {
    std::lock_guard lock(m_);
    dcd.store(closed);
    ++changes_;
    cv_.notify_all();
  }
  std::atomic<bool> dcd{false};

private:
  std::mutex m_;
  std::condition_variable cv_;
  long changes_ = 0;
  bool interrupted_ = false;
};

class BenchBackend final : public platform::SerialBackend {
public:
  std::vector<platform::SerialDeviceInfo> devices() override { return {{QStringLiteral("/dev/ttyBENCH0"), {}, true}}; }
  std::unique_ptr<platform::SerialLine> open(const platform::SerialDeviceInfo&, QString&) override {
    auto l = std::make_unique<BenchLine>();
    line = l.get();
    return l;
  }
  BenchLine* line = nullptr;
};

// ---------------------------------------------------------------- presses
// A thread that presses and releases at random moments 40..90 ms apart and
// records when each press was made.
struct Presser {
  std::atomic<double> pressedAt{0};
  std::atomic<int> index{0};
  std::atomic<bool> done{false};
  std::thread thread;

  template <class Press, class Release>
  void start(Press press, Release release) {
    thread = std::thread([this, press, release] {
      std::mt19937 random(13);
      std::uniform_int_distribution<int> gap(40, 90);
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      for (int i = 1; i <= Presses + 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(gap(random)));
        pressedAt.store(Now());
        index.store(i);
        press();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        release();
      }
      done.store(true);
    });
  }
};

// The waiting loop of the session driver: clear, poll (with the wait), let
// events run, test. Returns the latencies of the presses seen.
std::vector<double> Measure(Presser& presser, int16_t& exitRequested) {
  std::vector<double> latencies;
  int lastSeen = 0;
  while (static_cast<int>(latencies.size()) < Presses && !presser.done.load()) {
    input::PassWait wait;
    input::SwitchPressed = 0;
    while (input::SwitchPressed == 0 && !presser.done.load()) {
      // A bounded wait, so that a lost press ends the run instead of hanging it.
      input::ClearAndPollInputs(exitRequested, wait.Before(Now() + 1.0));
      platform::DoEvents();
    }
    const double seen = Now();
    const int i = presser.index.load();
    if (input::SwitchPressed == 1 && i != lastSeen) {
      latencies.push_back(seen - presser.pressedAt.load());
      lastSeen = i;
    }
    // Until the release has come, as a session animates after a press.
    while (!presser.done.load() && presser.index.load() == i && Now() - presser.pressedAt.load() < 0.03)
      platform::host().waitForInput(presser.pressedAt.load() + 0.03);
  }
  return latencies;
}

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

void Report(const char* what, std::vector<double> ms, double cpu, double wall, int missed) {
  if (ms.empty()) {
    std::printf("%s: no press seen\n", what);
    return;
  }
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) { return ms[std::min(ms.size() - 1, static_cast<size_t>(q * (ms.size() - 1) + 0.5))] * 1000; };
  std::printf("%s: %zu presses seen, %d missed; latency median %.3f ms, p90 %.3f ms, p99 %.3f ms, max %.3f ms; "
              "processor %.2f %% of one core\n",
              what, ms.size(), missed, at(0.5), at(0.9), at(0.99), ms.back() * 1000, cpu / wall * 100);
}

}  // namespace

int main(int argc, char** argv) {
  const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
  if (mode != QLatin1String("key") && mode != QLatin1String("serial") && mode != QLatin1String("joystick")) {
    std::fprintf(stderr, "usage: %s key|serial|joystick\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  settings::SettingsRecord = settings::DefaultSettings();
  settings::SwitchOptionsRecord = {};
  input::KeyReleased = input::MouseReleased = input::True;
  int16_t exitRequested = 0;
  Presser presser;
  std::vector<double> latencies;
  const double cpu0 = CpuSeconds(), wall0 = Now();

  if (mode == QLatin1String("serial")) {
    BenchBackend backend;
    platform::installSerialBackend(&backend);
    settings::SettingsRecord.InputDevice = 1;
    input::ApplySwitchOptions();
    input::ReadSwitch();  // opens the line
    if (!backend.line) return std::fprintf(stderr, "the bench line did not open\n"), 1;
    BenchLine* line = backend.line;
    presser.start([line] { line->set(true); }, [line] { line->set(false); });
    latencies = Measure(presser, exitRequested);
    presser.thread.join();
    platform::ClosePorts();
    platform::installSerialBackend(nullptr);
  } else if (mode == QLatin1String("joystick")) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return std::fprintf(stderr, "SDL: %s\n", SDL_GetError()), 1;
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 4, 0);
    SDL_Joystick* stick = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    if (!stick) return std::fprintf(stderr, "no virtual joystick: %s\n", SDL_GetError()), 1;
    settings::SettingsRecord.InputDevice = 5;
    input::ApplySwitchOptions();
    presser.start([stick] { SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED); },
                  [stick] { SDL_JoystickSetVirtualButton(stick, 0, SDL_RELEASED); });
    latencies = Measure(presser, exitRequested);
    presser.thread.join();
    SDL_JoystickClose(stick);
  } else {
    // Xlib and XTest found at run time: no development headers needed for
    // five functions, and Xlib's macros stay out of this file.
    void* x11 = dlopen("libX11.so.6", RTLD_NOW);
    void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
    if (!x11 || !xtst) return std::fprintf(stderr, "needs libX11.so.6 and libXtst.so.6\n"), 1;
    using OpenDisplay = void* (*)(const char*);
    using KeysymToKeycode = unsigned char (*)(void*, unsigned long);
    using Flush = int (*)(void*);
    using FakeKey = int (*)(void*, unsigned int, int, unsigned long);
    auto openDisplay = reinterpret_cast<OpenDisplay>(dlsym(x11, "XOpenDisplay"));
    auto toKeycode = reinterpret_cast<KeysymToKeycode>(dlsym(x11, "XKeysymToKeycode"));
    auto flush = reinterpret_cast<Flush>(dlsym(x11, "XFlush"));
    auto closeDisplay = reinterpret_cast<Flush>(dlsym(x11, "XCloseDisplay"));
    auto fakeKey = reinterpret_cast<FakeKey>(dlsym(xtst, "XTestFakeKeyEvent"));
    void* display = openDisplay ? openDisplay(nullptr) : nullptr;
    if (!toKeycode || !flush || !closeDisplay || !fakeKey || !display)
      return std::fprintf(stderr, "needs an X display with the XTest extension\n"), 1;
    pictures::Mainform window;
    window.showFullScreen();
    window.activateWindow();
    for (int i = 0; i < 50; ++i) {
      QApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    settings::SettingsRecord.InputDevice = 6;
    input::ApplySwitchOptions();
    const unsigned int space = toKeycode(display, 0x20);  // XK_space
    presser.start(
        [=] {
          fakeKey(display, space, 1, 0);
          flush(display);
        },
        [=] {
          fakeKey(display, space, 0, 0);
          flush(display);
        });
    latencies = Measure(presser, window.ExitRequested);
    presser.thread.join();
    closeDisplay(display);
  }
  const double wall = Now() - wall0, cpu = CpuSeconds() - cpu0;
  Report(qPrintable(mode), latencies, cpu, wall, Presses - static_cast<int>(latencies.size()));
  return 0;
}
