#include "platform/port_io.h"

#include "platform/game_port.h"
#include "platform/input_wait.h"
#include "platform/serial_backend.h"
#include "platform/serial_watch.h"
#include "platform/shutdown.h"

#include <QCoreApplication>
#include <array>
#include <chrono>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kRetryInterval = std::chrono::seconds(2);

constexpr std::array<int, 5> kComBase = {0, 0x3F8, 0x2F8, 0x1F8, 0x0F8};
constexpr int kModemControl = 4;
constexpr int kModemStatus = 6;
constexpr int kGamePort = 0x201;

struct ComPort {
  bool mapped = false;
  SerialDeviceInfo device;
  std::unique_ptr<SerialLine> line;
  // Wakes the wait for input when carrier detect changes; destroyed
  // before the line (declared after it).
  std::unique_ptr<LineWatcher> watcher;
  QString problem;
  int modemControl = -1;  // last value written, -1 for none yet
  bool attempted = false;
  Clock::time_point lastAttempt{};
};

struct Ports {
  QtSerialBackend realBackend;
  SerialBackend* backend = &realBackend;
  std::array<ComPort, 5> com;  // [1..4]
  bool hookRegistered = false;
};

Ports& ports() {
  static Ports p;
  return p;
}

void noteAccess() {
  Ports& p = ports();
  if (!p.hookRegistered) {
    p.hookRegistered = true;
    addShutdownHook([] { ClosePorts(); });
  }
}

// The COM number (1..4) whose registers include this port, or 0.
int comOf(int port) {
  for (int n = 1; n <= 4; ++n)
    if (port >= kComBase[n] && port < kComBase[n] + 8) return n;
  return 0;
}

QString noDeviceProblem(int n) {
  return QCoreApplication::translate("PortIo", "no serial device for COM %1 (is the USB serial adapter plugged in?)")
      .arg(n);
}

// Stops the line's watcher, then closes the line. A watcher that cannot be
// stopped keeps the line it uses: both are left alone rather than freed
// under a running thread.
void closeLine(ComPort& c) {
  if (c.watcher && !c.watcher->stop()) {
    (void)c.watcher.release();
    (void)c.line.release();
  }
  c.watcher.reset();
  c.line.reset();
}

// The wait for input is told how to learn of a change of COM n's switch,
// each time the switch is read: a watcher thread wakes it (with a slow look
// as a safety net for a change that falls between two of the kernel's
// waits); a driver that cannot wait is looked at every millisecond; a
// device that is not there is looked for at the retry interval. Requests
// lapse when the switch is no longer read.
constexpr double kLinePollSeconds = 0.001;
constexpr double kSafetyNetSeconds = 0.5;

void noteWaitSources(ComPort& c) {
  if (!c.line) {
    SetInputPolling(PolledSource::SerialRetry, std::chrono::duration<double>(kRetryInterval).count());
    return;
  }
  if (!c.watcher) c.watcher = std::make_unique<LineWatcher>(*c.line);
  if (c.watcher->state() == LineWatcher::State::Watching)
    SetInputPolling(PolledSource::SerialSafetyNet, kSafetyNetSeconds);
  else
    SetInputPolling(PolledSource::SerialLine, kLinePollSeconds);
}

// Looks for the serial devices present and gives each COM number its
// device. A COM number whose device changed loses its open line.
void refreshMapping() {
  Ports& p = ports();
  const std::vector<SerialDeviceInfo> devices = OrderComDevices(p.backend->devices());
  for (int n = 1; n <= 4; ++n) {
    ComPort& c = p.com[n];
    const bool mapped = static_cast<size_t>(n) <= devices.size();
    const QString location = mapped ? devices[n - 1].location : QString();
    if (mapped == c.mapped && location == c.device.location) {
      if (mapped) c.device.description = devices[n - 1].description;
      continue;
    }
    closeLine(c);
    c.mapped = mapped;
    c.device = mapped ? devices[n - 1] : SerialDeviceInfo{};
    c.attempted = false;
    c.problem = mapped ? QString() : noDeviceProblem(n);
  }
}

