#pragma once
// The one place between the raw inputs and the flags the session reads.
// Keys, mouse buttons, switch adapters and joystick buttons report their
// contacts here; the press filter (press_filter.h) decides which presses
// count, and a counted press of switch 1 raises SwitchPressed, one of
// switch 2 EnterPressed. Times come from the host's monotonic clock.
//
// The carer may add inputs to the two switches in brushwell.ini (Switch1,
// Switch2): "Key:<Qt key name>", "Mouse:<Left|Right|Middle|Back|Forward>",
// "Joystick:<joystick>:<button>" (both counted from 1), comma-separated.
// They add to the key table; they never take a key of the table away.

#include <QString>
#include <QStringList>
#include <Qt>
#include <vector>

#include "input/press_filter.h"

namespace input {

struct SwitchInput {
  enum class Kind { Key, Mouse, Joystick };
  Kind kind = Kind::Key;
  int key = 0;                               // Qt key code
  Qt::MouseButton button = Qt::NoButton;     // mouse button
  int joystick = 0, joystickButton = 0;      // both from 1

  bool operator==(const SwitchInput&) const = default;
};

// "Key:F5, Mouse:Right" -> inputs. Entries that name nothing known, or a
// key the key table already uses, are left out with a sentence for the
// carer in `problems` (`option` names the key of the file, "Switch1").
std::vector<SwitchInput> ParseSwitchInputs(const QString& text, const QString& option, QStringList& problems);
QString FormatSwitchInput(const SwitchInput& input);
QString FormatSwitchInputs(const std::vector<SwitchInput>& inputs);
// A carer's name for an input: "the F5 key", "the right mouse button",
// "button 2 of joystick 1".
QString DescribeSwitchInput(const SwitchInput& input);

// The timing and the extra inputs from settings::SwitchOptionsRecord.
// Returns the problems found in Switch1/Switch2, and any joystick they
// name that is not plugged in, for one message with those of the file.
QStringList ApplySwitchOptions();
// The extra inputs of switch 1 or 2 now in use.
const std::vector<SwitchInput>& ExtraInputs(int sw);

// The filter itself (the carer's test screen reads its counts).
PressFilter& Presses();
// Forgets held contacts and presses not yet taken (a session begins, the
// device or the options change).
void ResetPresses();

// Contact `source` of switch `sw` (1 or 2) closed / opened now. A counted
// press raises its flag at once.
void SwitchDown(int sw, int source);
void SwitchUp(int sw, int source);
// The source numbers of the kinds of contact.
int KeySource(int key);
int MouseSource(Qt::MouseButton button);
int AdapterSource();
int JoystickSource(int joystick, int button);
// Movement seen by the camera (camera/camera_switch.h), for either switch.
int CameraSource();

// The switch (1 or 2) an assigned key or mouse button stands for, 0 for none.
int ExtraSwitchForKey(int key);
int ExtraSwitchForButton(Qt::MouseButton button);

// Reads the polled contacts once: the switch adapter of `device` (1..5;
// the adapter's level, raw, is returned, 0 for other devices) and the
// assigned joystick buttons. Then brings the filter to now and raises the
// flags of presses that counted meanwhile, such as a switch simply held
// until the acceptance time.
int ReadPolledSwitches(int device);

// How far the press now held on either switch is on its way to counting
// (0..1 of AcceptanceMs); -1 when none is (see PressFilter::HoldPart).
double HoldProgress();

// The instant (host monotonic seconds) at which a press now held will
// count; PressFilter::Never when none. A loop that blocks until an event
// comes must wake at this time too.
double NextInputDeadline();

}  // namespace input
