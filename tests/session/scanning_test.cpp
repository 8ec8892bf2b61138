// Which tube comes when, and which one is chosen, for the four scanning
// methods; where the scan of a section begins; clearing the last section.

#include <QTest>
#include <vector>

#include "session_fixture.h"

using namespace session_tests;

namespace {

struct Arrival {
  int tube;
  double at;
};

class ScanningTest : public SessionTest {
protected:
  // Records each arrival of a tube in the Scan Position, then runs `then`.
  void RecordArrivals(std::function<void()> then = {}) {
    host.everyPass = [this, then] {
      const int t = TubeOut();
      if (t != 0 && t != lastOut) arrivals.push_back({t, host.clock});
      lastOut = t;
      if (window->pb3->isVisible() && stripeShownAt == 0) stripeShownAt = host.clock;
      if (then) then();
    };
  }
  std::vector<int> ArrivedTubes() const {
    std::vector<int> out;
    for (const auto& a : arrivals) out.push_back(a.tube);
    return out;
  }
  std::vector<Arrival> arrivals;
  int lastOut = 0;
  double stripeShownAt = 0;
};

TEST_F(ScanningTest, TimedScanningBringsEachTubeInTurnForScanSecondsEvenAcrossMidnight) {
  // The picture begins at 23:59:55; the waits are measured on a clock that
  // does not go back to 0 at midnight.
  start = host.clock = 86400 - 5;
  settings::SettingsRecord.ScanSeconds = 2;
  RecordArrivals();
  host.at(start + 9.5, [this] { window->ExitRequested = 1; });
  RunPicture();

  ASSERT_GE(arrivals.size(), 4u);
  const std::vector<int> tubes = ArrivedTubes();
  EXPECT_EQ(std::vector<int>(tubes.begin(), tubes.begin() + 4), (std::vector<int>{1, 2, 3, 1}));
  EXPECT_EQ(Voices().mid(0, 4), (QStringList{QStringLiteral("red"), QStringLiteral("green"), QStringLiteral("tan"),
                                            QStringLiteral("red")}));
  // Between arrivals: the dwell of 2 s, 110 steps back, one pass, 110 steps out.
  for (size_t k = 1; k < 4; ++k) {
    const double gap = arrivals[k].at - arrivals[k - 1].at;
    EXPECT_GT(gap, 2.0 + 0.220) << k;
    EXPECT_LT(gap, 2.0 + 0.235) << k;
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
    const int out = TubeOut();
    if (session::SegmentsColored == 1 && (out == 1 || out == 2)) input::SwitchPressed = 1;
    if (session::SegmentsColored == 2) window->ExitRequested = 1;
  });
  RunPicture();

  ASSERT_GE(arrivals.size(), 1u);
  const double chosenAfter = stripeShownAt - arrivals[0].at;
  EXPECT_GT(chosenAfter, 3.0);
  EXPECT_LT(chosenAfter, 3.01);
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

TEST_F(ScanningTest, WithoutScanningOnlyAClickOnATubeChooses) {
  settings::SettingsRecord.ScanType = 4;
  RecordArrivals();
  host.at(start + 0.3, [this] { QTest::mouseClick(window->PB1, Qt::LeftButton); });
  host.at(start + 0.4, [this] { QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(5, 500)); });
  host.at(start + 0.5, [this] { QTest::mouseClick(window->lab_pic_name, Qt::RightButton); });
  host.at(start + 1.0, [this] { QTest::mouseClick(window->pb_tube[3], Qt::LeftButton); });
  host.at(start + 3.0, [this] { window->ExitRequested = 1; });
  RunPicture();

  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{3}));
  EXPECT_GT(stripeShownAt, start + 1.0);
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), TanDone);
  // The clicked tube's name is spoken, and waited for, before the painting.
  EXPECT_EQ(Voices(), QStringList{QStringLiteral("tan")});
  EXPECT_EQ(host.sounds.front().mode, media::SoundMode::Wait);
}

