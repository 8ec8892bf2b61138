#pragma once
// The game port emulated on the first joystick (SDL2). SDL's joystick
// support is started on first use only, so a program that never uses the
// game port never touches it.

#include <QString>

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

}  // namespace platform::gameport
