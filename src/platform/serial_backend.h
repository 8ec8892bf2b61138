#pragma once
// Access to serial devices, behind a small interface so that the port
// emulation can run over a scripted backend in unit tests. The program uses
// QtSerialBackend (QSerialPort).

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QSerialPort;

namespace platform {

struct SerialDeviceInfo {
  QString location;     // e.g. "/dev/ttyUSB0"
  QString description;  // e.g. "FT232R USB UART"; may be empty
  bool usb = false;     // a USB serial adapter (ttyUSB, ttyACM)
};

// The four modem status lines of a serial device.
struct ModemLines {
  bool dcd = false;  // carrier detect: the switch of an adapter
  bool ri = false;
  bool dsr = false;
  bool cts = false;
};

// How a wait for a change of carrier detect ended.
enum class LineWait {
  Changed,      // the line may have changed
  Interrupted,  // interruptWait(), or a signal
  Unsupported,  // the driver cannot wait for line changes (a pty, ...)
  Failed,       // the device went away
};

// One opened serial device. Calls never block for long, except
// waitForCarrierChange; on failure they return false and describe the
// problem for the carer.
class SerialLine {
public:
  virtual ~SerialLine() = default;
  virtual bool setOutputs(bool rts, bool dtr, QString& problem) = 0;
  virtual bool readInputs(ModemLines& lines, QString& problem) = 0;
  // Called on a helper thread (see serial_watch.h): blocks until carrier
  // detect may have changed. It touches nothing but the device, so it may
  // run while the main thread reads the lines.
  virtual LineWait waitForCarrierChange() { return LineWait::Unsupported; }
  // From the main thread: makes a waitForCarrierChange under way return
  // soon (the watcher also sends its thread a signal, which ends a wait in
  // the kernel).
  virtual void interruptWait() {}
};

class SerialBackend {
public:
  virtual ~SerialBackend() = default;
  // The serial devices present now, in any order.
  virtual std::vector<SerialDeviceInfo> devices() = 0;
  // Opens a device; on failure returns nullptr and sets problem.
  virtual std::unique_ptr<SerialLine> open(const SerialDeviceInfo& device, QString& problem) = 0;
};

// The real backend: QSerialPortInfo for the list, QSerialPort for the lines.
// Ports that serve as the system console are left out of the list, so the
// program never reconfigures or toggles the machine's own console line.
// Listing the ports takes tens of milliseconds, so the list is kept and
// made again only when the tty nodes in /dev have changed (a glance at /dev
// costs well under a millisecond).
class QtSerialBackend : public SerialBackend {
public:
  std::vector<SerialDeviceInfo> devices() override;
  std::unique_ptr<SerialLine> open(const SerialDeviceInfo& device, QString& problem) override;

private:
  bool listed_ = false;
  QStringList nodes_;
  std::vector<SerialDeviceInfo> list_;
};

// Orders devices for COM 1, COM 2, ...: USB adapters first (a plugged-in
// adapter is what carers use today, and the built-in ttyS nodes exist on
// most PCs even without a connector), then the rest; within each group by
// name, numbers compared as numbers (ttyS2 before ttyS10).
std::vector<SerialDeviceInfo> OrderComDevices(std::vector<SerialDeviceInfo> devices);

// A carer-readable reason why a serial device could not be opened.
QString DescribeOpenFailure(const QString& location, int serialPortError, const QString& detail);

}  // namespace platform
