// The serial switch adapter over a scripted serial backend (register emulation, COM
// numbering, readings, absent, refused or unplugged ports) and the real backend on a pty.

#include "input/input_flags.h"
#include "input/poll.h"
#include "input/switch_adapter.h"
#include "input/switch_inputs.h"
#include "platform/port_io.h"
#include "platform/serial_backend.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"
#include "support/scripted_host.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>
#include <memory>

namespace {

using platform::ModemLines;
using platform::SerialDeviceInfo;

struct FakeDevice {
  SerialDeviceInfo info;
  QString openProblem;  // refuses to open with this problem when set
  bool readFails = false, rts = false, dtr = false;
  int status = 0;  // the modem status lines, as the register bits DCD 0x80, RI 0x40, DSR 0x20, CTS 0x10
  int opens = 0, reads = 0, writes = 0;
};

class FakeLine : public platform::SerialLine {
public:
  explicit FakeLine(std::shared_ptr<FakeDevice> d) : d_(std::move(d)) {}
  bool setOutputs(bool rts, bool dtr, QString&) override {
    ++d_->writes;
    d_->rts = rts;
    d_->dtr = dtr;
    return true;
  }
  // A failed read still fills the lines: the emulation must not use them.
  bool readInputs(ModemLines& lines, QString& problem) override {
    ++d_->reads;
    if (d_->readFails) problem = d_->info.location + QStringLiteral(" was disconnected");
    const int s = d_->status;
    lines = {(s & 0x80) != 0, (s & 0x40) != 0, (s & 0x20) != 0, (s & 0x10) != 0};
    return !d_->readFails;
  }

private:
  std::shared_ptr<FakeDevice> d_;
};

// The fixture is the serial backend: the devices in `present` are plugged in.
class SerialAdapter : public ::testing::Test, public platform::SerialBackend {
protected:
  void SetUp() override {
    platform::installSerialBackend(this);
    settings::SettingsRecord = settings::DefaultSettings();
    input::SwitchPressed = 0;
  }
  void TearDown() override { platform::installSerialBackend(nullptr); }

  std::vector<SerialDeviceInfo> devices() override {
    ++enumerations;
    std::vector<SerialDeviceInfo> list;
    for (const auto& d : present) list.push_back(d->info);
    return list;
  }
  std::unique_ptr<platform::SerialLine> open(const SerialDeviceInfo& info, QString& problem) override {
    for (const auto& d : present) {
      if (d->info.location != info.location) continue;
      ++d->opens;
      problem = d->openProblem;
      return problem.isEmpty() ? std::make_unique<FakeLine>(d) : nullptr;
    }
    problem = info.location + QStringLiteral(" is not there any more");
    return nullptr;
  }
  std::shared_ptr<FakeDevice> add(const char* location, bool usb = true) {
    present.push_back(std::make_shared<FakeDevice>());
    present.back()->info = {QString::fromLatin1(location), QStringLiteral("test adapter"), usb};
    return present.back();
  }

