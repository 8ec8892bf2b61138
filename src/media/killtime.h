#pragma once

namespace media {

// The calibrated delay: a counted busy wait of floor(count) + 1 passes for a
// count of 0 or more, and one pass for any count below 1. It does not look at
// the clock, sleep, or let window events run. A count that is not a finite
// number costs one pass.
void killtime(double count);

// The number of passes killtime(count) makes (for tests and benchmarks).
long long killtimePasses(double count);

}  // namespace media
