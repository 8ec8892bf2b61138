// The options of brushwell.ini [switch] in a session: real key and mouse
// events through the press filter on the scripted host's clock, and the
// scanning, dwell, pointer and fade behaviour they change.

#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "input/switch_inputs.h"
#include "session_fixture.h"

using namespace session_tests;

namespace {

class SwitchOptionsTest : public SessionTest {
protected:
  void Options(const settings::SwitchOptions& o) {
    settings::SwitchOptionsRecord = o;
    problems = input::ApplySwitchOptions();
    input::Presses().ResetCounts();
  }
  // Presses `key` at `at` (virtual seconds after the n-th arrival) for `hold`.
  void Press(size_t n, double at, double hold, Qt::Key key = Qt::Key_Space) {
    host.when([this, n] { return arrivals.size() >= n; },
              [this, n, at, hold, key] {
                const double t0 = arrivals[n - 1].at + at;
                host.at(t0, [this, key] { QTest::keyPress(window.get(), key); });
                host.at(t0 + hold, [this, key] { QTest::keyRelease(window.get(), key); });
              });
  }
  QStringList problems;
};

TEST_F(SwitchOptionsTest, AtTheStandardTimingAPressCountsInTheSameInstant) {
  Options({});
  QTest::keyPress(window.get(), Qt::Key_Space);
  EXPECT_EQ(input::SwitchPressed, 1) << "no extra delay: the flag is up before the clock moves";
  QTest::keyRelease(window.get(), Qt::Key_Space);
}

TEST_F(SwitchOptionsTest, WithAnAcceptanceTimeATapDoesNothingAndAHoldChoosesWhenItReachesTheTime) {
  Options({.AcceptanceMs = 400});
  settings::SettingsRecord.ScanSeconds = 3;
  // What the dwell's waits would sleep until on the real host: the end of
  // the dwell, and while tube 2's press is held, the moment it will count
  // (or the hold ring's next frame before it). The ring on tube 2 is seen
  // half full halfway through the hold and flashing once it counted.
  double dwellWake = INFINITY, holdWake = INFINITY;
  double ringHalfway = -1;
  bool flashedOnTube2 = false;
  RecordArrivals([&] {
    if (session::SegmentsColored == 1) window->ExitRequested = 1;
    const double since = arrivals.size() == 2 ? host.clock - arrivals[1].at : -1;
    if (since > 0.1 && since < 0.4) dwellWake = std::min(dwellWake, host.waitDeadline - arrivals[1].at);
    if (since > 0.6 && since < 0.85) holdWake = std::min(holdWake, host.waitDeadline - arrivals[1].at);
    if (since > 0.69 && since < 0.71 && window->dwell_ring->isVisible()) ringHalfway = window->dwell_ring->progress();
    if (window->dwell_ring->isVisible() && window->dwell_ring->flashing() &&
        window->dwell_ring->geometry().intersects(window->pb_tube[2]->geometry()))
      flashedOnTube2 = true;
    host.waitDeadline = INFINITY;
  });
  Press(1, 0.5, 0.3);  // tube 1: a 300 ms tap
  Press(2, 0.5, 0.6);  // tube 2: held 600 ms
  RunPicture();

  ASSERT_EQ(ArrivedTubes(), (std::vector<int>{1, 2}));
  EXPECT_GT(arrivals[1].at - arrivals[0].at, 3.0) << "the tap did not choose tube 1";
  // Chosen 400 ms into the hold (one poll of 2 ms late at most), while
  // still held; the stripe shows right after.
  EXPECT_NEAR(stripeShownAt - (arrivals[1].at + 0.5), 0.4, 0.01);
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), GreenDone);
  EXPECT_EQ(input::Presses().counts(0).ignored, 1);
  EXPECT_NEAR(dwellWake, 3.0, 0.005);
  EXPECT_GE(holdWake, 0.6) << "the wait slept through the hold";
  EXPECT_LE(holdWake, 0.5 + 0.4 + 0.005) << "a held switch must wake the wait when it counts";
  EXPECT_NEAR(ringHalfway, 0.5, 0.06);
  EXPECT_TRUE(flashedOnTube2);
}

