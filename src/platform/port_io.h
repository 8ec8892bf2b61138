#pragma once
// Byte-wide I/O port access for switch adapters, emulated on today's
// devices. The program addresses the registers of the old PC hardware; they
// are mapped as follows.
//
// Serial ports COM 1..4 at 0x3F8, 0x2F8, 0x1F8 and 0x0F8:
//   base+4, modem control (write): bit 1 = RTS, bit 0 = DTR of the serial
//     device mapped to that COM number; reading returns the last value written.
//   base+6, modem status (read): bit 7 = DCD, bit 6 = RI, bit 5 = DSR,
//     bit 4 = CTS; the delta bits 0..3 read 0.
//   Other UART registers read 0xFF and ignore writes.
// COM numbers go to the serial devices present, in this order: USB serial
// adapters (ttyUSB*, ttyACM*) first, then built-in ports (ttyS*) that have a
// real UART behind them; within each group by device name, numbered
// naturally (ttyUSB2 before ttyUSB10). A port serving as the system console
// is never used. So the first USB adapter plugged in is COM 1.
//
// Game port at 0x201: any write brings the first joystick's state up to
// date (and notices a joystick plugged in or out); a read returns buttons
// 1..4 in bits 4..7, 0 while pressed, and 1 in bits 0..3. With no joystick
// every button reads released (0xFF).
//
// Any other port reads 0xFF and ignores writes.
//
// A device that cannot be used (absent, no permission, unplugged while in
// use) never blocks and never raises an error: a serial port reads 0 (switch
// open), the game port 0xFF. The polls say nothing; PortProblem tells why, so
// that the screens can tell the carer at the moment a device is chosen.
// Devices are opened on first use and kept open; a failed device is tried
// again at most every two seconds while it is polled, and at once when it is
// written to or asked about.

#include <QString>

namespace platform {

class SerialBackend;

void agOutp(int port, int value);
int agInp(int port);

// What COM n (1..4) is mapped to, for the keyboard/switch screen:
// "/dev/ttyUSB0 (FT232R USB UART)" or "no serial device". Looks for devices
// afresh, so an adapter plugged in since the last call is found.
QString ComPortDescription(int n);
// What the game port is mapped to: the joystick's name or "no joystick".
QString GamePortDescription();
// Why a switch device cannot be used now, for the carer; empty when it can
// (or when the device is not a port). Device numbers are those of
// InputDevice: 1..4 COM n, 5 the game port. Tries to open the device first.
QString PortProblem(int device);

// Closes every opened device. Runs at shutdown; ports reopen on next use.
void ClosePorts();

// Routes serial access through another backend (nullptr: the real
// QSerialPort backend). Closes open ports and forgets the COM mapping and
// register values. The caller keeps ownership.
void installSerialBackend(SerialBackend* backend);

}  // namespace platform
