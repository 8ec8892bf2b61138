#include "platform/game_port.h"

#include <SDL.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <map>
#include <memory>

#include "platform/input_wait.h"

namespace platform::gameport {
namespace {

using Clock = std::chrono::steady_clock;
// A joystick that is present but refuses to open (permissions) is tried
// again at most this often while the switch is polled.
constexpr auto kRetryInterval = std::chrono::seconds(2);

// A joystick's device node, opened a second time so that its readiness
// wakes the wait for input. The kernel gives each open its own copy of the
// events, so reading ours away leaves SDL's untouched; the state is still
// read through SDL on the main thread.
class DeviceWatch {
public:
  static std::unique_ptr<DeviceWatch> open(SDL_Joystick* joystick) {
    const char* path = joystick ? SDL_JoystickPath(joystick) : nullptr;
    if (!path || !QCoreApplication::instance()) return nullptr;
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return std::unique_ptr<DeviceWatch>(new DeviceWatch(fd));
  }
  ~DeviceWatch() {
    notifier_.setEnabled(false);
    ::close(fd_);
  }
  bool alive() const { return alive_; }

private:
  explicit DeviceWatch(int fd) : fd_(fd), notifier_(fd, QSocketNotifier::Read) {
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { drain(); });
  }
  void drain() {
    input_event events[32];
    for (;;) {
      const ssize_t n = ::read(fd_, events, sizeof events);
      if (n > 0) continue;
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno == EAGAIN) return;
      // Unplugged (ENODEV) or broken: stop listening; SDL notices it too.
      alive_ = false;
      notifier_.setEnabled(false);
      return;
    }
  }
  const int fd_;
  QSocketNotifier notifier_;
  bool alive_ = true;
};

// How often the wait looks at a joystick that has no device node to listen
// to (SDL's virtual joysticks), and for a joystick to be plugged in.
constexpr double kJoystickPollSeconds = 0.002;
constexpr double kJoystickRetrySeconds = 2.0;

struct State {
  bool started = false;
  SDL_Joystick* joystick = nullptr;
  QString problem;
  Clock::time_point lastFailedOpen{};
  bool openFailed = false;
  bool startFailed = false;
  std::map<int, SDL_Joystick*> extra;  // by SDL device index, for assigned switches
  std::map<SDL_Joystick*, std::unique_ptr<DeviceWatch>> watches;  // by open joystick
};

State& state() {
  static State s;
  return s;
}

QString sdlError() { return QString::fromUtf8(SDL_GetError()); }

void unwatch(SDL_Joystick* joystick) { state().watches.erase(joystick); }

// Tells the wait for input how it learns of a change of `joystick` (nullptr:
// one is wanted but not plugged in). Called whenever a joystick is read.
void noteWaitSource(SDL_Joystick* joystick) {
  if (!joystick) {
    SetInputPolling(PolledSource::JoystickRetry, kJoystickRetrySeconds);
    return;
  }
  auto& watch = state().watches[joystick];
  if (!watch || !watch->alive()) watch = DeviceWatch::open(joystick);
  if (!watch) SetInputPolling(PolledSource::Joystick, kJoystickPollSeconds);
}

bool ensureStarted(bool force) {
  State& s = state();
  if (s.started) return true;
  if (s.startFailed && !force) return false;
  // The program's windows are Qt's: SDL must neither take over Ctrl+C and
  // termination signals nor drop button presses for want of an SDL window
  // with the focus.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
    s.problem = QCoreApplication::translate("GamePort", "joystick support could not start: %1").arg(sdlError());
    s.startFailed = true;
    return false;
  }
  // Nobody drains SDL's event queue: keep joystick events out of it. The
  // joystick state is still updated by SDL_JoystickUpdate.
  SDL_JoystickEventState(SDL_IGNORE);
  s.started = true;
  s.startFailed = false;
  return true;
}

