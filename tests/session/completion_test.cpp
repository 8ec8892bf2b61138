// The end of a picture: glide, frame, music stopped, compliment, counters,
// print button; and the compliments' order across sessions.

#include "pictures/picture_list.h"
#include "session_fixture.h"

using namespace session_tests;

namespace {

using CompletionTest = SessionTest;

TEST_F(CompletionTest, AFinishedPictureIsCentredFramedAndPraised) {
  settings::SettingsRecord.FeedbackOption = 1;
  session::GoodJobIndex = 3;
  ChooseEveryTube();
  RunPicture();

  EXPECT_EQ(window->PB1->x(), (pictures::ScreenWidthPx - 400) / 2);
  EXPECT_EQ(session::PicturesCompleted, 1);
  EXPECT_EQ(session::SegmentsColored, 4);
  EXPECT_EQ(session::PictureFinished, 1);
  EXPECT_EQ(session::GoodJobIndex, 4);
  const QStringList sounds = host.soundFiles();
  ASSERT_GE(sounds.size(), 2);
  EXPECT_EQ(sounds.mid(sounds.size() - 2), (QStringList{QStringLiteral("stop.wav"), QStringLiteral("goodjob4.wav")}));
  EXPECT_EQ(host.sounds.back().mode, media::SoundMode::Wait);
  EXPECT_EQ(host.sounds[host.sounds.size() - 2].mode, media::SoundMode::Wait);

  // A frame 70 pixels wide, one shade lighter per pixel outwards.
  const QImage& bg = window->background();
  const int y = window->PB1->y() + 200;
  const QRgb inner = bg.pixel(window->PB1->x() - 1, y);
  EXPECT_LE(qRed(inner), 181);
  EXPECT_GE(qRed(inner), 1);
  for (int i = 1; i <= 70; ++i) {
    const QRgb c = bg.pixel(window->PB1->x() - i, y);
    EXPECT_EQ(c, qRgb(qRed(inner) + i - 1, qGreen(inner) + i - 1, qBlue(inner) + i - 1)) << "ring " << i;
    EXPECT_EQ(bg.pixel(window->PB1->x() + 400 + i, y), c) << "right side, ring " << i;
  }
  EXPECT_EQ(bg.pixel(window->PB1->x() - 71, y), Black);

  for (int t = 1; t <= 10; ++t) EXPECT_FALSE(window->pb_tube[t]->isVisible());
  EXPECT_FALSE(window->pb_easel_bot->isVisible());
  EXPECT_FALSE(window->lab_pic_name->isVisible());
  EXPECT_TRUE(window->LabelExitLink->isVisible()) << "the exit link stays for the wait";
  EXPECT_TRUE(window->but_print->isVisible());
  EXPECT_TRUE(window->but_print->isEnabled());
  EXPECT_EQ(window->but_print->y(), pictures::ScreenHeightPx - window->but_print->height() - 10);
}

TEST_F(CompletionTest, WithoutComplimentsOrPrintingTheMusicStillStops) {
  settings::SettingsRecord.FeedbackOption = 3;
  settings::SettingsRecord.PrintOption = 2;
  session::PicturesCompleted = 32767;
  ChooseEveryTube();
  RunPicture();
  EXPECT_EQ(host.soundFiles().last(), QStringLiteral("stop.wav"));
  EXPECT_EQ(session::GoodJobIndex, 0);
  EXPECT_FALSE(window->but_print->isVisible());
  EXPECT_EQ(session::PicturesCompleted, 32767) << "the counter stops at its limit";
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
  QStringList compliments;
  for (const QString& f : host.soundFiles())
    if (f.startsWith(QStringLiteral("goodjob"))) compliments << f;
  EXPECT_EQ(compliments, (QStringList{QStringLiteral("goodjob9.wav"), QStringLiteral("goodjob1.wav")}));
  EXPECT_EQ(mainMenuShown, 2);
}

}  // namespace
