// The press filter on a virtual clock: which contacts count as presses, and
// when, for the acceptance and release times.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "input/press_filter.h"

using input::PressFilter;

namespace {

// A contact of switch `sw` closes at `down` seconds and opens at `up`.
struct Contact {
  int sw;
  double down, up;
};

struct Case {
  const char* what;
  int acceptanceMs, releaseMs;
  std::vector<Contact> contacts;
  // Presses counted and ignored per switch, and when the first press of
  // switch 1 counted (-1: none).
  int counted1, ignored1, counted2, ignored2;
  double firstCountAt;
};

TEST(PressFilter, CountsPressesByAcceptanceAndReleaseTimeForBothSwitches) {
  const Case cases[] = {
      {"standard: every closing counts at once", 0, 0, {{0, 1.0, 1.05}, {0, 1.06, 1.08}, {1, 2.0, 2.01}},
       2, 0, 1, 0, 1.0},
      {"a tap shorter than the acceptance time counts for nothing", 400, 0, {{0, 1.0, 1.3}}, 0, 1, 0, 0, -1},
      {"a hold reaches the acceptance time and counts then", 400, 0, {{0, 1.0, 1.6}}, 1, 0, 0, 0, 1.4},
      {"exactly the acceptance time counts", 400, 0, {{0, 1.0, 1.4}}, 1, 0, 0, 0, 1.4},
      {"a bounce during the hold starts the hold again", 400, 0, {{0, 1.0, 1.3}, {0, 1.31, 1.5}}, 0, 2, 0, 0, -1},
      {"a bounce inside the release time is ignored", 0, 200, {{0, 1.0, 1.1}, {0, 1.15, 1.17}, {0, 1.25, 1.3}},
       1, 2, 0, 0, 1.0},
      {"a press after the release time counts", 0, 200, {{0, 1.0, 1.1}, {0, 1.31, 1.4}}, 2, 0, 0, 0, 1.0},
      {"the switches are timed apart", 0, 200, {{0, 1.0, 1.1}, {1, 1.15, 1.2}, {0, 1.16, 1.2}}, 1, 1, 1, 0, 1.0},
      {"acceptance and release together", 300, 500,
       {{1, 1.0, 1.4}, {1, 1.5, 2.0}, {1, 2.5, 2.9}, {0, 1.0, 1.1}}, 0, 1, 2, 1, -1},
  };
  for (const Case& c : cases) {
    PressFilter f;
    f.SetTiming({c.acceptanceMs, c.releaseMs});
    // Events in time order, the filter looked at every millisecond between.
    struct Event { double t; int sw; bool down; };
    std::vector<Event> events;
    for (const Contact& k : c.contacts) {
      events.push_back({k.down, k.sw, true});
      events.push_back({k.up, k.sw, false});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.t < b.t; });
    double firstCountAt = -1;
    size_t next = 0;
    int taken[2] = {0, 0};
    for (int ms = 0; ms <= 4000; ++ms) {
      const double t = ms / 1000.0;
      while (next < events.size() && events[next].t <= t + 1e-12) {
        const Event& e = events[next++];
        if (e.down) f.Down(e.sw, 7, e.t); else f.Up(e.sw, 7, e.t);
      }
      f.Advance(t);
      for (int sw = 0; sw < 2; ++sw) {
        const int n = f.TakeCounted(sw);
        if (sw == 0 && n > 0 && firstCountAt < 0) firstCountAt = t;
        taken[sw] += n;
      }
    }
    SCOPED_TRACE(c.what);
    EXPECT_EQ(f.counts(0).counted, c.counted1);
    EXPECT_EQ(f.counts(0).ignored, c.ignored1);
    EXPECT_EQ(f.counts(1).counted, c.counted2);
    EXPECT_EQ(f.counts(1).ignored, c.ignored2);
    EXPECT_EQ(taken[0], c.counted1);
    EXPECT_EQ(taken[1], c.counted2);
    EXPECT_NEAR(firstCountAt, c.firstCountAt, 1e-9);
  }
}

// What the waiting loops and the test screen read besides the counts.
TEST(PressFilter, TellsWhenAHeldPressWillCountHowLongItWasHeldAndWhichSourcesHold) {
  PressFilter f;
  f.SetTiming({500, 0});
  EXPECT_EQ(f.NextDeadline(), PressFilter::Never);
  f.Down(0, 1, 10.0);
  f.Down(0, 2, 10.2);  // a second contact takes over: the hold begins again
  EXPECT_DOUBLE_EQ(f.NextDeadline(), 10.7);
  f.Up(0, 2, 10.3);
  EXPECT_TRUE(f.Held(0)) << "contact 1 is still closed";
  EXPECT_EQ(f.counts(0).ignored, 1) << "the first hold ended short";
  f.Up(0, 1, 10.9);  // held past 10.7 with nobody looking: still counts
  EXPECT_FALSE(f.Held(0));
  EXPECT_EQ(f.TakeCounted(0), 1);
  EXPECT_EQ(f.counts(0).lastHoldMs, 700);
  EXPECT_EQ(f.NextDeadline(), PressFilter::Never);
  f.Up(0, 1, 11.0);  // an opening never closed changes nothing
  f.Down(1, 3, 12.0);
  f.Reset();
  f.Advance(13.0);
  EXPECT_FALSE(f.Held(1));
  EXPECT_EQ(f.TakeCounted(1), 0) << "reset forgets the press under way";
}

}  // namespace
