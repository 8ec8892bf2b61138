// Which tube comes when, and which one is chosen, for the four scanning
// methods; where the scan of a section begins; clearing the last section.

#include <QTest>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "session_fixture.h"

using namespace session_tests;

namespace {

using ScanningTest = SessionTest;

TEST_F(ScanningTest, TimedScanningBringsEachTubeInTurnForScanSecondsEvenAcrossMidnight) {
  // The picture begins at 23:59:55; the waits are measured on a clock that
  // does not go back to 0 at midnight.
  start = host.clock = 86400 - 5;
  settings::SettingsRecord.ScanSeconds = 2;
  RecordArrivals();
  host.at(start + 9.5, [this] { window->ExitRequested = 1; });
  RunPicture();

  ASSERT_GE(arrivals.size(), 4u);
  EXPECT_EQ(ArrivedTubes(4), (std::vector<int>{1, 2, 3, 1}));
  EXPECT_EQ(Played(u"aobj_voice_"_s).mid(0, 4),
            (QStringList{"aobj_voice_red.wav", "aobj_voice_green.wav", "aobj_voice_tan.wav", "aobj_voice_red.wav"}));
  // Between arrivals: the dwell of 2 s, 110 steps back, one pass, 110 steps out.
  for (size_t k = 1; k < 4; ++k) {
    EXPECT_GT(arrivals[k].at - arrivals[k - 1].at, 2.0 + 0.220) << k;
    EXPECT_LT(arrivals[k].at - arrivals[k - 1].at, 2.0 + 0.235) << k;
  }
  EXPECT_EQ(stripeShownAt, 0) << "no tube was chosen";
  EXPECT_EQ(window->ExitRequested, 1);
  EXPECT_FALSE(window->LabelExitLink->isVisible());
  EXPECT_EQ(session::SegmentsColored, 0);
}

TEST_F(ScanningTest, StepScanningWithOneSwitchChoosesATubeLeftAloneAndMovesOnAtAPress) {
  settings::SettingsRecord.ScanType = 2;
  settings::SettingsRecord.ScanSpeed = 3;
  RecordArrivals([&] {
    // Section 1: tube 1 is left alone. Section 2: presses at tubes 1 and 2.
    if (session::SegmentsColored == 1 && (TubeOut() == 1 || TubeOut() == 2)) input::SwitchPressed = 1;
    if (session::SegmentsColored == 2) window->ExitRequested = 1;
  });
  RunPicture();

  ASSERT_GE(arrivals.size(), 1u);
  EXPECT_GT(stripeShownAt - arrivals[0].at, 3.0) << "chosen after ScanSpeed seconds";
  EXPECT_LT(stripeShownAt - arrivals[0].at, 3.01);
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), RedDone);
  // Section 2 begins with tube 1 again; two presses bring tube 3, which is chosen.
  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{1, 1, 2, 3}));
  EXPECT_EQ(PixelAt(QuarterSeeds[2]), TanDone);
}

TEST_F(ScanningTest, StepScanningWithTwoSwitchesWaitsWithoutLimitForTheSecondSwitch) {
  settings::SettingsRecord.ScanType = 3;
  RecordArrivals([&] {
    if (arrivals.size() == 1 && TubeOut() == 1) input::SwitchPressed = 1;  // moves on
    if (session::SegmentsColored == 1) window->ExitRequested = 1;
  });
  host.at(start + 4.0, [] { input::EnterPressed = 1; });
  RunPicture();

  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{1, 2}));
  EXPECT_GT(stripeShownAt, start + 4.0) << "tube 2 waited far longer than ScanSpeed";
  EXPECT_LT(stripeShownAt, start + 4.01);
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), GreenDone);
}

