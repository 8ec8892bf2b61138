// The serial switch adapter over a scripted serial backend: register
// emulation, COM numbering, readings, and what happens when a port is
// absent, refused or unplugged.

#include "input/input_flags.h"
#include "input/switch_adapter.h"
#include "platform/port_io.h"
#include "platform/serial_backend.h"
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
  bool readFails = false;
  ModemLines lines;
  bool rts = false;
  bool dtr = false;
  int opens = 0;
  int reads = 0;
  int writes = 0;

  void setStatus(int byte) {
    lines.dcd = byte & 0x80;
    lines.ri = byte & 0x40;
    lines.dsr = byte & 0x20;
    lines.cts = byte & 0x10;
  }
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
  bool readInputs(ModemLines& lines, QString& problem) override {
    ++d_->reads;
    if (d_->readFails) {
      problem = d_->info.location + QStringLiteral(" was disconnected");
      return false;
    }
    lines = d_->lines;
    return true;
  }

private:
  std::shared_ptr<FakeDevice> d_;
};

class FakeBackend : public platform::SerialBackend {
public:
  std::vector<std::shared_ptr<FakeDevice>> present;
  int enumerations = 0;

  std::shared_ptr<FakeDevice> add(const QString& location, bool usb = true) {
    auto d = std::make_shared<FakeDevice>();
    d->info = {location, QStringLiteral("test adapter"), usb};
    present.push_back(d);
    return d;
  }
  std::vector<SerialDeviceInfo> devices() override {
    ++enumerations;
    std::vector<SerialDeviceInfo> list;
    for (const auto& d : present) list.push_back(d->info);
    return list;
  }
  std::unique_ptr<platform::SerialLine> open(const SerialDeviceInfo& info,
                                             QString& problem) override {
    for (const auto& d : present) {
      if (d->info.location != info.location) continue;
      ++d->opens;
      if (!d->openProblem.isEmpty()) {
        problem = d->openProblem;
        return nullptr;
      }
      return std::make_unique<FakeLine>(d);
    }
    problem = info.location + QStringLiteral(" is not there any more");
    return nullptr;
  }
};

class SerialAdapter : public ::testing::Test {
protected:
  void SetUp() override {
    platform::installSerialBackend(&backend);
    settings::SettingsRecord = settings::DefaultSettings();
    input::SwitchPressed = 0;
  }
  void TearDown() override { platform::installSerialBackend(nullptr); }

  FakeBackend backend;
  testing_support::ScriptedHost host;
};

TEST_F(SerialAdapter, ModemRegistersMapToTheSerialLines) {
  auto dev = backend.add(QStringLiteral("/dev/ttyUSB0"));

  platform::agOutp(0x3FC, 2);
  EXPECT_TRUE(dev->rts);
  EXPECT_FALSE(dev->dtr);
  platform::agOutp(0x3FC, 0x101);  // only the low byte counts
  EXPECT_FALSE(dev->rts);
  EXPECT_TRUE(dev->dtr);
  EXPECT_EQ(platform::agInp(0x3FC), 1);

  // Carrier detect, ring, data set ready and clear to send, each on its own bit.
  for (int status : {0xF0, 0x80, 0x40, 0x20, 0x10, 0x00}) {
    dev->setStatus(status);
    EXPECT_EQ(platform::agInp(0x3FE), status);
  }

  // Other UART registers and unknown ports: reads 0xFF, writes go nowhere.
  const int writes = dev->writes;
  const int reads = dev->reads;
  platform::agOutp(0x3F8, 0x41);
  platform::agOutp(0x300, 2);
  platform::agOutp(0x2E8 + 4, 2);  // the usual COM 4 address is not ours
  EXPECT_EQ(platform::agInp(0x3FD), 0xFF);
  EXPECT_EQ(platform::agInp(0x300), 0xFF);
  EXPECT_EQ(dev->writes, writes);
  EXPECT_EQ(dev->reads, reads);
  EXPECT_EQ(dev->opens, 1);  // opened once and kept open
}