void dropLine(ComPort& c, const QString& problem) {
  closeLine(c);
  c.problem = problem;
  c.attempted = true;
  c.lastAttempt = Clock::now();
}

void applyModemControl(ComPort& c) {
  if (!c.line || c.modemControl < 0) return;
  QString problem;
  if (!c.line->setOutputs((c.modemControl & 0x02) != 0, (c.modemControl & 0x01) != 0, problem))
    dropLine(c, problem);
}

// Opens COM n's device if it is not open. Without force, a device that
// failed is not tried again before the retry interval has passed.
bool ensureOpen(int n, bool force) {
  Ports& p = ports();
  ComPort& c = p.com[n];
  if (c.line) return true;
  if (!force && c.attempted && Clock::now() - c.lastAttempt < kRetryInterval) return false;
  refreshMapping();
  c.attempted = true;
  c.lastAttempt = Clock::now();
  if (!c.mapped) {
    c.problem = noDeviceProblem(n);
    return false;
  }
  QString problem;
  c.line = p.backend->open(c.device, problem);
  if (!c.line) {
    c.problem = problem.isEmpty() ? QCoreApplication::translate("PortIo", "%1 cannot be opened").arg(c.device.location)
                                  : problem;
    return false;
  }
  c.problem.clear();
  // A device opened again (plugged back in) gets the power it had.
  applyModemControl(c);
  return c.line != nullptr;
}

int readModemStatus(ComPort& c) {
  ModemLines lines;
  QString problem;
  if (!c.line->readInputs(lines, problem)) {
    dropLine(c, problem);
    return 0;
  }
  return (lines.dcd ? 0x80 : 0) | (lines.ri ? 0x40 : 0) | (lines.dsr ? 0x20 : 0) |
         (lines.cts ? 0x10 : 0);
}

}  // namespace

void agOutp(int port, int value) {
  noteAccess();
  value &= 0xFF;
  if (port == kGamePort) {
    gameport::Refresh();
    return;
  }
  const int n = comOf(port);
  if (n == 0 || port - kComBase[n] != kModemControl) return;
  ComPort& c = ports().com[n];
  c.modemControl = value & 0x1F;
  if (c.line)
    applyModemControl(c);
  else
    ensureOpen(n, true);
}

int agInp(int port) {
  noteAccess();
  if (port == kGamePort) return gameport::ReadButtons();
  const int n = comOf(port);
  if (n == 0) return 0xFF;
  ComPort& c = ports().com[n];
  switch (port - kComBase[n]) {
    case kModemControl:
      return c.modemControl < 0 ? 0 : c.modemControl;
    case kModemStatus: {
      if (!ensureOpen(n, false)) {
        noteWaitSources(c);
        return 0;
      }
      // The watcher starts before this reading, so a change after it wakes
      // the next wait.
      noteWaitSources(c);
      const int status = readModemStatus(c);
      if (!c.line) noteWaitSources(c);
      return status;
    }
    default:
      return 0xFF;
  }
}

QString ComPortDescription(int n) {
  if (n < 1 || n > 4) return {};
  refreshMapping();
  const ComPort& c = ports().com[n];
  if (!c.mapped) return QCoreApplication::translate("PortIo", "no serial device");
  if (c.device.description.isEmpty()) return c.device.location;
  return QStringLiteral("%1 (%2)").arg(c.device.location, c.device.description);
}

QString GamePortDescription() { return gameport::Description(); }

QString PortProblem(int device) {
  if (device == 5) return gameport::Problem();
  if (device < 1 || device > 4) return {};
  ComPort& c = ports().com[device];
  if (ensureOpen(device, true)) readModemStatus(c);  // a line that opens may still not read
  return c.problem;
}

void ClosePorts() {
  Ports& p = ports();
  for (ComPort& c : p.com) {
    closeLine(c);
    c.attempted = false;
  }
  gameport::Close();
}

void installSerialBackend(SerialBackend* backend) {
  Ports& p = ports();
  for (ComPort& c : p.com) {
    closeLine(c);
    c = ComPort{};
  }
  p.backend = backend ? backend : &p.realBackend;
}

}  // namespace platform