TEST_F(SwitchOptionsTest, WithAReleaseTimeABounceAfterAPressIsIgnored) {
  Options({.ReleaseMs = 500});
  settings::SettingsRecord.ScanType = 2;  // step scanning, one switch
  settings::SettingsRecord.ScanSpeed = 5;
  RecordArrivals([this] {
    if (arrivals.size() == 3) window->ExitRequested = 1;
  });
  Press(1, 0.05, 0.02);  // moves on to tube 2
  Press(2, 0.01, 0.01);  // a bounce within 500 ms of the release: ignored
  Press(2, 0.6, 0.05);   // a real press: tube 3
  RunPicture();

  ASSERT_EQ(ArrivedTubes(), (std::vector<int>{1, 2, 3}));
  EXPECT_GT(arrivals[2].at - arrivals[1].at, 0.6) << "tube 2 stayed through the bounce";
  EXPECT_LT(arrivals[2].at - arrivals[1].at, 0.9);
}

TEST_F(SwitchOptionsTest, TheFirstTubeOfASectionWaitsFirstTubeFactorTimesLongerInTimedAndOneSwitchScanning) {
  Options({.FirstTubeFactor = 2.5});
  settings::SettingsRecord.ScanSeconds = 2;
  RecordArrivals();
  host.at(start + 9.0, [this] { window->ExitRequested = 1; });
  RunPicture();
  ASSERT_GE(arrivals.size(), 3u);
  // A dwell and 220 steps of sliding between arrivals.
  EXPECT_NEAR(arrivals[1].at - arrivals[0].at, 5.0 + 0.225, 0.01);
  EXPECT_NEAR(arrivals[2].at - arrivals[1].at, 2.0 + 0.225, 0.01);

  // Step scanning with one switch: the first tube is chosen after 2.5 s, not 1.
  arrivals.clear();
  stripeShownAt = 0;
  settings::SettingsRecord.ScanType = 2;
  settings::SettingsRecord.ScanSpeed = 1;
  NewWindow();
  RecordArrivals([this] {
    if (stripeShownAt != 0) window->ExitRequested = 1;
  });
  RunPicture();
  ASSERT_FALSE(arrivals.empty());
  EXPECT_NEAR(stripeShownAt - arrivals[0].at, 2.5, 0.01);
}

TEST_F(SwitchOptionsTest, AfterScanCyclesUnattendedCyclesTimedScanningRestsUntilAPress) {
  Options({.ScanCycles = 1});
  bool homeWhileResting = true;
  RecordArrivals([this, &homeWhileResting] {
    if (arrivals.size() == 3 && host.clock > arrivals[2].at + 2.0 && TubeOut() != 0) homeWhileResting = false;
    if (arrivals.size() == 4) window->ExitRequested = 1;
  });
  host.at(start + 20.0, [this] { QTest::keyClick(window.get(), Qt::Key_Space); });
  RunPicture();
  ASSERT_EQ(ArrivedTubes(), (std::vector<int>{1, 2, 3, 1}));
  EXPECT_GT(arrivals[3].at, start + 20.0) << "nothing moved until the press";
  EXPECT_LT(arrivals[3].at, start + 20.2);
  EXPECT_TRUE(homeWhileResting);
  EXPECT_EQ(session::SegmentsColored, 0) << "the press that woke the scan chose nothing";
}

