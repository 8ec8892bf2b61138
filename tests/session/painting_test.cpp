// Painting a section: the stripe, its way to the seed, the wait for the
// switch, the fade and the hatch patterns, sounds and the counter.

#include <vector>

#include "session_fixture.h"

using namespace session_tests;

namespace {

class PaintingTest : public SessionTest {
protected:
  // Chooses tube `tube` for every section and leaves once `sections` are painted.
  void PaintWith(int tube, int sections) {
    window->ExitRequested = 0;
    auto extra = host.everyPass;
    host.everyPass = [this, tube, sections, extra] {
      if (TubeOut() == tube && !window->pb3->isVisible()) input::SwitchPressed = 1;
      if (session::SegmentsColored >= sections) window->ExitRequested = 1;
      if (extra) extra();
    };
    RunPicture();
  }
};

TEST_F(PaintingTest, TheSectionFadesFromWhiteToTheColourInFiftyVisibleSteps) {
  std::vector<QRgb> seen;
  host.everyPass = [&] {
    if (!window->pb3->isVisible() && seen.empty()) return;  // from the painting on
    const QRgb c = PixelAt(QuarterSeeds[1]);
    if (seen.empty() || seen.back() != c) seen.push_back(c);
  };
  PaintWith(1, 1);

  ASSERT_EQ(seen.size(), 50u);
  EXPECT_EQ(seen.front(), White);
  EXPECT_EQ(seen[1], qRgb(255, 250, 250));
  EXPECT_EQ(seen.back(), RedDone);
  EXPECT_EQ(PixelAt({199, 199}), RedDone) << "the whole section, up to its border";
  EXPECT_EQ(PixelAt({200, 199}), Black);
  EXPECT_EQ(PixelAt(QuarterSeeds[3]), White) << "the neighbour is untouched";
}

TEST_F(PaintingTest, EveryHatchStyleLeavesItsPatternInTheColourAndTheGapsWhite) {
  for (int style = 0; style <= 6; ++style) {
    settings::SettingsRecord.ColoringStyle = static_cast<int16_t>(style);
    session::SegmentsColored = 0;
    host.everyPass = nullptr;
    PaintWith(1, 1);
    const platform::BrushStyle brush = platform::BrushStyleForColoringStyle(style);
    int wrong = 0;
    for (int y = 1; y < 200; ++y)
      for (int x = 1; x < 200; ++x)
        wrong += PixelAt({x, y}) != (platform::BrushCovers(brush, x, y) ? RedDone : White) ? 1 : 0;
    EXPECT_EQ(wrong, 0) << "style " << style;
  }
}

TEST_F(PaintingTest, ClearingAHatchedSectionWhitensItWithTheSameHatch) {
  settings::SettingsRecord.ColoringStyle = 5;
  bool cleared = false;
  double arrived = 0;
  host.everyPass = [&] {
    const int out = TubeOut();
    if (session::SegmentsColored == 0 && out == 1 && !window->pb3->isVisible()) input::SwitchPressed = 1;
    if (session::SegmentsColored == 1 && out == 1 && !cleared) {
      if (arrived == 0) arrived = host.clock;
      if (host.clock - arrived > 0.05) {
        input::ClearLastPressed = 1;
        cleared = true;
      }
    }
    if (cleared && pictures::CurrentSection == 1) window->ExitRequested = 1;
  };
  RunPicture();
  EXPECT_TRUE(cleared);
  int coloured = 0;
  for (int y = 1; y < 200; ++y)
    for (int x = 1; x < 200; ++x) coloured += PixelAt({x, y}) != White ? 1 : 0;
  EXPECT_EQ(coloured, 0);
}

TEST_F(PaintingTest, TheStripeIsShadedDownwardsAndSizedByTheTubeCount) {
  struct Case {
    std::vector<int> colours;
    QSize size;
    int shade;
    int nozzle;
  };
  for (const Case& c : {Case{{1, 3, 10}, {50, 10}, 15, 17}, Case{{1, 2, 3, 4, 5, 6, 7, 8, 9}, {45, 7}, 20, 11}}) {
    settings::SettingsRecord.ColorEnabled.fill(0);
    pictures::ColorPickList.fill(0);
    for (size_t i = 0; i < c.colours.size(); ++i) {
      settings::SettingsRecord.ColorEnabled[c.colours[i]] = 1;
      pictures::ColorPickList[i + 1] = static_cast<int16_t>(c.colours[i]);
    }
    session::SegmentsColored = 0;
    QImage stripe;
    QPoint placed;
    int tubeTop = 0;
    host.everyPass = [&] {
      if (stripe.isNull() && window->pb3->isVisible()) {
        stripe = window->pb3->image().copy();
        placed = window->pb3->pos();
        tubeTop = window->pb_tube[1]->y();
      }
    };
    PaintWith(1, 1);
    ASSERT_FALSE(stripe.isNull());
    EXPECT_EQ(stripe.size(), c.size);
    for (int y = 0; y < c.size.height(); ++y)
      EXPECT_EQ(*platform::GetPixel(stripe, 10, y), qRgb(255 - c.shade * y, 0, 0)) << y;
    // One step out of the nozzle.
    EXPECT_EQ(placed.x(), window->PB1->x() + window->PB1->width() - 1);
    EXPECT_EQ(placed.y() - tubeTop, c.nozzle);
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
    } else if (d == QPoint(-1, 1)) {
      ++diagonal;
    } else if (d == QPoint(0, 1)) {
      ++vertical;
    } else {
      ADD_FAILURE() << "step " << d.x() << "," << d.y();
    }
  }
  EXPECT_GT(flat, 40);
  EXPECT_GT(diagonal, 200);
  EXPECT_GT(vertical, 0) << "the seed lies lower than the diagonal reaches";
  const QPoint centre = path.back() + QPoint(25, 5);
  EXPECT_EQ(centre, window->PB1->pos() + QuarterSeeds[2]);
}