  std::vector<std::shared_ptr<FakeDevice>> present;
  int enumerations = 0;
  testing_support::ScriptedHost host;
};

TEST_F(SerialAdapter, ModemRegistersMapToTheSerialLines) {
  auto dev = add("/dev/ttyUSB0");
  platform::agOutp(0x3FC, 2);
  EXPECT_TRUE(dev->rts);
  EXPECT_FALSE(dev->dtr);
  platform::agOutp(0x3FC, 0x101);  // only the low byte counts
  EXPECT_FALSE(dev->rts);
  EXPECT_TRUE(dev->dtr);
  EXPECT_EQ(platform::agInp(0x3FC), 1);

  // Carrier detect, ring, data set ready and clear to send, each on its own bit.
  for (int status : {0xF0, 0x80, 0x40, 0x20, 0x10, 0x00}) {
    dev->status = status;
    EXPECT_EQ(platform::agInp(0x3FE), status);
  }

  // Other UART registers and unknown ports: reads 0xFF, writes go nowhere.
  const int writes = dev->writes, reads = dev->reads;
  platform::agOutp(0x3F8, 0x41);
  platform::agOutp(0x300, 2);
  platform::agOutp(0x2E8 + 4, 2);  // the usual COM 4 address is not ours
  EXPECT_EQ(platform::agInp(0x3FD), 0xFF);
  EXPECT_EQ(platform::agInp(0x300), 0xFF);
  EXPECT_EQ(dev->writes, writes);
  EXPECT_EQ(dev->reads, reads);
  EXPECT_EQ(dev->opens, 1);  // opened once and kept open
}

TEST_F(SerialAdapter, ComNumbersPutUsbAdaptersFirstAndTheSwitchIsCarrierDetectOnly) {
  auto s1 = add("/dev/ttyS1", false);
  auto s0 = add("/dev/ttyS0", false);
  auto usb10 = add("/dev/ttyUSB10");
  auto usb2 = add("/dev/ttyUSB2");
  for (int16_t n : {1, 2, 3}) input::PowerComAdapter(n);
  EXPECT_TRUE(usb2->rts && usb10->rts && s0->rts);
  EXPECT_FALSE(s1->rts || s0->dtr);
  EXPECT_EQ(platform::ComPortDescription(1), QStringLiteral("/dev/ttyUSB2 (test adapter)"));
  EXPECT_EQ(platform::ComPortDescription(4), QStringLiteral("/dev/ttyS1 (test adapter)"));

  // COM 3 is ttyS0. Held closed, every poll reads the line afresh and reports it pressed.
  settings::SettingsRecord.InputDevice = 3;
  const std::pair<int, int16_t> readings[] = {{0x80, 1}, {0xB0, 1}, {0x70, 0}, {0x80, 1}, {0x80, 1}, {0x80, 1}};
  for (const auto& [status, pressed] : readings) {
    s0->status = status;
    input::SwitchPressed = int16_t(1 - pressed);
    const int reads = s0->reads;
    EXPECT_EQ(input::ReadSwitch(), pressed) << status;
    EXPECT_EQ(input::SwitchPressed, pressed) << status;
    EXPECT_EQ(s0->reads, reads + 1);
  }
  present.resize(2);  // the USB adapters are unplugged
  EXPECT_EQ(platform::ComPortDescription(3), QStringLiteral("no serial device"));
}

TEST_F(SerialAdapter, NonPortDevicesTouchNoPort) {
  auto dev = add("/dev/ttyUSB0");
  dev->status = 0x80;
  for (int16_t device : {6, 0, 7, 5}) {  // keys and mouse, out of range, the game port
    settings::SettingsRecord.InputDevice = device;
    input::PowerComAdapter(device);
    input::SwitchPressed = 1;
    if (device != 5) {
      EXPECT_EQ(input::ReadSwitch(), 1) << device;
    }
  }
  EXPECT_EQ(input::ReadComSwitch(5), 0);
  EXPECT_EQ(enumerations, 0);
  EXPECT_EQ(dev->opens, 0);
}

TEST_F(SerialAdapter, AbsentPortReadsOpenAndIsToldOnceUntilPluggedIn) {
  settings::SettingsRecord.InputDevice = 2;
  input::PowerComAdapter(2);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_LE(enumerations, 2);  // polls do not search for devices each time

  EXPECT_TRUE(input::ReportSwitchProblem(2));
  EXPECT_FALSE(input::ReportSwitchProblem(2));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, QStringLiteral("The switch on \"Adapter in COM 2\" cannot be read:\n"
                                                  "no serial device for COM 2 (is the USB serial adapter plugged in?)\n"
                                                  "Until this is put right the switch reads as not pressed."));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Exclamation);

  // The carer plugs in two adapters and chooses COM 2 again: the second one
  // gets the power it was given before and the switch works.
  add("/dev/ttyUSB0");
  auto com2 = add("/dev/ttyUSB1");
  com2->status = 0x80;
  EXPECT_FALSE(input::ReportSwitchProblem(2));
  EXPECT_TRUE(com2->rts);
  EXPECT_FALSE(com2->dtr);
  EXPECT_EQ(input::ReadSwitch(), 1);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(SerialAdapter, RefusedOrUnpluggedPortReadsOpenAndSaysWhy) {
  auto refused = add("/dev/ttyUSB0");
  refused->openProblem = QStringLiteral("/dev/ttyUSB0: no permission. Add the user to the "
                                        "\"dialout\" group and log in again.");
  auto com2 = add("/dev/ttyUSB1");
  refused->status = com2->status = 0x80;

  settings::SettingsRecord.InputDevice = 1;
  input::PowerComAdapter(1);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_EQ(refused->opens, 1);  // not hammered on every poll
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(input::ReportSwitchProblem(1));
  EXPECT_TRUE(host.messages.back().text.contains(QStringLiteral("dialout")));

  settings::SettingsRecord.InputDevice = 2;
  input::PowerComAdapter(2);
  EXPECT_EQ(input::ReadSwitch(), 1);
  com2->readFails = true;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(platform::PortProblem(2), QStringLiteral("/dev/ttyUSB1 was disconnected"));
  EXPECT_TRUE(input::ReportSwitchProblem(2));
  EXPECT_TRUE(host.messages.back().text.contains(QStringLiteral("disconnected")));
}

