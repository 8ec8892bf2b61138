#pragma once
// Switch adapters on a serial port (COM 1..4) or the game port. A serial
// adapter takes its power from RTS and closes carrier detect while the
// switch is pressed; on the game port the switch is the first joystick
// button. Every reading is stored in SwitchPressed (1 closed, 0 open).
// There is no debouncing and no release latch: a switch held closed reads
// as pressed at every poll.

#include <QString>
#include <cstdint>

namespace input {

// Powers the adapter on COM n (1..4): RTS on, DTR off. Any other n does nothing.
void PowerComAdapter(int16_t n);
// Resets the game port (start-up, when it is the stored device).
void ResetGamePort();
// SwitchPressed := 0, then for n = 1..4 := 1 if COM n's carrier detect is
// on. Other n touch no port. Returns SwitchPressed.
int16_t ReadComSwitch(int16_t n);
// SwitchPressed := 1 if the first joystick button is pressed, else 0.
int16_t ReadGamePortSwitch();
// One reading of the device named by InputDevice (1..4 COM, 5 game port);
// for any other device SwitchPressed is left as it is. Returns SwitchPressed.
int16_t ReadSwitch();

// What a device number is connected to, to show beside its option:
// "/dev/ttyUSB0 (FT232R USB UART)", "no serial device", a joystick's name,
// "no joystick"; empty for devices that are not ports.
QString SwitchDeviceDescription(int16_t device);
// Tells the carer in a message box why the chosen device cannot be read,
// if it cannot. The same problem of the same device is told only once;
// a device that recovers and fails again is told again. Call it at
// start-up and when a device is chosen, never from a poll. Returns whether
// a message was shown.
bool ReportSwitchProblem(int16_t device);

}  // namespace input
