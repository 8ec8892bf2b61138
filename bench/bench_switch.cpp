// Cost of one switch reading, the thing the session's waiting loops do on
// every pass.
//
//   cmake -S . -B build -DBRUSHWELL_BENCHMARKS=ON
//   cmake --build build --target bench_switch && build/bench/bench_switch
//
// The serial line is a pseudo-terminal: it opens like a serial device, but
// has no modem lines, so its reading fails after the same system call a
// real port makes (and so the adapter then treats it as unreadable).

#include "input/input_flags.h"
#include "input/switch_adapter.h"
#include "platform/port_io.h"
#include "platform/serial_backend.h"
#include "settings/settings_record.h"

#include <QCoreApplication>
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <pty.h>
#include <unistd.h>

namespace {

struct Pty {
  int master = -1;
  int slave = -1;
  QString name;
  Pty() {
    char path[128] = {};
    if (openpty(&master, &slave, path, nullptr, nullptr) == 0) name = QString::fromLatin1(path);
  }
  ~Pty() {
    if (slave >= 0) close(slave);
    if (master >= 0) close(master);
  }
};

// The real backend, with the pseudo-terminal as the only device.
class PtyBackend : public platform::QtSerialBackend {
public:
  explicit PtyBackend(QString location) : location_(std::move(location)) {}
  std::vector<platform::SerialDeviceInfo> devices() override {
    return {{location_, QStringLiteral("pseudo-terminal"), true}};
  }

private:
  QString location_;
};

// One QSerialPort modem-line read (TIOCMGET) on an open line.
void BM_SerialLineRead(benchmark::State& state) {
  Pty pty;
  if (pty.name.isEmpty()) return state.SkipWithError("openpty failed");
  platform::QtSerialBackend backend;
  QString problem;
  auto line = backend.open({pty.name, {}, false}, problem);
  if (!line) return state.SkipWithError(problem.toLocal8Bit().constData());
  platform::ModemLines lines;
  bool ok = true;
  for (auto _ : state) {
    ok = line->readInputs(lines, problem);
    benchmark::DoNotOptimize(lines);
  }
  state.SetLabel(ok ? "lines read" : "pty has no modem lines: " + problem.toStdString());
}
BENCHMARK(BM_SerialLineRead);

// ReadSwitch on COM 1 mapped to a device that opens but cannot be read:
// the poll returns "open" and retries the device every two seconds.
void BM_ReadSwitch_ComUnreadable(benchmark::State& state) {
  Pty pty;
  if (pty.name.isEmpty()) return state.SkipWithError("openpty failed");
  PtyBackend backend(pty.name);
  platform::installSerialBackend(&backend);
  settings::SettingsRecord.InputDevice = 1;
  input::PowerComAdapter(1);
  for (auto _ : state) benchmark::DoNotOptimize(input::ReadSwitch());
  platform::installSerialBackend(nullptr);
}
BENCHMARK(BM_ReadSwitch_ComUnreadable);

// ReadSwitch on COM 4 with the real device list (no adapter on this machine).
void BM_ReadSwitch_ComAbsent(benchmark::State& state) {
  platform::installSerialBackend(nullptr);
  settings::SettingsRecord.InputDevice = 4;
  input::PowerComAdapter(4);
  for (auto _ : state) benchmark::DoNotOptimize(input::ReadSwitch());
  state.SetLabel(platform::ComPortDescription(4).toStdString());
}
BENCHMARK(BM_ReadSwitch_ComAbsent);

// Listing the serial devices when no tty node has come or gone: what a
// retry of an absent or failed device costs every two seconds.
void BM_ListSerialDevices_Unchanged(benchmark::State& state) {
  platform::QtSerialBackend backend;
  size_t count = backend.devices().size();
  for (auto _ : state) count = backend.devices().size();
  state.SetLabel(std::to_string(count) + " devices");
}
BENCHMARK(BM_ListSerialDevices_Unchanged);

// Listing them afresh: the first time, and after a device was plugged in.
void BM_ListSerialDevices_Fresh(benchmark::State& state) {
  size_t count = 0;
  for (auto _ : state) {
    platform::QtSerialBackend backend;
    count = backend.devices().size();
  }
  state.SetLabel(std::to_string(count) + " devices");
}
BENCHMARK(BM_ListSerialDevices_Fresh)->Unit(benchmark::kMillisecond);

// ReadSwitch on the game port with a virtual joystick, button 1 held.
void BM_ReadSwitch_GamePort(benchmark::State& state) {
  SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return state.SkipWithError(SDL_GetError());
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 0);
  SDL_Joystick* pad = SDL_JoystickOpen(index);
  SDL_JoystickSetVirtualButton(pad, 0, 1);
  settings::SettingsRecord.InputDevice = 5;
  input::ResetGamePort();
  int16_t pressed = 0;
  for (auto _ : state) pressed = input::ReadSwitch();
  state.SetLabel(pressed == 1 ? "pressed" : "NOT pressed");
  platform::ClosePorts();
  SDL_JoystickDetachVirtual(index);
  SDL_JoystickClose(pad);
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
BENCHMARK(BM_ReadSwitch_GamePort);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
