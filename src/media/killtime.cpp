#include "media/killtime.h"

#include <cmath>

namespace media {
namespace {
// The counter lives in memory the optimiser must treat as observable, so
// every pass really happens and costs the same on every call.
volatile double counter;
}  // namespace

void killtime(double count) {
  if (!std::isfinite(count)) count = 0;
  counter = 0.0;
  do {
    counter = counter + 1.0;
  } while (counter <= count);
}

long long killtimePasses(double count) {
  if (!std::isfinite(count) || count < 1) return 1;
  return static_cast<long long>(std::floor(count)) + 1;
}

}  // namespace media