TEST_F(ScanningTest, WithoutScanningOnlyAClickOnATubeChoosesAndAClearPressedDuringAPaintingActsAtTheNextWait) {
  settings::SettingsRecord.ScanType = 4;
  bool cleared = false;
  RecordArrivals([&] {
    // Section 2: tube 2, and the "c" key while it is painted.
    if (session::SegmentsColored == 1 && pictures::CurrentSection == 2 && !cleared && input::ClickedTubeIndex == 0)
      input::ClickedTubeIndex = 2;
    if (pictures::CurrentSection == 2 && window->pb3->isVisible() && !cleared) {
      input::ClearLastPressed = 1;
      cleared = true;
    }
    if (cleared && session::SegmentsColored == 2 && pictures::CurrentSection == 2 && input::ClearLastPressed == 0)
      window->ExitRequested = 1;
  });
  // Section 1: clicks beside the tubes choose nothing; a click on tube 3 does.
  host.at(start + 0.3, [this] { QTest::mouseClick(window->PB1, Qt::LeftButton); });
  host.at(start + 0.4, [this] { QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(5, 500)); });
  host.at(start + 0.5, [this] { QTest::mouseClick(window->lab_pic_name, Qt::RightButton); });
  host.at(start + 1.0, [this] { QTest::mouseClick(window->pb_tube[3], Qt::LeftButton); });
  RunPicture();

  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{3, 2}));
  EXPECT_GT(stripeShownAt, start + 1.0);
  // The clicked tube's name is spoken, and waited for, before the painting.
  EXPECT_EQ(Played(u"aobj_voice_"_s), (QStringList{"aobj_voice_tan.wav", "aobj_voice_green.wav"}));
  EXPECT_EQ(host.sounds.front().mode, media::SoundMode::Wait);
  EXPECT_TRUE(cleared);
  EXPECT_EQ(session::SegmentsColored, 2) << "the cleared painting still counts";
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), TanDone);
  EXPECT_EQ(PixelAt(QuarterSeeds[2]), White);
  EXPECT_EQ(PixelAt(QuarterSeeds[2] + QPoint(40, 40)), White);
}

TEST_F(ScanningTest, EachScanBeginsWithTheTubeThatPaintedLastAndTheClearKeyWhitensTheSectionBeforeAndScansItAgain) {
  settings::SettingsRecord.ScanType = 9;  // outside the four methods: scans as timed
  bool firstSectionWhole = false;
  size_t arrivalsAtLastClear = 0;
  RecordArrivals([&] {
    const int out = TubeOut();
    const size_t n = arrivals.size();
    // Section 1: the clear key at tube 2; with no section before, section 1
    // stays white and is scanned again from tube 1.
    if (n == 2 && out == 2) input::ClearLastPressed = 1;
    if (n == 3 && out == 1)
      firstSectionWhole = pictures::CurrentSection == 1 && PixelAt(QuarterSeeds[1]) == White &&
                          PixelAt(QuarterSeeds[1] - QPoint(0, 60)) == White;
    // Then tube 3 paints section 1, tube 1 sections 2 and 3.
    if (n >= 3 && session::SegmentsColored < 3 && out == (session::SegmentsColored == 0 ? 3 : 1))
      input::SwitchPressed = 1;
    // Section 4: the clear key during the dwell (a press while the tube slides is dropped).
    if (session::SegmentsColored == 3 && out == 1 && !arrivalsAtLastClear && host.clock - arrivals.back().at > 0.1) {
      input::ClearLastPressed = 1;
      arrivalsAtLastClear = n;
    }
    if (arrivalsAtLastClear && n > arrivalsAtLastClear) window->ExitRequested = 1;
  });
  RunPicture();

  EXPECT_TRUE(firstSectionWhole) << "the first section is whole again";
  // Section 1: 1, 2 (clear), 1, 2, 3. Section 2 from tube 3: 3, 1. Section 3:
  // 1. Section 4: 1 (clear). Section 3 again: 1.
  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{1, 2, 1, 2, 3, 3, 1, 1, 1, 1}));
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), TanDone);
  EXPECT_EQ(PixelAt(QuarterSeeds[2]), RedDone);
  EXPECT_EQ(PixelAt(QuarterSeeds[3]), White);
  EXPECT_EQ(PixelAt(QuarterSeeds[3] + QPoint(50, 50)), White);
  EXPECT_EQ(pictures::CurrentSection, 3);
  EXPECT_EQ(session::SegmentsColored, 3);
  EXPECT_EQ(session::SelectedTube, 0);
  // The pointer stands on section 3 again (its bottom edge on the seed).
  EXPECT_EQ(session::PointerTop, QuarterSeeds[3].y() - window->pbwork2->height());
}

}  // namespace