TEST_F(SwitchOptionsTest, WithoutScanningRestingThePointerOnATubeChoosesItWhileARingFills) {
  Options({.DwellMs = 1000});
  settings::SettingsRecord.ScanType = 4;
  double ringHalf = -1;
  double movedAt = 0;
  RecordArrivals([&] {
    if (movedAt != 0 && ringHalf < 0 && host.clock >= movedAt + 0.5 && window->dwell_ring->isVisible())
      ringHalf = window->dwell_ring->progress();
  });
  host.at(start + 0.5, [&] {
    QTest::mouseMove(window->pb_tube[2], QPoint(20, 20));
    movedAt = host.clock;
  });
  // The pointer stays on tube 2 after the painting: no second choice.
  host.at(start + 6.0, [this] { window->ExitRequested = 1; });
  RunPicture();

  EXPECT_NEAR(ringHalf, 0.5, 0.01);
  ASSERT_EQ(ArrivedTubes(), (std::vector<int>{2}));
  EXPECT_NEAR(arrivals[0].at - movedAt, 1.0 + 0.110, 0.01) << "1 s of dwell, then the slide out";
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), GreenDone);
  EXPECT_EQ(session::SegmentsColored, 1);
  EXPECT_FALSE(window->dwell_ring->isVisible());
}

TEST_F(SwitchOptionsTest, AssignedInputsActAsTheTwoSwitchesAndUnknownOnesAreReported) {
  Options({.Switch1 = u"Key:F5, Key:Nonsense"_s, .Switch2 = u"Mouse:Right,Key:Space,Mouse:Left"_s});
  EXPECT_EQ(problems.size(), 3) << problems.join(u"\n"_s).toStdString();
  EXPECT_TRUE(problems.join(u" "_s).contains(u"Nonsense"_s));
  settings::SettingsRecord.ScanType = 3;     // two switches
  settings::SettingsRecord.InputDevice = 1;  // a left click is no switch now
  RecordArrivals([this] {
    if (session::SegmentsColored == 1) window->ExitRequested = 1;
  });
  Press(1, 0.1, 0.05, Qt::Key_F5);  // switch 1: next tube
  host.when([this] { return arrivals.size() == 2; }, [this] {
    QTest::mouseClick(window->PB1, Qt::LeftButton);
    QTest::mouseClick(window->PB1, Qt::RightButton);  // switch 2: choose
  });
  RunPicture();
  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{1, 2}));
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), GreenDone);
}

TEST_F(SwitchOptionsTest, PointerScaleDrawsTheSectionPointerLargerAndWholeInsideThePicture) {
  QSize size[2];
  QImage shown;
  for (int k = 0; k < 2; ++k) {
    Options({.PointerScale = static_cast<int16_t>(k == 0 ? 1 : 3)});
    NewWindow();
    host.when([this] { return window->PointerOnPicture(); },
              [&] {
                shown = window->PB1->image().copy();
                window->ExitRequested = 1;
              });
    RunPicture();
    size[k] = window->pbwork2->image().size();
    EXPECT_EQ(window->pbwork1->image().size(), size[k]);
  }
  EXPECT_EQ(size[1], size[0] * 3);
  // Standing on section 1's seed (100, 120) the 120 x 144 pointer would
  // stick out of the top; it stands as near as it can with its tip in the
  // section: on (100, 144), its top on the picture's top edge.
  EXPECT_EQ(session::PointerLeft, 100 - 60);
  EXPECT_EQ(session::PointerTop, 0);
  EXPECT_NE(shown.pixel(100, 143) & 0xFFFFFF, 0xFFFFFFu) << "the tip is drawn just above (100, 144)";
}

TEST_F(SwitchOptionsTest, EachPassOfTheFadeStaysOnScreenForAFrame) {
  double firstTint = 0, done = 0;
  host.everyPass = [&] {
    const QRgb p = PixelAt(QuarterSeeds[1]);
    if (firstTint == 0 && p != White && p != Black) firstTint = host.clock;
    if (done == 0 && p == RedDone) done = host.clock;
  };
  PaintWith(1, 1);
  // From the second pass (the first is white) to the fiftieth.
  EXPECT_GE(done - firstTint, 48 * 0.016);
  EXPECT_LT(done - firstTint, 48 * 0.018);
}

}  // namespace