TEST_F(PaintingTest, WaitingForTheSwitchRemindsTheUserUntilThePress) {
  settings::SettingsRecord.SwitchWaitMode = 2;
  settings::SettingsRecord.PressReminderSeconds = 1;
  double arrived = 0;
  QRgb beforePress = 0;
  host.everyPass = [&] {
    if (arrived == 0 && window->pb3->isVisible() && window->pb3->y() == window->PB1->y() + QuarterSeeds[1].y() - 5 &&
        window->pb3->x() == window->PB1->x() + QuarterSeeds[1].x() - 25)
      arrived = host.clock;
    if (arrived != 0 && host.clock > arrived + 3.5 && beforePress == 0) {
      beforePress = PixelAt(QuarterSeeds[1]);
      input::SwitchPressed = 1;
    }
  };
  PaintWith(1, 1);

  std::vector<double> reminders;
  for (const auto& s : host.sounds)
    if (s.file == QStringLiteral("aobj_prs.wav")) reminders.push_back(s.at);
  ASSERT_EQ(reminders.size(), 3u);
  EXPECT_GT(reminders[0] - arrived, 1.0);
  for (size_t k = 1; k < reminders.size(); ++k) {
    EXPECT_GT(reminders[k] - reminders[k - 1], 1.0);
    EXPECT_LT(reminders[k] - reminders[k - 1], 1.01);
  }
  EXPECT_EQ(beforePress, White) << "nothing is filled before the press";
  EXPECT_EQ(PixelAt(QuarterSeeds[1]), RedDone);
}

TEST_F(PaintingTest, NarrationSoundsFollowThePaintAndMusicLeavesThemOut) {
  PaintWith(1, 1);
  EXPECT_EQ(host.soundFiles(), (QStringList{QStringLiteral("aobj_voice_red.wav"), QStringLiteral("aobjsqrt.wav"),
                                            QStringLiteral("aobjflow.wav"), QStringLiteral("aobj_pnt.wav")}));
  EXPECT_EQ(host.sounds[1].mode, media::SoundMode::Wait);
  EXPECT_EQ(host.sounds[2].mode, media::SoundMode::Loop);

  host.sounds.clear();
  settings::SettingsRecord.SoundOption = 2;
  settings::SettingsRecord.CurrentSongIndex = 4;
  session::SegmentsColored = 0;
  NewWindow();
  PaintWith(1, 1);
  EXPECT_EQ(host.soundFiles(), QStringList{QStringLiteral("s_song4.wav")});
}

TEST_F(PaintingTest, EveryPaintingCountsAndTheCounterStopsAtItsLimit) {
  session::SegmentsColored = 32765;
  PaintWith(1, 32767);
  EXPECT_EQ(session::SegmentsColored, 32767);
  EXPECT_EQ(session::SelectedTube, 0) << "one below the tube that painted";
}

TEST_F(PaintingTest, ThePrintButtonIsDisabledWhileTheSectionIsPainted) {
  bool disabledWhilePainting = false;
  host.everyPass = [&] {
    if (window->pb3->isVisible()) disabledWhilePainting = window->but_print->isVisible() && !window->but_print->isEnabled();
  };
  PaintWith(1, 1);
  EXPECT_TRUE(disabledWhilePainting);
  EXPECT_TRUE(window->but_print->isVisible());
  EXPECT_TRUE(window->but_print->isEnabled());
}

}  // namespace
