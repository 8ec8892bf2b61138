#include "session/session_random.h"

#include <bit>
#include <cstdint>
#include <random>

namespace session {

namespace {
std::mt19937_64& engine() {
  static std::mt19937_64 e(0x5eed5eedULL);
  return e;
}
}  // namespace

void Randomize(double seconds) {
  std::mt19937_64& e = engine();
  const auto clockBits = std::bit_cast<std::uint64_t>(seconds);
  e.seed(e() ^ (clockBits * 0x9E3779B97F4A7C15ULL));
}

double Rnd() {
  // 53 random bits over 2^53: never 1.0.
  return static_cast<double>(engine()() >> 11) * 0x1.0p-53;
}

}  // namespace session