TEST_F(ScanningTest, ClearPressedDuringAPaintingWithoutScanningUndoesItAtTheNextWait) {
  settings::SettingsRecord.ScanType = 4;
  bool cleared = false;
  host.everyPass = [&] {
    if (session::SegmentsColored == 0 && input::ClickedTubeIndex == 0 && window->pb_tube[1]->isVisible())
      input::ClickedTubeIndex = 1;
    if (session::SegmentsColored == 1 && pictures::CurrentSection == 2 && !cleared && input::ClickedTubeIndex == 0)
      input::ClickedTubeIndex = 2;
    if (pictures::CurrentSection == 2 && window->pb3->isVisible() && !cleared) {
      input::ClearLastPressed = 1;  // the "c" key while section 2 is painted
      cleared = true;
    }
    if (cleared && session::SegmentsColored == 2 && pictures::CurrentSection == 2 && input::ClearLastPressed == 0)
      window->ExitRequested = 1;
  };
  RunPicture();

  EXPECT_TRUE(cleared);
  EXPECT_EQ(session::SegmentsColored, 2) << "the cleared painting still counts";
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), RedDone);
  EXPECT_EQ(PixelAt(QuarterSeeds[2]), White);
  EXPECT_EQ(PixelAt(QuarterSeeds[2] + QPoint(40, 40)), White);
}

TEST_F(ScanningTest, EachSectionsScanBeginsWithTheTubeThatPaintedTheSectionBefore) {
  RecordArrivals([&] {
    const int out = TubeOut();
    // Section 1 with tube 3, section 2 with tube 1.
    if (session::SegmentsColored == 0 && out == 3) input::SwitchPressed = 1;
    if (session::SegmentsColored == 1 && out == 1) input::SwitchPressed = 1;
    if (session::SegmentsColored == 2 && out != 0) window->ExitRequested = 1;
  });
  RunPicture();

  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{1, 2, 3, 3, 1, 1}));
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), TanDone);
  EXPECT_EQ(PixelAt(QuarterSeeds[2]), RedDone);
  EXPECT_EQ(session::SelectedTube, 0);
}

TEST_F(ScanningTest, ClearingInTheFirstSectionWhitensItAndScansFromTubeOneAgain) {
  RecordArrivals([&] {
    if (arrivals.size() == 2 && TubeOut() == 2) input::ClearLastPressed = 1;
    if (arrivals.size() == 3 && TubeOut() != 0) window->ExitRequested = 1;
  });
  RunPicture();

  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(pictures::CurrentSection, 1);
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), White);
  EXPECT_EQ(PixelAt(QuarterSeeds[1] - QPoint(0, 60)), White) << "the section is whole again";
}

TEST_F(ScanningTest, ClearingInSectionFourWhitensSectionThreeAndRestartsThere) {
  size_t arrivalsAtClear = 0;
  bool cleared = false;
  RecordArrivals([&] {
    const int out = TubeOut();
    if (session::SegmentsColored < 3 && out == 1) input::SwitchPressed = 1;
    // The clear key during the dwell of section 4 (a press while the tube
    // slides is dropped).
    if (session::SegmentsColored == 3 && out == 1 && !cleared && host.clock - arrivals.back().at > 0.1) {
      input::ClearLastPressed = 1;
      cleared = true;
      arrivalsAtClear = arrivals.size();
    }
    if (cleared && arrivals.size() > arrivalsAtClear) window->ExitRequested = 1;
  });
  RunPicture();

  EXPECT_TRUE(cleared);
  EXPECT_EQ(pictures::CurrentSection, 3);
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), RedDone);
  EXPECT_EQ(PixelAt(QuarterSeeds[2]), RedDone);
  EXPECT_EQ(PixelAt(QuarterSeeds[3]), White);
  EXPECT_EQ(PixelAt(QuarterSeeds[3] + QPoint(50, 50)), White);
  // The pointer stands on section 3 again (its bottom edge on the seed).
  EXPECT_EQ(session::PointerTop, QuarterSeeds[3].y() - window->pbwork2->height());
  EXPECT_EQ(session::SegmentsColored, 3);
}

TEST_F(ScanningTest, AScanTypeOutsideTheFourMethodsScansAsTimed) {
  settings::SettingsRecord.ScanType = 9;
  RecordArrivals();
  host.at(start + 2.5, [this] { window->ExitRequested = 1; });
  RunPicture();
  EXPECT_EQ(ArrivedTubes(), (std::vector<int>{1, 2}));
}

}  // namespace
