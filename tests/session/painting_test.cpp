// Painting a section: the stripe, its way to the seed, the wait for the
// switch, the fade and the hatch on the window's picture, and the sounds.

#include <vector>

#include "session_fixture.h"

using namespace session_tests;

namespace {

class PaintingTest : public SessionTest {
protected:
  // The pixels of section 1 that are not `colour` where `style` covers them and white elsewhere.
  int WrongInSectionOne(platform::BrushStyle style, QRgb colour) const {
    int wrong = 0;
    for (int y = 1; y < 200; ++y)
      for (int x = 1; x < 200; ++x) wrong += PixelAt({x, y}) != (platform::BrushCovers(style, x, y) ? colour : White);
    return wrong;
  }
};

TEST_F(PaintingTest, AHatchIsDrawnInThePicturesOwnCoordinatesAndClearingWhitensItWithTheSameHatch) {
  settings::SettingsRecord.ColoringStyle = 5;  // cross hatch
  const platform::BrushStyle hatch = platform::BrushStyleForColoringStyle(5);
  int wrongBeforeClear = -1;
  bool cleared = false;
  double arrived = 0;
  host.everyPass = [&] {
    if (session::SegmentsColored == 0 && TubeOut() == 1 && !window->pb3->isVisible()) input::SwitchPressed = 1;
    if (session::SegmentsColored == 1 && TubeOut() == 1 && !cleared) {
      if (arrived == 0) {
        arrived = host.clock;
        wrongBeforeClear = WrongInSectionOne(hatch, RedDone);
      }
      if (host.clock - arrived > 0.05) {
        input::ClearLastPressed = 1;
        cleared = true;
      }
    }
    if (cleared && pictures::CurrentSection == 1) window->ExitRequested = 1;
  };
  RunPicture();

  EXPECT_EQ(wrongBeforeClear, 0) << "lines in the colour, gaps white";
  ASSERT_TRUE(cleared);
  EXPECT_EQ(WrongInSectionOne(hatch, White), 0) << "all white again";
}

TEST_F(PaintingTest, TheStripeIsShadedDownwardsAndSizedByTheTubeCount) {
  struct Case {
    std::vector<int> colours;
    QSize size;
    int shade, nozzle;
  };
  for (const Case& c : {Case{{1, 3, 10}, {50, 10}, 15, 17}, Case{{1, 2, 3, 4, 5, 6, 7, 8, 9}, {45, 7}, 20, 11}}) {
    settings::SettingsRecord.ColorEnabled.fill(0);
    pictures::ColorPickList.fill(0);
    for (size_t i = 0; i < c.colours.size(); ++i) {
      settings::SettingsRecord.ColorEnabled[c.colours[i]] = 1;
      pictures::ColorPickList[i + 1] = static_cast<int16_t>(c.colours[i]);
    }
    QImage stripe;
    QPoint placed;
    host.everyPass = [&] {
      if (stripe.isNull() && window->pb3->isVisible()) {
        stripe = window->pb3->image().copy();
        placed = window->pb3->pos() - QPoint(0, window->pb_tube[1]->y());
      }
    };
    PaintWith(1, 1);
    ASSERT_FALSE(stripe.isNull());
    EXPECT_EQ(stripe.size(), c.size);
    for (int y = 0; y < c.size.height(); ++y)
      EXPECT_EQ(*platform::GetPixel(stripe, 10, y), qRgb(255 - c.shade * y, 0, 0)) << y;
    // One step out of the nozzle, `nozzle` pixels below the tube's top.
    EXPECT_EQ(placed, QPoint(window->PB1->x() + window->PB1->width() - 1, c.nozzle));
  }
}

TEST_F(PaintingTest, TheStripeLeavesTheTubeFlatThenRunsDiagonallyAndEndsCentredOnTheSeed) {
  std::vector<QPoint> path;
  int tubeLeft = 0;
  host.everyPass = [&] {
    if (pictures::CurrentSection == 2 && window->pb3->isVisible() && window->pb3->width() == 50) {
      if (path.empty() || path.back() != window->pb3->pos()) path.push_back(window->pb3->pos());
      tubeLeft = window->pb_tube[1]->x();
    }
  };
  PaintWith(1, 2);

  ASSERT_GT(path.size(), 300u);
  int flat = 0, diagonal = 0, vertical = 0;
  for (size_t k = 1; k < path.size(); ++k) {
    const QPoint d = path[k] - path[k - 1];
    if (d == QPoint(-1, 0)) {
      ++flat;
      EXPECT_EQ(diagonal, 0) << "flat only while in the tube";
      EXPECT_GE(path[k].x() + 50, tubeLeft - 1);
    } else {
      diagonal += d == QPoint(-1, 1);
      vertical += d == QPoint(0, 1);
      EXPECT_TRUE(d == QPoint(-1, 1) || d == QPoint(0, 1)) << "step " << d.x() << "," << d.y();
    }
  }
  EXPECT_GT(flat, 40);
  EXPECT_GT(diagonal, 200);
  EXPECT_GT(vertical, 0) << "the seed lies lower than the diagonal reaches";
  EXPECT_EQ(path.back() + QPoint(25, 5), window->PB1->pos() + QuarterSeeds[2]) << "centred on the seed";
}

TEST_F(PaintingTest, ThePaintWaitsForThePressWithRemindersThenTheSectionFadesInFiftyVisibleSteps) {
  settings::SettingsRecord.SwitchWaitMode = 2;
  settings::SettingsRecord.PressReminderSeconds = 1;
  double arrived = 0;
  std::vector<QRgb> seen;  // the seed's colours from the stripe's arrival on
  size_t seenBeforePress = 0;
  host.everyPass = [&] {
    const QPoint atSeed = window->PB1->pos() + QuarterSeeds[1] - QPoint(25, 5);
    if (arrived == 0 && window->pb3->isVisible() && window->pb3->pos() == atSeed) arrived = host.clock;
    if (arrived == 0) return;
    if (seen.empty() || seen.back() != PixelAt(QuarterSeeds[1])) seen.push_back(PixelAt(QuarterSeeds[1]));
    if (host.clock > arrived + 3.5 && seenBeforePress == 0) {
      seenBeforePress = seen.size();
      input::SwitchPressed = 1;
    }
  };
  PaintWith(1, 1);

  std::vector<double> reminders;
  for (const auto& s : host.sounds)
    if (s.file == "aobj_prs.wav") reminders.push_back(s.at);
  ASSERT_EQ(reminders.size(), 3u);
  EXPECT_GT(reminders[0] - arrived, 1.0);
  for (size_t k = 1; k < reminders.size(); ++k) {
    EXPECT_GT(reminders[k] - reminders[k - 1], 1.0);
    EXPECT_LT(reminders[k] - reminders[k - 1], 1.01);
  }
  EXPECT_EQ(host.soundFiles(), (QStringList{"aobj_voice_red.wav", "aobjsqrt.wav", "aobjflow.wav", "aobj_prs.wav",
                                            "aobj_prs.wav", "aobj_prs.wav", "aobj_pnt.wav"}));
  EXPECT_EQ(host.sounds[1].mode, media::SoundMode::Wait);
  EXPECT_EQ(host.sounds[2].mode, media::SoundMode::Loop);

  EXPECT_EQ(seenBeforePress, 1u) << "nothing is filled before the press";
  ASSERT_EQ(seen.size(), 50u);
  EXPECT_EQ(seen.front(), White);
  EXPECT_EQ(seen[1], qRgb(255, 250, 250));
  EXPECT_EQ(seen.back(), RedDone);
  EXPECT_EQ(WrongInSectionOne(platform::BrushStyleForColoringStyle(0), RedDone), 0) << "the whole section, solid";
  EXPECT_EQ(PixelAt(QuarterSeeds[3]), White) << "the neighbour is untouched";
}

TEST_F(PaintingTest, WithMusicTheNarrationSoundsAreLeftOut) {
  settings::SettingsRecord.SoundOption = 2;
  settings::SettingsRecord.CurrentSongIndex = 4;
  PaintWith(1, 1);
  EXPECT_EQ(host.soundFiles(), QStringList{"s_song4.wav"});
}

}  // namespace
