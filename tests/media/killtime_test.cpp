#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <limits>

#include "media/killtime.h"

TEST(Killtime, PassCountsAndTheBusyWaitIsReallySpent) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (const auto& [count, passes] : std::initializer_list<std::pair<double, long long>>{
           {0, 1}, {-5, 1}, {0.99, 1}, {2.5, 3}, {3, 4}, {nan, 1}, {inf, 1}})
    EXPECT_EQ(media::killtimePasses(count), passes) << count;
  // The optimiser must not remove the loop: 20 million passes cannot take under 2 ms.
  QElapsedTimer timer;
  timer.start();
  media::killtime(2e7);
  EXPECT_GT(timer.nsecsElapsed(), 2'000'000);
  for (const double odd : {nan, -inf, inf}) media::killtime(odd);  // returns
}