// The real backend on a pseudo-terminal: it opens like a serial device but
// has no modem lines, so the read must fail with a reason, not crash or hang.
TEST(QtSerialBackend, OpensATerminalAndExplainsWhatFails) {
  int master = -1, slave = -1;
  char name[128] = {};
  ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
  platform::QtSerialBackend backend;
  QString problem;
  auto line = backend.open({QString::fromLatin1(name), {}, false}, problem);
  ASSERT_NE(line, nullptr) << problem.toStdString();
  ModemLines lines;
  EXPECT_FALSE(line->readInputs(lines, problem));
  EXPECT_TRUE(problem.contains(QStringLiteral("modem lines"))) << problem.toStdString();
  line.reset();
  close(slave);
  close(master);

  EXPECT_EQ(backend.open({QStringLiteral("/dev/ttyUSB97"), {}, true}, problem), nullptr);
  EXPECT_TRUE(problem.contains(QStringLiteral("/dev/ttyUSB97"))) << problem.toStdString();
}

}  // namespace

namespace {

// The adapter's reading goes through the press filter in PollSwitch: at the
// standard timing a closed switch reads as pressed at every poll; with a
// hold time it counts once, when the hold reaches it, while still closed.
TEST_F(SerialAdapter, PollSwitchPassesTheReadingThroughThePressFilter) {
  auto dev = add("/dev/ttyUSB0");
  settings::SettingsRecord.InputDevice = 1;
  dev->status = 0x80;
  std::vector<int> readings;
  for (int acceptanceMs : {0, 300}) {
    settings::SwitchOptionsRecord = {};
    settings::SwitchOptionsRecord.AcceptanceMs = static_cast<int16_t>(acceptanceMs);
    input::ApplySwitchOptions();
    // Polls every 100 ms of virtual time for 0.5 s with the switch closed.
    readings.clear();
    for (int k = 0; k < 6; ++k) {
      input::PollSwitch();
      readings.push_back(input::SwitchPressed);
      host.clock += 0.1;
    }
    dev->status = 0;
    input::PollSwitch();
    dev->status = 0x80;
    const std::vector<int> expected =
        acceptanceMs == 0 ? std::vector<int>{1, 1, 1, 1, 1, 1} : std::vector<int>{0, 0, 0, 1, 0, 0};
    EXPECT_EQ(readings, expected) << acceptanceMs;
  }
  settings::SwitchOptionsRecord = {};
  input::ApplySwitchOptions();
}

}  // namespace
