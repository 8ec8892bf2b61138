// Picture lists and the session driver: which picture comes next, what
// happens between pictures, the songs, and the pictures or settings that
// end a session with a message.

#include "pictures/picture_list.h"
#include "session_fixture.h"

using namespace session_tests;
using pictures::ParsePictureList;

namespace {

TEST(PictureListTest, FieldsAreSplitAtCommasAndLineEndsWithQuotesBlanksAndSwitchedOffLines) {
  const QByteArray text =
      "- Animals\r\n"
      "  cat.bmp\r\n"
      "\r\n"
      "dog.bmp, fish.bmp\n"
      "\"my, picture.bmp\"  \n"
      "-owl.bmp\n"
      ",,\n"
      "last.bmp";
  EXPECT_EQ(ParsePictureList(text, 500).names,
            (QStringList{QStringLiteral("cat.bmp"), QStringLiteral("dog.bmp"), QStringLiteral("fish.bmp"),
                         QStringLiteral("my, picture.bmp"), QStringLiteral("last.bmp")}));
  EXPECT_TRUE(ParsePictureList("", 500).names.isEmpty());
  EXPECT_TRUE(ParsePictureList("-a.bmp\n\n  \n\"\"\n", 500).names.isEmpty());
  EXPECT_EQ(ParsePictureList("\"-x.bmp\"\nb\xc3\xa4r.bmp\n", 500).names, QStringList{QStringLiteral("b\u00e4r.bmp")});
}

TEST(PictureListTest, ALongListKeepsItsFirstNames) {
  QByteArray text;
  for (int i = 1; i <= 503; ++i) text += "p" + QByteArray::number(i) + ".bmp\n";
  const auto list = ParsePictureList(text, 500);
  EXPECT_EQ(list.names.size(), 500);
  EXPECT_EQ(list.names.last(), QStringLiteral("p500.bmp"));
  EXPECT_EQ(list.namesFound, 503);
  EXPECT_TRUE(list.truncated());
}

class DriverTest : public SessionTest {
protected:
  void SetUp() override {
    SessionTest::SetUp();
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
      ASSERT_TRUE(QFile::copy(path(QStringLiteral("quarters.bmp")), path(QString::fromLatin1(name))));
    WriteList(1, "a.bmp\n\nb.bmp\n- later\nc.bmp\n");
  }
  // Picture names in the order their colouring began (their name shown).
  void RecordPictures() {
    auto extra = host.everyPass;
    host.everyPass = [this, extra] {
      if (window->lab_pic_name->isVisible() && (begun.isEmpty() || begun.last() != pictures::PictureName))
        begun << pictures::PictureName;
      if (extra) extra();
    };
  }
  QStringList begun;
};

TEST_F(DriverTest, AnEmptyOrMissingListIsToldAndTheMainMenuComesBack) {
  WriteList(2, "\n- nothing yet\n");
  for (int list : {2, 7}) {
    settings::SettingsRecord.ActivePictureList = static_cast<int16_t>(list);
    session::RunColoringSession(*window);
    EXPECT_EQ(host.messages.back().text, QStringLiteral("Picture List number %1 is empty").arg(list));
    EXPECT_EQ(host.messages.back().icon, platform::MessageIcon::None);
  }
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(mainMenuShown, 2);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(DriverTest, AnIndexPastTheListStartsAtTheFirstPictureAndLeavingMidPictureMovesOn) {
  settings::SettingsRecord.CurrentPictureIndex = 5;
  host.everyPass = [this] {
    if (TubeOut() != 0 || session::PictureFinished == 1) input::SwitchPressed = 1;
    if (pictures::PictureName == QStringLiteral("b.bmp") && session::SegmentsColored == 5) window->ExitRequested = 1;
  };
  RecordPictures();
  session::RunColoringSession(*window);

  EXPECT_EQ(begun, (QStringList{QStringLiteral("a.bmp"), QStringLiteral("b.bmp")}));
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 3) << "the next session begins after b.bmp";
  EXPECT_EQ(window->ExitRequested, 0);
  EXPECT_EQ(host.sounds.back().file, QStringLiteral("stop.wav"));
  EXPECT_EQ(host.sounds.back().mode, media::SoundMode::Once);
  EXPECT_EQ(mainMenuShown, 1);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(DriverTest, AfterAPictureTheSwitchIsAwaitedAndAfterTheLastTheFirstFollows) {
  settings::SettingsRecord.CurrentPictureIndex = 3;
  double finishedAt = 0;
  host.everyPass = [&] {
    if (TubeOut() != 0) input::SwitchPressed = 1;
    if (session::PictureFinished == 1 && finishedAt == 0) finishedAt = host.clock;
    if (finishedAt != 0 && host.clock > finishedAt + 2.0) input::SwitchPressed = 1;  // the press between pictures
    if (pictures::PictureName == QStringLiteral("a.bmp") && TubeOut() != 0) window->ExitRequested = 1;
  };
  RecordPictures();
  session::RunColoringSession(*window);

  EXPECT_EQ(begun, (QStringList{QStringLiteral("c.bmp"), QStringLiteral("a.bmp")}));
  // a.bmp began only after the press, two seconds after c.bmp was finished.
  EXPECT_EQ(session::PicturesCompleted, 1);
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 2);
}

TEST_F(DriverTest, ASkipGoesOnAtOnceAndTheSongsCycleUnlessTheSkipCameDuringTheSetUp) {
  settings::SettingsRecord.SoundOption = 2;
  settings::SettingsRecord.CurrentSongIndex = 5;
  bool skippedInSetUp = false;
  int skips = 0;
  QString lastSkipped;
  host.everyPass = [&] {
    // The one pass of events in the set-up: the easel is shown, the tubes not yet.
    if (!skippedInSetUp && window->pb_easel_bot->isVisible() && !window->pb_tube[1]->isVisible()) {
      input::SkipPicturePressed = 1;
      skippedInSetUp = true;
    }
    if (TubeOut() != 0 && lastSkipped != pictures::PictureName) {
      if (skips < 3) {
        input::SkipPicturePressed = 1;
        lastSkipped = pictures::PictureName;
        ++skips;
      } else {
        window->ExitRequested = 1;
      }
    }
  };
  RecordPictures();
  session::RunColoringSession(*window);

  QStringList songs;
  for (const auto& s : host.sounds)
    if (s.mode == media::SoundMode::Loop) songs << s.file;
  EXPECT_EQ(songs, (QStringList{QStringLiteral("s_song5.wav"), QStringLiteral("s_song5.wav"),
                                QStringLiteral("s_song6.wav"), QStringLiteral("s_song1.wav"),
                                QStringLiteral("s_song2.wav")}));
  EXPECT_EQ(settings::SettingsRecord.CurrentSongIndex, 3);
  EXPECT_EQ(begun, (QStringList{QStringLiteral("b.bmp"), QStringLiteral("c.bmp"), QStringLiteral("a.bmp"),
                                QStringLiteral("b.bmp")}));
  EXPECT_EQ(session::PicturesCompleted, 0);
}

TEST_F(DriverTest, AMissingPictureIsNamedAndEndsTheSessionPastIt) {
  WriteList(1, "a.bmp\nnot there.bmp\nc.bmp\n");
  settings::SettingsRecord.CurrentPictureIndex = 2;
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, QStringLiteral("The picture file not there.bmp\nwas not found.Click on the Picture "
                                                  "List Button\nto make sure the name was spelled correctly"));
  EXPECT_EQ(host.messages[0].title, platform::AppTitle);
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 3);
  EXPECT_EQ(mainMenuShown, 1);
}

