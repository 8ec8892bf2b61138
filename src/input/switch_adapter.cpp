#include "input/switch_adapter.h"

#include "input/input_flags.h"
#include "platform/host.h"
#include "platform/port_io.h"
#include "settings/settings_record.h"

#include <QCoreApplication>
#include <array>

namespace input {
namespace {

constexpr std::array<int, 5> kComBase = {0, 0x3F8, 0x2F8, 0x1F8, 0x0F8};
constexpr int kGamePort = 0x201;
constexpr int kCarrierDetect = 0x80;
constexpr int kFirstButton = 0x10;

bool isCom(int16_t n) { return n >= 1 && n <= 4; }

// The problem last told to the carer, per device 1..5.
std::array<QString, 6>& reportedProblems() {
  static std::array<QString, 6> problems;
  return problems;
}

QString deviceCaption(int16_t device) {
  if (device == 5) return QCoreApplication::translate("SwitchAdapter", "Adapter in Joystick (Game) Port");
  return QCoreApplication::translate("SwitchAdapter", "Adapter in COM %1").arg(device);
}

}  // namespace

void PowerComAdapter(int16_t n) {
  if (isCom(n)) platform::agOutp(kComBase[n] + 4, 2);
}

void ResetGamePort() { platform::agOutp(kGamePort, 0); }

int16_t ReadComSwitch(int16_t n) {
  SwitchPressed = 0;
  if (isCom(n) && (platform::agInp(kComBase[n] + 6) & kCarrierDetect) != 0) SwitchPressed = 1;
  return SwitchPressed;
}

int16_t ReadGamePortSwitch() {
  platform::agOutp(kGamePort, 0);
  SwitchPressed = (platform::agInp(kGamePort) & kFirstButton) == 0 ? 1 : 0;
  return SwitchPressed;
}

int16_t ReadSwitch() {
  const int16_t device = settings::SettingsRecord.InputDevice;
  if (isCom(device))
    SwitchPressed = ReadComSwitch(device);
  else if (device == 5)
    SwitchPressed = ReadGamePortSwitch();
  return SwitchPressed;
}

QString SwitchDeviceDescription(int16_t device) {
  if (isCom(device)) return platform::ComPortDescription(device);
  if (device == 5) return platform::GamePortDescription();
  return {};
}

bool ReportSwitchProblem(int16_t device) {
  if (!isCom(device) && device != 5) return false;
  const QString problem = platform::PortProblem(device);
  QString& reported = reportedProblems()[device];
  if (problem.isEmpty() || problem == reported) {
    reported = problem;
    return false;
  }
  reported = problem;
  platform::message(QCoreApplication::translate("SwitchAdapter", "The switch on \"%1\" cannot be read:\n%2\n"
                                   "Until this is put right the switch reads as not pressed.")
                        .arg(deviceCaption(device), problem),
                    platform::MessageIcon::Exclamation);
  return true;
}

}  // namespace input
