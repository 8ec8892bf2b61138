#pragma once
// The session's random numbers: a generator that is seeded again from the
// clock before a draw. Seeding mixes the clock into the generator's state
// rather than restarting it, so draws made within one tick of the clock
// still differ.

namespace session {

// Mixes `seconds` (the clock) into the generator's state.
void Randomize(double seconds);
// A uniform random number in [0, 1).
double Rnd();

}  // namespace session