TEST_F(DriverTest, RostersAndImagesTheSessionCannotUseAreToldAndEndTheSession) {
  // One colour only (a hand-edited settings file).
  settings::SettingsRecord.ColorEnabled.fill(0);
  settings::SettingsRecord.ColorEnabled[4] = 1;
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("at least 2"))) << host.messages[0].text.toStdString();

  // A tube image taken out of the program folder.
  settings::SettingsRecord.ColorEnabled[3] = 1;
  pictures::ColorPickList = {0, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0};
  ASSERT_TRUE(QFile::remove(path(QStringLiteral("aobj_tube_blue.jpg"))));
  NewWindow();
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_TRUE(host.messages[1].text.contains(QStringLiteral("aobj_tube_blue.jpg"))) << host.messages[1].text.toStdString();
  EXPECT_EQ(mainMenuShown, 2);
  EXPECT_EQ(session::SegmentsColored, 0);
}

TEST_F(DriverTest, AListLongerThanTheProgramHoldsIsToldOnce) {
  QByteArray text;
  for (int i = 0; i < 510; ++i) text += "a.bmp\n";
  WriteList(4, text);
  settings::SettingsRecord.ActivePictureList = 4;
  for (int run = 0; run < 2; ++run) {
    NewWindow();
    host.everyPass = [this] {
      if (TubeOut() != 0) window->ExitRequested = 1;
    };
    session::RunColoringSession(*window);
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("510"))) << host.messages[0].text.toStdString();
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 3);
}

}  // namespace
