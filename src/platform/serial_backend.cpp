#include "platform/serial_backend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>

#include <cerrno>
#include <sys/ioctl.h>

namespace platform {
namespace {

// Splits "ttyUSB12" into ("ttyUSB", 12); a name without a trailing number
// gets -1.
std::pair<QString, long> splitTrailingNumber(const QString& name) {
  qsizetype i = name.size();
  while (i > 0 && name.at(i - 1).isDigit()) --i;
  if (i == name.size()) return {name, -1};
  return {name.left(i), name.mid(i).toLong()};
}

bool naturalLess(const QString& a, const QString& b) {
  const auto [pa, na] = splitTrailingNumber(a);
  const auto [pb, nb] = splitTrailingNumber(b);
  if (pa != pb) return pa < pb;
  if (na != nb) return na < nb;
  return a < b;
}

// Names of the ttys the kernel writes its console to.
QStringList consoleNames() {
  QStringList names;
  QFile consoles(QStringLiteral("/proc/consoles"));
  if (consoles.open(QIODevice::ReadOnly | QIODevice::Text)) {
    const QList<QByteArray> lines = consoles.readAll().split('\n');
    for (const QByteArray& line : lines) {
      const QByteArray name = line.trimmed().split(' ').value(0);
      if (!name.isEmpty()) names << QString::fromLatin1(name);
    }
  }
  return names;
}

bool isConsole(const QString& portName, const QStringList& consoles) {
  if (consoles.contains(portName)) return true;
  QFile flag(QStringLiteral("/sys/class/tty/%1/console").arg(portName));
  if (flag.open(QIODevice::ReadOnly)) return flag.readAll().trimmed() == "Y";
  return false;
}

class QtSerialLine final : public SerialLine {
public:
  explicit QtSerialLine(std::unique_ptr<QSerialPort> port) : port_(std::move(port)), fd_(port_->handle()) {}
  ~QtSerialLine() override { port_->close(); }

  bool setOutputs(bool rts, bool dtr, QString& problem) override {
    port_->clearError();
    const bool ok = port_->setRequestToSend(rts) && port_->setDataTerminalReady(dtr);
    if (!ok) problem = failure(QCoreApplication::translate("SerialBackend", "cannot set the RTS and DTR lines"));
    return ok;
  }

  bool readInputs(ModemLines& lines, QString& problem) override {
    port_->clearError();
    const QSerialPort::PinoutSignals pins = port_->pinoutSignals();
    if (port_->error() != QSerialPort::NoError) {
      problem = failure(QCoreApplication::translate("SerialBackend", "cannot read the modem lines"));
      return false;
    }
    lines.dcd = pins.testFlag(QSerialPort::DataCarrierDetectSignal);
    lines.ri = pins.testFlag(QSerialPort::RingIndicatorSignal);
    lines.dsr = pins.testFlag(QSerialPort::DataSetReadySignal);
    lines.cts = pins.testFlag(QSerialPort::ClearToSendSignal);
    return true;
  }

  // The kernel's wait for a modem-line change. Only the descriptor is used
  // here, never the QSerialPort, which belongs to the main thread.
  LineWait waitForCarrierChange() override {
    if (fd_ < 0) return LineWait::Unsupported;
    if (::ioctl(fd_, TIOCMIWAIT, TIOCM_CD) == 0) return LineWait::Changed;
    switch (errno) {
      case EINTR: return LineWait::Interrupted;
      case EIO: case ENODEV: case ENXIO: case EBADF: return LineWait::Failed;
      default: return LineWait::Unsupported;  // EINVAL, ENOTTY: the driver has no such wait
    }
  }

private:
  QString failure(const QString& what) const {
    if (port_->error() == QSerialPort::ResourceError)
      return QCoreApplication::translate("SerialBackend", "%1 was disconnected").arg(port_->portName());
    return QStringLiteral("%1: %2 (%3)").arg(port_->portName(), what, port_->errorString());
  }

  std::unique_ptr<QSerialPort> port_;
  const int fd_;
};

}  // namespace

std::vector<SerialDeviceInfo> OrderComDevices(std::vector<SerialDeviceInfo> devices) {
  std::stable_sort(devices.begin(), devices.end(),
                   [](const SerialDeviceInfo& a, const SerialDeviceInfo& b) {
                     if (a.usb != b.usb) return a.usb;
                     return naturalLess(a.location, b.location);
                   });
  return devices;
}

QString DescribeOpenFailure(const QString& location, int serialPortError, const QString& detail) {
  switch (serialPortError) {
    case QSerialPort::PermissionError: {
      const QString group = QFileInfo(location).group();
      if (!group.isEmpty() && group != QLatin1String("root"))
        return QCoreApplication::translate("SerialBackend", "%1: no permission. Add the user to the \"%2\" group and log in again.")
            .arg(location, group);
      return QCoreApplication::translate("SerialBackend", "%1: no permission (or the port is in use by another program).")
          .arg(location);
    }
    case QSerialPort::DeviceNotFoundError:
      return QCoreApplication::translate("SerialBackend", "%1 is not there any more (unplugged?).").arg(location);
    default:
      return QCoreApplication::translate("SerialBackend", "%1 cannot be opened: %2").arg(location, detail);
  }
}

std::vector<SerialDeviceInfo> QtSerialBackend::devices() {
  const QStringList nodes = QDir(QStringLiteral("/dev"))
                                .entryList({QStringLiteral("tty*"), QStringLiteral("rfcomm*")},
                                           QDir::System | QDir::Files | QDir::NoDotAndDotDot,
                                           QDir::Name);
  if (listed_ && nodes == nodes_) return list_;
  std::vector<SerialDeviceInfo> list;
  const QStringList consoles = consoleNames();
  const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
  for (const QSerialPortInfo& info : ports) {
    if (isConsole(info.portName(), consoles)) continue;
    SerialDeviceInfo d;
    d.location = info.systemLocation();
    d.description = info.description();
    if (d.description.isEmpty()) d.description = info.manufacturer();
    d.usb = info.hasVendorIdentifier() || info.portName().startsWith(QLatin1String("ttyUSB")) ||
            info.portName().startsWith(QLatin1String("ttyACM"));
    list.push_back(std::move(d));
  }
  listed_ = true;
  nodes_ = nodes;
  list_ = list;
  return list;
}

std::unique_ptr<SerialLine> QtSerialBackend::open(const SerialDeviceInfo& device, QString& problem) {
  auto port = std::make_unique<QSerialPort>();
  port->setPortName(device.location);
  port->setFlowControl(QSerialPort::NoFlowControl);
  // The adapter sends no data; write-only keeps Qt from reading the line.
  if (!port->open(QIODevice::WriteOnly)) {
    problem = DescribeOpenFailure(device.location, port->error(), port->errorString());
    return nullptr;
  }
  return std::make_unique<QtSerialLine>(std::move(port));
}

}  // namespace platform
