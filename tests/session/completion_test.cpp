// The end of a picture: glide, frame, music stopped, compliment, counters,
// print button; and the compliments' order across sessions.

#include "session_fixture.h"

using namespace session_tests;

namespace {

using CompletionTest = SessionTest;

TEST_F(CompletionTest, AFinishedPictureIsCentredFramedAndPraisedWithThePrintButtonOffOnlyWhilePainting) {
  settings::SettingsRecord.FeedbackOption = 1;
  session::GoodJobIndex = 3;
  int paintingPasses = 0, printableWhilePainting = 0, printableBetween = -1;
  host.everyPass = [&] {
    const QPushButton* print = window->but_print;
    if (window->pb3->isVisible()) {
      ++paintingPasses;
      printableWhilePainting += print->isEnabled() || !print->isVisible();
    }
    if (printableBetween < 0 && pictures::CurrentSection == 2 && TubeOut() != 0)
      printableBetween = print->isVisible() && print->isEnabled();
  };
  PaintWith(1);

  EXPECT_GT(paintingPasses, 0);
  EXPECT_EQ(printableWhilePainting, 0) << "the Print button is off while a section is painted";
  EXPECT_EQ(printableBetween, 1) << "and back on after it";
  EXPECT_EQ(window->PB1->x(), (pictures::ScreenWidthPx - 400) / 2);
  EXPECT_EQ(session::PicturesCompleted, 1);
  EXPECT_EQ(session::SegmentsColored, 4);
  EXPECT_EQ(session::PictureFinished, 1);
  EXPECT_EQ(session::GoodJobIndex, 4);
  ASSERT_GE(host.sounds.size(), 2u);
  for (size_t k : {host.sounds.size() - 2, host.sounds.size() - 1}) EXPECT_EQ(host.sounds[k].mode, media::SoundMode::Wait);
  EXPECT_EQ(host.soundFiles().mid(host.sounds.size() - 2), (QStringList{"stop.wav", "goodjob4.wav"}));

  // A frame 70 pixels wide, one shade lighter per pixel outwards.
  const QImage& bg = window->background();
  const int left = window->PB1->x(), y = window->PB1->y() + 200;
  const QRgb inner = bg.pixel(left - 1, y);
  EXPECT_LE(qRed(inner), 181);
  EXPECT_GE(qRed(inner), 1);
  for (int i = 1; i <= 70; ++i) {
    EXPECT_EQ(bg.pixel(left - i, y), qRgb(qRed(inner) + i - 1, qGreen(inner) + i - 1, qBlue(inner) + i - 1)) << i;
    EXPECT_EQ(bg.pixel(left + 400 + i, y), bg.pixel(left - i, y)) << "right side, ring " << i;
  }
  EXPECT_EQ(bg.pixel(left - 71, y), Black);

  for (int t = 1; t <= 10; ++t) EXPECT_FALSE(window->pb_tube[t]->isVisible());
  EXPECT_FALSE(window->pb_easel_bot->isVisible());
  EXPECT_FALSE(window->lab_pic_name->isVisible());
  EXPECT_TRUE(window->LabelExitLink->isVisible()) << "the exit link stays for the wait";
  EXPECT_TRUE(window->but_print->isVisible() && window->but_print->isEnabled());
  EXPECT_EQ(window->but_print->y(), pictures::ScreenHeightPx - window->but_print->height() - 10);
}

TEST_F(CompletionTest, WithoutComplimentsOrPrintingTheMusicStillStopsAndTheCountersStopAtTheirLimit) {
  settings::SettingsRecord.PrintOption = 2;  // FeedbackOption is 3: no compliment
  session::PicturesCompleted = 32767;
  session::SegmentsColored = 32765;
  PaintWith(1);
  EXPECT_EQ(host.soundFiles().last(), "stop.wav");
  EXPECT_EQ(session::GoodJobIndex, 0);
  EXPECT_FALSE(window->but_print->isVisible());
  EXPECT_EQ(session::PicturesCompleted, 32767);
  EXPECT_EQ(session::SegmentsColored, 32767);
  EXPECT_EQ(session::SelectedTube, 0) << "one below the tube that painted";
}

TEST_F(CompletionTest, ComplimentsGoOnInTheirOrderFromOneSessionToTheNext) {
  settings::SettingsRecord.FeedbackOption = 1;
  session::GoodJobIndex = 8;
  WriteList(1, "quarters.bmp\r\n");
  for (int session = 0; session < 2; ++session) {
    NewWindow();
    host.everyPass = [this] {
      if (TubeOut() != 0) input::SwitchPressed = 1;
      if (session::PictureFinished == 1) window->ExitRequested = 1;  // in the wait after the picture
    };
    session::RunColoringSession(*window);
  }
  EXPECT_EQ(Played(u"goodjob"_s), (QStringList{"goodjob9.wav", "goodjob1.wav"}));
  EXPECT_EQ(mainMenuShown, 2);
}

}  // namespace