void tryOpen(bool force) {
  State& s = state();
  if (s.joystick) return;
  if (SDL_NumJoysticks() <= 0) {
    s.problem = QCoreApplication::translate("GamePort", "no joystick is connected");
    return;
  }
  if (!force && s.openFailed && Clock::now() - s.lastFailedOpen < kRetryInterval) return;
  s.joystick = SDL_JoystickOpen(0);
  if (!s.joystick) {
    s.openFailed = true;
    s.lastFailedOpen = Clock::now();
    s.problem = QCoreApplication::translate("GamePort", "the joystick cannot be opened (%1); check the permissions of "
                               "/dev/input/event*")
                    .arg(sdlError());
    return;
  }
  s.openFailed = false;
  s.problem.clear();
}

void update(bool forceOpen) {
  State& s = state();
  if (!ensureStarted(forceOpen)) return;
  SDL_JoystickUpdate();
  if (s.joystick && !SDL_JoystickGetAttached(s.joystick)) {
    unwatch(s.joystick);
    SDL_JoystickClose(s.joystick);
    s.joystick = nullptr;
  }
  tryOpen(forceOpen);
  noteWaitSource(s.joystick);
}

}  // namespace

void Refresh() { update(false); }

int ReadButtons() {
  SDL_Joystick* joystick = state().joystick;
  if (!joystick) return 0xFF;
  const int buttons = SDL_JoystickNumButtons(joystick);
  int value = 0x0F;
  for (int i = 0; i < 4; ++i) {
    if (i >= buttons || SDL_JoystickGetButton(joystick, i) == 0) value |= 0x10 << i;
  }
  return value;
}

QString Problem() {
  update(true);
  return state().problem;
}

QString Description() {
  update(true);
  SDL_Joystick* joystick = state().joystick;
  if (!joystick) return QCoreApplication::translate("GamePort", "no joystick");
  const char* name = SDL_JoystickName(joystick);
  return name ? QString::fromUtf8(name) : QStringLiteral("joystick");
}

void Close() {
  State& s = state();
  // Another part of the program may already have shut SDL down, which
  // closes every joystick with it.
  const bool alive = SDL_WasInit(SDL_INIT_JOYSTICK) != 0;
  s.watches.clear();
  for (auto& [index, joystick] : s.extra)
    if (joystick && alive) SDL_JoystickClose(joystick);
  s.extra.clear();
  if (s.joystick && alive) SDL_JoystickClose(s.joystick);
  s.joystick = nullptr;
  if (s.started && alive) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  s.started = false;
  s.openFailed = false;
  s.startFailed = false;
  s.problem.clear();
}

namespace {

// Joystick `joystick` (1-based), opened on first use; nullptr when absent.
SDL_Joystick* extraJoystick(int joystick) {
  State& s = state();
  if (joystick < 1 || !ensureStarted(false)) return nullptr;
  const int index = joystick - 1;
  SDL_Joystick*& j = s.extra[index];
  if (j && !SDL_JoystickGetAttached(j)) {
    // The game port may have the same joystick open; SDL counts the opens.
    if (j != s.joystick) unwatch(j);
    SDL_JoystickClose(j);
    j = nullptr;
  }
  if (!j && index < SDL_NumJoysticks()) j = SDL_JoystickOpen(index);
  return j;
}

}  // namespace

int ReadJoystickButton(int joystick, int button) {
  if (!ensureStarted(false)) return -1;
  SDL_JoystickUpdate();
  SDL_Joystick* j = extraJoystick(joystick);
  noteWaitSource(j);
  if (!j || button < 1 || button > SDL_JoystickNumButtons(j)) return -1;
  return SDL_JoystickGetButton(j, button - 1) != 0 ? 1 : 0;
}

std::pair<int, int> FirstPressedJoystickButton() {
  if (!ensureStarted(false)) return {0, 0};
  SDL_JoystickUpdate();
  const int count = SDL_NumJoysticks();
  for (int n = 1; n <= count; ++n) {
    SDL_Joystick* j = extraJoystick(n);
    if (!j) continue;
    for (int b = 0; b < SDL_JoystickNumButtons(j); ++b)
      if (SDL_JoystickGetButton(j, b) != 0) return {n, b + 1};
  }
  return {0, 0};
}

QString JoystickName(int joystick) {
  SDL_Joystick* j = extraJoystick(joystick);
  if (!j) return {};
  const char* name = SDL_JoystickName(j);
  return name ? QString::fromUtf8(name) : QStringLiteral("joystick");
}

}  // namespace platform::gameport
