#pragma once
// The game port emulated on the first joystick (SDL2). SDL's joystick
// support is started on first use only, so a program that never uses the
// game port never touches it.

#include <QString>
#include <utility>

namespace platform::gameport {

// Brings the joystick state up to date: reads pending joystick input,
// notices a joystick that was unplugged and opens one that was plugged in.
void Refresh();
// The button byte: buttons 1..4 in bits 4..7, 0 while pressed; bits 0..3
// read 1. With no joystick every button reads released (0xFF).
int ReadButtons();
// Why the game port cannot be used now, for the carer; empty when it can.
// Tries to open a joystick first.
QString Problem();
// "Name of the joystick" or "no joystick".
QString Description();
// Closes the joystick and stops SDL's joystick support.
void Close();

// Any joystick's buttons, for switches the carer assigns beyond the game
// port. Joysticks and buttons are numbered from 1 here, as carers count.
// Reads pending joystick input and opens joystick `joystick` if it is
// plugged in; 1 while button `button` is pressed, 0 while it is not, -1
// when there is no such joystick or button.
int ReadJoystickButton(int joystick, int button);
// The first pressed button of any joystick as {joystick, button}, or {0, 0}.
std::pair<int, int> FirstPressedJoystickButton();
// The joystick's name, or "" when it is not there.
QString JoystickName(int joystick);

}  // namespace platform::gameport
