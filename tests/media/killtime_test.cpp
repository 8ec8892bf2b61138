#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "media/killtime.h"

TEST(Killtime, PassCounts) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (const auto& [count, passes] : std::initializer_list<std::pair<double, long long>>{
           {0, 1}, {-5, 1}, {0.99, 1}, {2.5, 3}, {3, 4}, {nan, 1}, {inf, 1}})
    EXPECT_EQ(media::killtimePasses(count), passes) << count;
}

TEST(Killtime, ReallySpendsItsPassesAndReturnsForOddCounts) {
  // The fastest of a few runs, so another process on the machine does not
  // decide the outcome.
  auto fastest = [](double count) {
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < 3; ++i) {
      QElapsedTimer t;
      t.start();
      media::killtime(count);
      best = std::min(best, t.nsecsElapsed());
    }
    return static_cast<double>(best);
  };
  const double single = fastest(2e7);
  const double twice = fastest(4e7);
  EXPECT_GT(single, 2e6);  // 20 million passes cannot take under 2 ms
  EXPECT_GT(twice / single, 1.5);
  EXPECT_LT(twice / single, 2.6);
  media::killtime(std::numeric_limits<double>::quiet_NaN());
  media::killtime(-std::numeric_limits<double>::infinity());
  media::killtime(std::numeric_limits<double>::infinity());
}