TEST_F(SerialAdapter, ComNumbersPutUsbAdaptersFirstInNaturalOrder) {
  auto s1 = backend.add(QStringLiteral("/dev/ttyS1"), false);
  auto s0 = backend.add(QStringLiteral("/dev/ttyS0"), false);
  auto usb10 = backend.add(QStringLiteral("/dev/ttyUSB10"));
  auto usb2 = backend.add(QStringLiteral("/dev/ttyUSB2"));

  input::PowerComAdapter(1);
  input::PowerComAdapter(2);
  input::PowerComAdapter(3);
  EXPECT_TRUE(usb2->rts);
  EXPECT_TRUE(usb10->rts);
  EXPECT_TRUE(s0->rts);
  EXPECT_FALSE(s1->rts);

  EXPECT_EQ(platform::ComPortDescription(1), QStringLiteral("/dev/ttyUSB2 (test adapter)"));
  EXPECT_EQ(platform::ComPortDescription(4), QStringLiteral("/dev/ttyS1 (test adapter)"));
  backend.present.pop_back();
  backend.present.pop_back();
  EXPECT_EQ(platform::ComPortDescription(3), QStringLiteral("no serial device"));
}

TEST_F(SerialAdapter, Com3PowersUpAndReadsCarrierDetectOnly) {
  backend.add(QStringLiteral("/dev/ttyUSB0"));
  backend.add(QStringLiteral("/dev/ttyUSB1"));
  auto com3 = backend.add(QStringLiteral("/dev/ttyUSB2"));
  settings::SettingsRecord.InputDevice = 3;

  input::PowerComAdapter(3);
  EXPECT_TRUE(com3->rts);
  EXPECT_FALSE(com3->dtr);

  com3->setStatus(0x80);
  EXPECT_EQ(input::ReadSwitch(), 1);
  com3->setStatus(0xB0);
  EXPECT_EQ(input::ReadSwitch(), 1);
  EXPECT_EQ(input::SwitchPressed, 1);
  com3->setStatus(0x70);
  EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_EQ(input::SwitchPressed, 0);

  // Held closed: every poll reads the line afresh and reports it pressed.
  com3->setStatus(0x80);
  const int reads = com3->reads;
  for (int i = 0; i < 3; ++i) {
    input::SwitchPressed = 0;
    EXPECT_EQ(input::ReadSwitch(), 1);
  }
  EXPECT_EQ(com3->reads, reads + 3);
}

TEST_F(SerialAdapter, NonPortDevicesTouchNoPort) {
  auto dev = backend.add(QStringLiteral("/dev/ttyUSB0"));
  dev->setStatus(0x80);
  const long long before = platform::PortAccessCount();
  for (int16_t device : {6, 0, 7}) {
    settings::SettingsRecord.InputDevice = device;
    input::PowerComAdapter(device);
    input::SwitchPressed = 1;
    EXPECT_EQ(input::ReadSwitch(), 1) << device;
    input::SwitchPressed = 0;
    EXPECT_EQ(input::ReadSwitch(), 0) << device;
  }
  input::PowerComAdapter(5);  // the game port is not a COM adapter
  EXPECT_EQ(input::ReadComSwitch(5), 0);
  EXPECT_EQ(platform::PortAccessCount(), before);
  EXPECT_EQ(backend.enumerations, 0);
  EXPECT_EQ(dev->opens, 0);
}

TEST_F(SerialAdapter, AbsentPortReadsOpenAndIsToldOnceUntilPluggedIn) {
  settings::SettingsRecord.InputDevice = 2;
  input::PowerComAdapter(2);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(input::ReadSwitch(), 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_LE(backend.enumerations, 2);  // polls do not search for devices each time

  EXPECT_TRUE(input::ReportSwitchProblem(2));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("\"Adapter in COM 2\"")));
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("no serial device for COM 2")));
  EXPECT_FALSE(input::ReportSwitchProblem(2));
  EXPECT_EQ(host.messages.size(), 1u);

  // The carer plugs in two adapters and chooses COM 2 again: the second one
  // gets the power it was given before and the switch works.
  backend.add(QStringLiteral("/dev/ttyUSB0"));
  auto com2 = backend.add(QStringLiteral("/dev/ttyUSB1"));
  com2->setStatus(0x80);
  EXPECT_FALSE(input::ReportSwitchProblem(2));
  EXPECT_TRUE(com2->rts);
  EXPECT_FALSE(com2->dtr);
  EXPECT_EQ(input::ReadSwitch(), 1);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(SerialAdapter, RefusedOrUnpluggedPortReadsOpenAndSaysWhy) {
  auto refused = backend.add(QStringLiteral("/dev/ttyUSB0"));
  refused->openProblem = QStringLiteral("/dev/ttyUSB0: no permission. Add the user to the "
                                        "\"dialout\" group and log in again.");
  auto com2 = backend.add(QStringLiteral("/dev/ttyUSB1"));
  refused->setStatus(0x80);
  com2->setStatus(0x80);

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
